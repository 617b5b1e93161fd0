// Small pictures for the preview tests: padded bottom-up 24-bit bitmaps and hand-made BMP files.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace qzr::testing_support {

struct TestBitmap {
    std::int32_t width;
    std::int32_t height;
    std::size_t stride;
    std::vector<std::uint8_t> bytes;

    TestBitmap(std::int32_t w, std::int32_t h, std::uint8_t level = 0)
        : width(w),
          height(h),
          stride((std::size_t(w) * 3 + 3) / 4 * 4),
          bytes(stride * std::size_t(h), level) {}

    std::uint8_t* data() { return bytes.data(); }
    std::uint8_t& At(int x, int y, int channel) { return bytes[y * stride + 3 * x + channel]; }
    void SetPixel(int x, int y, std::uint8_t level) {
        for (int c = 0; c < 3; ++c) At(x, y, c) = level;
    }
    void Randomize(std::mt19937& random) {
        for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
    }
};

// A byte of a recognisable pattern for pixel (x, y) and channel c of a test file.
inline std::uint8_t PatternByte(std::int64_t x, std::int64_t y, int c) {
    return static_cast<std::uint8_t>(x * 7 + y * 13 + c * 101 + (x >> 8) * 3 + (y >> 8) * 5);
}

struct BmpLayout {
    std::int32_t width = 4;
    std::int32_t height = 4;
    std::uint16_t bitCount = 24;
    std::uint16_t planes = 1;
    std::uint32_t compression = 0;
    std::uint32_t infoSize = 40;
    std::uint32_t pixelOffset = 54;
    std::int64_t claimedSize = -1;  // bfSize; -1: the file's real size
    std::int64_t keepBytes = -1;    // cut the file to this many bytes; -1: whole
};

inline void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = v & 0xFF;
    out[at + 1] = (v >> 8) & 0xFF;
}
inline void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    PutU16(out, at, v & 0xFFFF);
    PutU16(out, at + 2, v >> 16);
}

// A whole file: headers, any gap up to pixelOffset, and the pattern in every pixel (padding 0).
// Sides of 0 or less get no pixel array. With keepBytes only that much of the file is made, so
// headers may claim far more than exists.
inline std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout) {
    const std::uint64_t stride =
        (std::uint64_t(layout.width > 0 ? layout.width : 0) * 3 + 3) / 4 * 4;
    const std::uint64_t rows = layout.height > 0 ? std::uint64_t(layout.height) : 0;
    const std::uint64_t headerEnd = std::max<std::uint64_t>(layout.pixelOffset, 54);
    const std::uint64_t size =
        layout.keepBytes >= 0 ? std::uint64_t(layout.keepBytes) : headerEnd + stride * rows;
    std::vector<std::uint8_t> out(std::max<std::uint64_t>(size, 54), 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 10, layout.pixelOffset);
    PutU32(out, 14, layout.infoSize);
    PutU32(out, 18, static_cast<std::uint32_t>(layout.width));
    PutU32(out, 22, static_cast<std::uint32_t>(layout.height));
    PutU16(out, 26, layout.planes);
    PutU16(out, 28, layout.bitCount);
    PutU32(out, 30, layout.compression);
    for (std::uint64_t y = 0; y < rows && layout.pixelOffset + y * stride < size; ++y)
        for (std::int32_t x = 0; x < layout.width; ++x) {
            const std::uint64_t at = layout.pixelOffset + y * stride + 3 * std::uint64_t(x);
            if (at >= size) break;
            for (int c = 0; c < 3 && at + c < size; ++c)
                out[at + c] = PatternByte(x, std::int64_t(y), c);
        }
    out.resize(size);
    const std::int64_t claimed =
        layout.claimedSize >= 0 ? layout.claimedSize : static_cast<std::int64_t>(out.size());
    if (out.size() >= 6) PutU32(out, 2, static_cast<std::uint32_t>(claimed));
    return out;
}

}  // namespace qzr::testing_support
