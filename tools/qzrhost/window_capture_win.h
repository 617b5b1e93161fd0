// Pictures of windows, for screenshots and for tests that look at what a page painted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/win/win_include.h"

namespace qzr::host {

struct RgbImage {
    std::uint32_t width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, 3 bytes (red, green, blue) per pixel

    // The pixel at x, y as 0xRRGGBB.
    std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const;
};

// The client area of the window (with its child windows) as it is painted now; nothing when it
// has no area or GDI fails. The frame is left out: without a window manager nobody paints it.
std::optional<RgbImage> CaptureWindow(HWND window);

// False with the reason in error when the file cannot be written.
bool SavePng(const RgbImage& image, const std::wstring& path, std::string& error);

}  // namespace qzr::host
