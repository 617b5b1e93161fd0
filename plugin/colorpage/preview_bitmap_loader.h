// Loads the user's 24-bit BMP for the preview, cutting a large one down to its central
// 192 x 192 square. The file is anyone's: every header field is checked before it is used, no
// size is computed with overflow, and nothing is allocated from an unchecked field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "byte_source.h"

namespace qzr {

inline constexpr std::int32_t kPreviewSide = 192;
inline constexpr std::size_t kCropRowBytes = 3 * kPreviewSide;           // 576
inline constexpr std::size_t kCropBytes = kCropRowBytes * kPreviewSide;  // 110592

struct PreviewPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t stride = 0;  // 3 x width rounded up to a multiple of 4
    // stride x height bytes: pixels of blue, green, red, bottom row first.
    std::unique_ptr<std::uint8_t[]> pixels;
};

enum class LoadError {
    kNone,
    kNotBitmap,           // no "BM" signature (a file of fewer than 14 bytes included)
    kHeaderTooShort,      // the header block cannot hold a 40-byte BITMAPINFOHEADER
    kInfoHeaderTooSmall,  // biSize below 40
    kNotTwentyFourBits,
    kCompressed,  // biCompression is not BI_RGB
    kPlanesNotOne,
    kNotPositiveSize,  // width or height 0 or less (top-down pictures are not shown)
    kTooWide,          // an uncropped width above 32767
    kSizeBelowOffset,  // bfSize smaller than bfOffBits + 2
    kPixelsTruncated,  // the file ends before the pixel array its header describes
    kOutOfMemory,
};

// A line of text for a person: what is wrong with the file.
const char* DescribeLoadError(LoadError error);

// On success fills picture. Pictures larger than 192 in both directions become their central
// 192 x 192 square, read row by row: only the 576 bytes of each of those 192 rows are read.
// Others are read whole. Either way only bfSize - bfOffBits - 2 bytes of pixels are read (the
// file's own claim), and bytes left unread are 0. Never throws.
LoadError LoadPreviewBitmap(ByteSource& source, PreviewPicture& picture);

}  // namespace qzr
