// The preview as the page paints it, captured from the screen and compared pixel for pixel with
// what the preview pipeline computes for the same picture and the settings the controls show.
#include <cstring>
#include <fstream>
#include <vector>

#include "color_page_fixture_win.h"
#include "common/win/unique_handle.h"
#include "preview_bitmap_loader.h"
#include "preview_render.h"
#include "preview_sharpen.h"
#include "res/resource_ids.h"
#include "sample_picture.h"
#include "window_capture_win.h"

namespace qzr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kPictureLeft = 5, kPictureTop = 5;

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// A 24-bit BMP of varied pixels whose bfSize counts exactly its headers and pixels.
Bytes MakeBitmapFile(std::int32_t width, std::int32_t height, std::uint32_t seed) {
    const std::size_t stride = BitmapStride(width);
    Bytes file(54 + stride * static_cast<std::size_t>(height), 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 54);
    Put32(file, 14, 40);
    Put32(file, 18, static_cast<std::uint32_t>(width));
    Put32(file, 22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < 3 * width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            // Smooth gradients with some noise: the filters have edges and flats to work on.
            const int smooth = (x * 255 / (3 * width) + y * 255 / height) / 2;
            file[54 + y * stride + x] = static_cast<std::uint8_t>(smooth + (seed >> 28));
        }
    }
    return file;
}

void WriteFileBytes(const std::wstring& path, const Bytes& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// What the page must show: the loaded picture (192 x 192, copied one to one), filtered.
struct Expected {
    Bytes bits;  // bottom-up rows of 576 bytes
};

Expected RenderFile(const Bytes& file, const ColorSettings& settings) {
    MemoryByteSource source(file);
    PreviewPicture picture;
    EXPECT_EQ(LoadPreviewBitmap(source, picture), LoadError::kNone);
    EXPECT_EQ(picture.width, kPreviewSide);
    EXPECT_EQ(picture.height, kPreviewSide);
    Expected expected{Bytes(picture.pixels.get(), picture.pixels.get() + kCropBytes)};
    RenderPreview(settings, expected.bits.data(), kPreviewSide, kPreviewSide);
    return expected;
}

// The sample comes from the bitmap resource whole, last bytes included.
Expected RenderSample(const ColorSettings& settings) {
    const auto bmp = tool::SamplePictureBmp();
    std::uint32_t offset = 0;
    std::memcpy(&offset, bmp.data() + 10, sizeof offset);
    Expected expected{Bytes(bmp.begin() + offset, bmp.begin() + offset + kCropBytes)};
    RenderPreview(settings, expected.bits.data(), kPreviewSide, kPreviewSide);
    return expected;
}

::testing::AssertionResult PaintedAs(const host::RgbImage& image, const Expected& expected) {
    int wrong = 0;
    std::string first;
    for (int y = 0; y < kPreviewSide; ++y) {
        const std::uint8_t* row = expected.bits.data() + (kPreviewSide - 1 - y) * kCropRowBytes;
        for (int x = 0; x < kPreviewSide; ++x) {
            const std::uint32_t want = std::uint32_t{row[3 * x + 2]} << 16 |
                                       std::uint32_t{row[3 * x + 1]} << 8 | row[3 * x];
            const std::uint32_t got = image.Pixel(kPictureLeft + x, kPictureTop + y);
            if (got != want && wrong++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "first at %d,%d: painted %06X, computed %06X", x,
                              y, got, want);
                first = text;
            }
        }
    }
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ; " << first;
}

class PreviewTest : public ColorPageTest {
  protected:
    // The page as it is on the screen now, after every pending paint.
    host::RgbImage Capture() {
        Pump();
        UpdateWindow(Page());
        auto image = host::CaptureWindow(Page());
        EXPECT_TRUE(image);
        return image ? *image : host::RgbImage{};
    }

    // Opens the sheet with the record's preview path set to path.
    void OpenWithPicture(const std::wstring& path) {
        OpenSheet(true);
        const std::u16string stored(path.begin(), path.end());
        stored.copy(Record().previewImagePath, stored.size());
        ASSERT_TRUE(sheet->sheet.SelectPage(1));
    }

    ColorSettings Shown() { return Record().settings; }  // defaults until the controls move
};

TEST_F(PreviewTest, ResourceIsTheToolsSamplePicture) {
    const HRSRC found =
        FindResourceW(library.module(), MAKEINTRESOURCEW(IDB_SAMPLE_PICTURE), RT_BITMAP);
    ASSERT_NE(found, nullptr);
    const auto* resource =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(library.module(), found)));
    const auto bmp = tool::SamplePictureBmp();
    ASSERT_EQ(SizeofResource(library.module(), found), bmp.size() - 14);
    EXPECT_EQ(std::memcmp(resource, bmp.data() + 14, bmp.size() - 14), 0);
}

TEST_F(PreviewTest, SamplePictureInItsFrameFollowsTheControls) {
    OpenSheet();
    host::RgbImage image = Capture();
    EXPECT_TRUE(PaintedAs(image, RenderSample(Shown())));
    // The frame: a black outline from 4,4 to 197,197 around the picture.
    for (int at = 4; at <= 197; at += 193)
        for (int along = 4; along <= 197; along += 31) {
            EXPECT_EQ(image.Pixel(at, along), 0u) << at << "," << along;
            EXPECT_EQ(image.Pixel(along, at), 0u) << along << "," << at;
        }

    MoveSlider(IDC_BRIGHTNESS_SLIDER, 5);
    MoveSlider(IDC_SHARPNESS_SLIDER, 3);
    MoveSlider(IDC_CYAN_SLIDER, -4);
    ColorSettings moved = Shown();
    moved.brightness = 5;
    moved.sharpness = 3;
    moved.cyanBalance = -4;
    EXPECT_TRUE(PaintedAs(Capture(), RenderSample(moved)));

    Click(IDC_COLOR_MODE_MONOCHROME);
    moved.colorMode = 1;
    EXPECT_TRUE(PaintedAs(Capture(), RenderSample(moved)));
    EXPECT_EQ(Text(IDC_SATURATION_BOX), L"0");  // the control keeps its value

    Click(IDC_UNSHARP_MASK);
    moved.unsharpEnabled = 1;
    EXPECT_TRUE(PaintedAs(Capture(), RenderSample(moved)));
}

TEST_F(PreviewTest, UsersPicturesAreShownOneToOne) {
    struct Case {
        std::int32_t width, height;
        bool unsharp;
    } cases[] = {{192, 192, false}, {1000, 800, false}, {1000, 800, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << " x " << c.height << " unsharp " << c.unsharp);
        const Bytes file = MakeBitmapFile(c.width, c.height, 7u * c.width + c.height);
        const std::wstring path = Folder() + L"\\picture.bmp";
        WriteFileBytes(path, file);
        OpenWithPicture(path);
        ColorSettings shown = Shown();
        if (c.unsharp) {
            Click(IDC_UNSHARP_MASK);
            shown.unsharpEnabled = 1;
        }
        EXPECT_TRUE(PaintedAs(Capture(), RenderFile(file, shown)));
        EXPECT_EQ(std::u16string(Record().previewImagePath),
                  std::u16string(path.begin(), path.end()));
        sheet.reset();
    }
}

// Each paint has its own memory: a page that goes away takes nothing from another one.
TEST_F(PreviewTest, TwoSheetsPaintIndependently) {
    const Bytes file = MakeBitmapFile(1000, 800, 5);
    const std::wstring path = Folder() + L"\\large.bmp";
    WriteFileBytes(path, file);
    auto first = std::make_unique<PluginSheet>();
    std::string error;
    ASSERT_TRUE(first->Open(*plugin.get(), library.module(), PluginSheet::Kind::Document, 1, error))
        << error;
    OpenWithPicture(path);
    first.reset();
    InvalidateRect(Page(), nullptr, FALSE);
    EXPECT_TRUE(PaintedAs(Capture(), RenderFile(file, Shown())));
}

TEST_F(PreviewTest, AnUnusableFileGivesTheSampleAndIsForgotten) {
    const std::wstring path = Folder() + L"\\notes.bmp";
    WriteFileBytes(path, Bytes{'n', 'o', 't', 'e', 's'});
    OpenWithPicture(path);
    EXPECT_TRUE(PaintedAs(Capture(), RenderSample(Shown())));
    EXPECT_EQ(Record().previewImagePath[0], u'\0');
}

TEST_F(PreviewTest, SelectFileTakesOnlyTwentyFourBitBitmaps) {
    OpenSheet();
    const Bytes picture = MakeBitmapFile(192, 192, 99);
    Bytes eightBits = picture;
    eightBits[28] = 8;
    const std::wstring locked = Folder() + L"\\locked.bmp";
    const win::UniqueFile holder(CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                             nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
    ASSERT_TRUE(holder);
    struct Case {
        const wchar_t* name;
        Bytes bytes;
        const wchar_t* message;
    } refused[] = {
        {L"\\palette.bmp", eightBits, L"Select a 24-bit true color bitmap image file."},
        {L"\\notes.bmp", Bytes(200, 'x'), L"This is not a bitmap image file."},
        {L"\\locked.bmp", {}, L"Could not open file."},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(std::string(c.message, c.message + wcslen(c.message)));
        const std::wstring path = Folder() + c.name;
        if (!c.bytes.empty()) WriteFileBytes(path, c.bytes);
        EXPECT_EQ(MessageAfterChoosing(IDC_SELECT_FILE, path), c.message);
        EXPECT_EQ(Record().previewImagePath[0], u'\0');
    }
    EXPECT_EQ(answerer.seen[0].types,
              (std::vector<std::wstring>{L"24-bit true color bitmap image file", L"All"}));

    // Taken at once, without Apply; the next paint shows it.
    const std::wstring path = Folder() + L"\\chosen.bmp";
    WriteFileBytes(path, picture);
    answerer.seen.clear();
    answerer.ChooseFile(path);
    ASSERT_TRUE(ClickAnswered(IDC_SELECT_FILE));
    EXPECT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(std::u16string(Record().previewImagePath), std::u16string(path.begin(), path.end()));
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(PaintedAs(Capture(), RenderFile(picture, Shown())));
}

}  // namespace
}  // namespace qzr::test
