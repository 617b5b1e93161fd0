#include "bmp_writer.h"

#include <limits>

namespace qzr::image {

namespace {

void Put(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(std::span<const std::uint8_t> bgrRows, std::int32_t width,
                                      std::int32_t height) {
    constexpr std::uint64_t kHeaders = 54;
    if (width <= 0 || height <= 0) return {};
    const std::uint64_t stride = (std::uint64_t(width) * 3 + 3) / 4 * 4;
    const std::uint64_t pixelBytes = stride * std::uint64_t(height);
    if (kHeaders + pixelBytes > std::numeric_limits<std::uint32_t>::max() ||
        bgrRows.size() < pixelBytes)
        return {};

    std::vector<std::uint8_t> out(kHeaders);
    out[0] = 'B';
    out[1] = 'M';
    Put(out, 2, static_cast<std::uint32_t>(kHeaders + pixelBytes), 4);  // bfSize
    Put(out, 10, kHeaders, 4);                                          // bfOffBits
    Put(out, 14, 40, 4);                                                // biSize
    Put(out, 18, static_cast<std::uint32_t>(width), 4);
    Put(out, 22, static_cast<std::uint32_t>(height), 4);
    Put(out, 26, 1, 2);   // biPlanes
    Put(out, 28, 24, 2);  // biBitCount; biCompression 0 is BI_RGB
    Put(out, 34, static_cast<std::uint32_t>(pixelBytes), 4);  // biSizeImage
    out.insert(out.end(), bgrRows.begin(),
               bgrRows.begin() + static_cast<std::ptrdiff_t>(pixelBytes));
    return out;
}

}  // namespace qzr::image
