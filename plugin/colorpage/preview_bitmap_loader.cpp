#include "preview_bitmap_loader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <utility>

namespace qzr {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::int32_t kMaxRowCount = 32767;  // the row transform's 16-bit pixel count
constexpr std::uint32_t kBiRgb = 0;

std::uint16_t U16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}
std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

struct Header {
    std::uint32_t fileSize;  // bfSize: what the file claims
    std::uint32_t pixelOffset;
    std::int32_t width;
    std::int32_t height;
};

LoadError ReadHeader(ByteSource& source, Header& header) {
    std::array<std::uint8_t, kFileHeaderBytes> file{};
    if (source.ReadAt(0, file) != file.size() || file[0] != 'B' || file[1] != 'M')
        return LoadError::kNotBitmap;
    header.fileSize = U32(&file[2]);
    header.pixelOffset = U32(&file[10]);
    if (header.pixelOffset < kFileHeaderBytes + kInfoHeaderBytes) return LoadError::kHeaderTooShort;

    std::array<std::uint8_t, kInfoHeaderBytes> info{};
    if (source.ReadAt(kFileHeaderBytes, info) != info.size()) return LoadError::kHeaderTooShort;
    if (U32(&info[0]) < kInfoHeaderBytes) return LoadError::kInfoHeaderTooSmall;
    header.width = I32(&info[4]);
    header.height = I32(&info[8]);
    if (U16(&info[14]) != 24) return LoadError::kNotTwentyFourBits;
    if (U32(&info[16]) != kBiRgb) return LoadError::kCompressed;
    if (U16(&info[12]) != 1) return LoadError::kPlanesNotOne;
    if (header.width <= 0 || header.height <= 0) return LoadError::kNotPositiveSize;
    return LoadError::kNone;
}

std::unique_ptr<std::uint8_t[]> TryAllocateZeroed(std::uint64_t bytes) {
    if (bytes > std::numeric_limits<std::size_t>::max()) return nullptr;
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow)
                                               std::uint8_t[static_cast<std::size_t>(bytes)]());
}

}  // namespace

const char* DescribeLoadError(LoadError error) {
    switch (error) {
        case LoadError::kNone:
            return "no error";
        case LoadError::kNotBitmap:
            return "not a bitmap image file (no \"BM\" signature)";
        case LoadError::kHeaderTooShort:
            return "the header block is too short for a 40-byte BITMAPINFOHEADER";
        case LoadError::kInfoHeaderTooSmall:
            return "biSize is below 40";
        case LoadError::kNotTwentyFourBits:
            return "not a 24-bit bitmap";
        case LoadError::kCompressed:
            return "compressed bitmaps are not supported";
        case LoadError::kPlanesNotOne:
            return "biPlanes is not 1";
        case LoadError::kNotPositiveSize:
            return "width or height is 0 or less (top-down bitmaps are not supported)";
        case LoadError::kTooWide:
            return "wider than 32767 pixels and not large enough to be cropped";
        case LoadError::kSizeBelowOffset:
            return "bfSize is smaller than bfOffBits + 2";
        case LoadError::kPixelsTruncated:
            return "the file ends before the pixel array its header describes";
        case LoadError::kOutOfMemory:
            return "not enough memory for the picture";
    }
    return "unknown error";
}

LoadError LoadPreviewBitmap(ByteSource& source, PreviewPicture& picture) {
    Header header{};
    if (const LoadError error = ReadHeader(source, header); error != LoadError::kNone) return error;
    const bool crop = header.width > kPreviewSide && header.height > kPreviewSide;
    if (!crop && header.width > kMaxRowCount) return LoadError::kTooWide;

    // The file's own claim sets how many pixel bytes are read; the 2 is part of that rule.
    const std::uint64_t offset = header.pixelOffset;
    if (std::uint64_t{header.fileSize} < offset + 2) return LoadError::kSizeBelowOffset;
    const std::uint64_t readLength = header.fileSize - offset - 2;

    // Both factors are below 2^33 and 2^31, so the product fits in 64 bits.
    const std::uint64_t stride = (3 * std::uint64_t(header.width) + 3) / 4 * 4;
    const std::uint64_t arrayBytes = stride * std::uint64_t(header.height);
    const std::uint64_t available = source.Size() > offset ? source.Size() - offset : 0;
    if (available < arrayBytes) return LoadError::kPixelsTruncated;

    if (!crop) {
        auto pixels = TryAllocateZeroed(arrayBytes);
        if (!pixels) return LoadError::kOutOfMemory;
        const std::uint64_t length = std::min(readLength, arrayBytes);
        source.ReadAt(offset, {pixels.get(), static_cast<std::size_t>(length)});
        picture = {header.width, header.height, static_cast<std::size_t>(stride),
                   std::move(pixels)};
        return LoadError::kNone;
    }

    // The central square: rows h/2 - 96 .. h/2 + 95 and columns w/2 - 96 .. w/2 + 95, so for an
    // odd side the extra row and column fall on the top and the right.
    auto pixels = TryAllocateZeroed(kCropBytes);
    if (!pixels) return LoadError::kOutOfMemory;
    const std::uint64_t firstRow = header.height / 2 - kPreviewSide / 2;
    const std::uint64_t firstByte = 3 * std::uint64_t(header.width / 2 - kPreviewSide / 2);
    for (std::size_t i = 0; i < std::size_t(kPreviewSide); ++i) {
        const std::uint64_t start = (firstRow + i) * stride + firstByte;
        if (start >= readLength) break;
        const std::uint64_t length = std::min<std::uint64_t>(kCropRowBytes, readLength - start);
        source.ReadAt(offset + start,
                      {pixels.get() + i * kCropRowBytes, static_cast<std::size_t>(length)});
    }
    picture = {kPreviewSide, kPreviewSide, kCropRowBytes, std::move(pixels)};
    return LoadError::kNone;
}

}  // namespace qzr
