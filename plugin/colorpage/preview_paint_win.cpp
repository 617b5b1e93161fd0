#include "preview_paint_win.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "common/win/gdi_owners.h"
#include "file_byte_source_win.h"
#include "module_win.h"
#include "page_controls_win.h"
#include "page_settings.h"
#include "preview_render.h"
#include "preview_sharpen.h"
#include "res/resource_ids.h"
#include "utf16.h"

namespace qzr::plugin {

namespace {

// The frame's right and bottom edges are exclusive; the picture fills the square inside it.
constexpr RECT kFrame{4, 4, 198, 198};
constexpr int kPictureLeft = 5;
constexpr int kPictureTop = 5;

class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }

    HDC dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

BITMAPINFO TwentyFourBitHeader(std::int32_t width, std::int32_t height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A picture as a bitmap section of the paint, on whose pixels the filters work in place.
struct PreviewSection {
    win::UniqueBitmap bitmap;
    std::uint8_t* bits = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

std::optional<PreviewSection> MakeSection(HDC dc, const PreviewPicture& picture) {
    const BITMAPINFO info = TwentyFourBitHeader(picture.width, picture.height);
    void* bits = nullptr;
    PreviewSection section;
    section.bitmap.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section.bitmap || bits == nullptr) return std::nullopt;
    section.bits = static_cast<std::uint8_t*>(bits);
    section.width = picture.width;
    section.height = picture.height;
    std::memcpy(section.bits, picture.pixels.get(),
                picture.stride * static_cast<std::size_t>(picture.height));
    return section;
}

void ClearPreviewPath(PrivateDevmode& devmode) {
    std::fill(std::begin(devmode.previewImagePath), std::end(devmode.previewImagePath), u'\0');
}

// The user's picture. A file that cannot be used is forgotten for good (the path is cleared in
// the driver's record); a paint that merely runs short of memory shows the sample this time and
// keeps the path, since the file itself is fine.
std::optional<PreviewSection> LoadChosenPicture(HDC dc, PrivateDevmode& devmode) {
    const std::u16string_view stored = TerminatedView(devmode.previewImagePath, kPathUnits);
    if (stored.empty()) return std::nullopt;
    const std::wstring path(stored.begin(), stored.end());
    FileHandleByteSource source(path.c_str());
    if (source.IsOpen()) {
        PreviewPicture picture;
        const LoadError error = LoadPreviewBitmap(source, picture);
        if (error == LoadError::kNone) {
            if (auto section = MakeSection(dc, picture)) return section;
            return std::nullopt;
        }
        if (error == LoadError::kOutOfMemory) return std::nullopt;
    }
    ClearPreviewPath(devmode);
    return std::nullopt;
}

void Draw(HDC dc, const PreviewSection& section) {
    const win::MemoryDc memory(CreateCompatibleDC(dc));
    if (!memory) return;
    const win::SelectGuard selected(memory.get(), section.bitmap.get());
    if (!selected) return;
    Rectangle(dc, kFrame.left, kFrame.top, kFrame.right, kFrame.bottom);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, kPictureLeft, kPictureTop, kPreviewSide, kPreviewSide, memory.get(), 0, 0,
               section.width, section.height, SRCCOPY);
}

}  // namespace

std::optional<PreviewPicture> LoadSampleBitmap(HDC paintDc) {
    // A shared resource bitmap belongs to the system: it is never deleted here.
    const auto shared = static_cast<HBITMAP>(LoadImageW(
        ModuleHandle(), MAKEINTRESOURCEW(IDB_SAMPLE_PICTURE), IMAGE_BITMAP, 0, 0, LR_SHARED));
    if (shared == nullptr) return std::nullopt;
    PreviewPicture picture;
    picture.width = kPreviewSide;
    picture.height = kPreviewSide;
    picture.stride = kCropRowBytes;
    picture.pixels.reset(new (std::nothrow) std::uint8_t[kCropBytes]);
    if (!picture.pixels) return std::nullopt;
    BITMAPINFO info = TwentyFourBitHeader(kPreviewSide, kPreviewSide);
    if (GetDIBits(paintDc, shared, 0, kPreviewSide, picture.pixels.get(), &info, DIB_RGB_COLORS) !=
        kPreviewSide)
        return std::nullopt;
    return picture;
}

void PaintPreview(HWND dialog) {
    const PaintScope paint(dialog);
    const auto records = RecordsOf(FindPageContext(dialog));
    if (!records || paint.dc() == nullptr) return;

    std::optional<PreviewSection> section = LoadChosenPicture(paint.dc(), records->devmode);
    if (!section) {
        if (const auto sample = LoadSampleBitmap(paint.dc()))
            section = MakeSection(paint.dc(), *sample);
    }
    if (!section) return;  // nothing drawn, not even the frame

    // The preview shows what the controls show, not what the driver's record holds.
    DialogPageControls controls(dialog);
    ColorSettings shown{};
    colorpage::ReadSettings(controls, shown);
    RenderPreview(shown, section->bits, section->width, section->height);
    Draw(paint.dc(), *section);
}

}  // namespace qzr::plugin
