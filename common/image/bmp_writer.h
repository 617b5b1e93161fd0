// Writes 24-bit BMP files: the 14-byte file header, a 40-byte BITMAPINFOHEADER and the rows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qzr::image {

// bgrRows: height rows of blue, green, red pixels, bottom row first, each padded to a multiple
// of 4 bytes (the layout of the file itself). Returns an empty vector when the sizes do not fit
// a BMP file or the rows are too few.
std::vector<std::uint8_t> EncodeBmp24(std::span<const std::uint8_t> bgrRows, std::int32_t width,
                                      std::int32_t height);

}  // namespace qzr::image
