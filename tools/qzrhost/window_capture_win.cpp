#include "window_capture_win.h"

#include <cstddef>

#include "common/image/png_writer.h"
#include "common/win/gdi_owners.h"
#include "file_io_win.h"

namespace qzr::host {

std::uint32_t RgbImage::Pixel(std::uint32_t x, std::uint32_t y) const {
    const std::size_t at = (std::size_t{y} * width + x) * 3;
    return std::uint32_t{rgb[at]} << 16 | std::uint32_t{rgb[at + 1]} << 8 | rgb[at + 2];
}

std::optional<RgbImage> CaptureWindow(HWND window) {
    RECT bounds;
    if (window == nullptr || !GetClientRect(window, &bounds)) return std::nullopt;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return std::nullopt;

    const win::WindowDc source(window);
    if (!source) return std::nullopt;
    const win::MemoryDc memory(CreateCompatibleDC(source.get()));
    if (!memory) return std::nullopt;
    // Top-down 32-bit pixels: rows need no padding and read in display order.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win::UniqueBitmap bitmap(
        CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return std::nullopt;
    {
        const win::SelectGuard selected(memory.get(), bitmap.get());
        if (!selected || !BitBlt(memory.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY))
            return std::nullopt;
    }
    GdiFlush();

    RgbImage image;
    image.width = static_cast<std::uint32_t>(width);
    image.height = static_cast<std::uint32_t>(height);
    image.rgb.resize(std::size_t{image.width} * image.height * 3);
    const auto* pixels = static_cast<const std::uint8_t*>(bits);  // blue, green, red, unused
    for (std::size_t i = 0; i < std::size_t{image.width} * image.height; ++i) {
        image.rgb[i * 3] = pixels[i * 4 + 2];
        image.rgb[i * 3 + 1] = pixels[i * 4 + 1];
        image.rgb[i * 3 + 2] = pixels[i * 4];
    }
    return image;
}

bool SavePng(const RgbImage& image, const std::wstring& path, std::string& error) {
    const std::vector<std::uint8_t> png = image::EncodePng(image.rgb, image.width, image.height);
    return WriteWholeFile(path, std::as_bytes(std::span(png)), error);
}

}  // namespace qzr::host
