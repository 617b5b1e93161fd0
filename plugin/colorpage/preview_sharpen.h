// The preview's 3 x 3 sharpening, run together with the colour transform in one pass over a
// 24-bit bottom-up bitmap whose rows are padded to 4 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "preview_lut.h"

namespace qzr {

struct SharpenKernel {
    std::int16_t centerWeight;
    std::int16_t neighbourWeight;
    std::int16_t shift;
};

inline constexpr int kMinSharpness = -4;
inline constexpr int kMaxSharpness = 4;

// Indexed by sharpness + 4. Row 0 is never applied: the lowest step means no sharpening.
// Every other row keeps a flat area flat: centerWeight - 8 x neighbourWeight = 1 << shift.
inline constexpr std::array<SharpenKernel, 9> SharpenKernelTable = {{
    {0, 0, 0},
    {224, 12, 7},
    {256, 16, 7},
    {288, 20, 7},
    {320, 24, 7},
    {352, 28, 7},
    {384, 32, 7},
    {416, 36, 7},
    {448, 40, 7},
}};

// Bytes per row of a 24-bit bitmap: 3 x width rounded up to a multiple of 4.
inline std::size_t BitmapStride(std::int32_t width) {
    return (std::size_t(width) * 3 + 3) / 4 * 4;
}

// Colour-transforms every row with lut, then, unless sharpness is -4 or a side is 2 or less,
// sharpens all pixels but the outermost ring. A sharpness outside -4..4 counts as the nearest
// end of the slider. If the two rows of work memory cannot be had, the bitmap is left as it was.
void TransformAndSharpen(std::uint8_t* bits, std::int32_t width, std::int32_t height,
                         const PreviewLut& lut, std::int16_t sharpness);

}  // namespace qzr
