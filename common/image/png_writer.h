// Writes 8-bit RGB pictures as PNG files, uncompressed (stored deflate blocks): enough for
// screenshots and previews, with no library beyond the standard one.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qzr::image {

// rgb: height rows of width pixels, 3 bytes each (red, green, blue), top row first, no padding.
std::vector<std::uint8_t> EncodePng(std::span<const std::uint8_t> rgb, std::uint32_t width,
                                    std::uint32_t height);

// False when the file cannot be written completely.
bool WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace qzr::image
