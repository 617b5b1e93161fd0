#include "preview_sharpen.h"

#include <algorithm>
#include <cstring>

#include "work_memory.h"

namespace qzr {

namespace {

// Every applied kernel has weights that are multiples of 4 and a shift of 7, so weights a
// quarter as large with a shift of 5 give the same values, and every term then fits 16 bits.
constexpr bool QuarterWeightsAreExact() {
    for (std::size_t i = 1; i < SharpenKernelTable.size(); ++i) {
        const SharpenKernel& k = SharpenKernelTable[i];
        if (k.centerWeight % 4 != 0 || k.neighbourWeight % 4 != 0 || k.shift != 7) return false;
        if (k.centerWeight / 4 * 255 > 32767 || k.neighbourWeight / 4 * 8 * 255 > 32767)
            return false;
    }
    return true;
}
static_assert(QuarterWeightsAreExact());

// out[j] is the new value of byte j + 3 of the middle row: each byte is one channel of one
// pixel, and its neighbours are the same channel of the eight surrounding pixels.
void SharpenRow(const std::uint8_t* lower, const std::uint8_t* middle, const std::uint8_t* upper,
                std::uint8_t* out, std::size_t count, const SharpenKernel& kernel) {
    const auto center = static_cast<std::int16_t>(kernel.centerWeight / 4);
    const auto neighbour = static_cast<std::int16_t>(kernel.neighbourWeight / 4);
    for (std::size_t j = 0; j < count; ++j) {
        const auto around =
            static_cast<std::int16_t>(lower[j] + lower[j + 3] + lower[j + 6] + middle[j] +
                                      middle[j + 6] + upper[j] + upper[j + 3] + upper[j + 6]);
        const auto value = static_cast<std::int16_t>(center * middle[j + 3] - neighbour * around);
        const std::int16_t shifted = static_cast<std::int16_t>(value >> 5);
        out[j] = static_cast<std::uint8_t>(std::clamp<std::int16_t>(shifted, 0, 255));
    }
}

}  // namespace

void TransformAndSharpen(std::uint8_t* bits, std::int32_t width, std::int32_t height,
                         const PreviewLut& lut, std::int16_t sharpness) {
    if (width <= 0 || height <= 0) return;
    const std::size_t stride = BitmapStride(width);
    const int step = std::clamp<int>(sharpness, kMinSharpness, kMaxSharpness);
    auto row = [&](std::int32_t y) { return bits + std::size_t(y) * stride; };
    const RowTransform transform(lut);

    if (step == kMinSharpness || width <= 2 || height <= 2) {
        for (std::int32_t y = 0; y < height; ++y) transform.Apply(row(y), width);
        return;
    }

    const auto pair = TryAllocate<std::uint8_t>(2 * stride);
    if (!pair) return;
    const SharpenKernel& kernel = SharpenKernelTable[step - kMinSharpness];
    const std::size_t inner = std::size_t(width) * 3 - 6;  // bytes of pixels 1 .. width - 2

    // Each row is transformed just before its first use, and its sharpened bytes are written
    // back one row behind, once no window needs its transformed values any more.
    transform.Apply(row(0), width);
    transform.Apply(row(1), width);
    std::uint8_t* written = nullptr;
    for (std::int32_t i = 0; i + 2 < height; ++i) {
        transform.Apply(row(i + 2), width);
        std::uint8_t* out = pair.get() + (i % 2 == 0 ? stride : 0);
        SharpenRow(row(i), row(i + 1), row(i + 2), out, inner, kernel);
        if (written != nullptr) std::memcpy(row(i) + 3, written, inner);
        written = out;
    }
    std::memcpy(row(height - 2) + 3, written, inner);
}

}  // namespace qzr
