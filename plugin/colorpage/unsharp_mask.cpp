#include "unsharp_mask.h"

#include <algorithm>

#include "blur_source.h"
#include "preview_sharpen.h"
#include "work_memory.h"

namespace qzr {

namespace {

// Every channel that differs from its blur by more than the threshold moves away from it.
// Int: a type that holds d x quarters + 4 p (16 bits for the slider's amounts, which lets the
// vectoriser take eight lanes at a time).
template <typename Int>
void LiftRows(const BlurSource& picture, const std::uint8_t* blur, std::uint8_t* bits, int quarters,
              int threshold) {
    const auto q = static_cast<Int>(quarters);
    const auto low = static_cast<Int>(std::clamp(-threshold, -256, 256));
    const auto high = static_cast<Int>(std::clamp(threshold, -256, 256));
    for (std::int32_t y = 0; y < picture.height; ++y) {
        std::uint8_t* row = bits + std::size_t(y) * picture.stride;
        const std::uint8_t* blurRow = blur + std::size_t(y) * picture.lanes;
        for (std::size_t k = 0; k < picture.lanes; ++k) {
            const auto p = static_cast<Int>(row[k]);
            const auto d = static_cast<Int>(p - blurRow[k]);
            const auto lifted = static_cast<Int>((d * q + 4 * p) / 4);
            const Int clamped = std::clamp<Int>(lifted, 0, 255);
            row[k] = static_cast<std::uint8_t>(d < low || d > high ? clamped : p);
        }
    }
}

}  // namespace

void ApplyUnsharpMask(const ColorSettings& settings, std::int32_t width, std::int32_t height,
                      std::uint8_t* bits) {
    if (width <= 0 || height <= 0) return;
    const int radius = std::clamp<int>(settings.unsharpRadius, 1, 30);
    const BlurSource picture{bits, BitmapStride(width), std::size_t(width) * 3, height};
    const auto blur = TryAllocate<std::uint8_t>(picture.lanes * std::size_t(height));
    if (!blur) return;
    const bool blurred = radius % 10 == 0 ? BoxBlur(picture, radius, blur.get())
                                          : WeightedBlur(picture, radius, blur.get());
    if (!blurred) return;

    // The amount factor (n + 1) x 25 / 100 is a multiple of 1/4, held exactly in a double, so
    // d x A + p is exactly (d (n + 1) + 4 p) / 4 and its truncation an integer division.
    const int quarters = settings.unsharpAmount + 1;
    if (quarters >= -100 && quarters <= 100) {
        LiftRows<std::int16_t>(picture, blur.get(), bits, quarters, settings.unsharpThreshold);
    } else {
        LiftRows<int>(picture, blur.get(), bits, quarters, settings.unsharpThreshold);
    }
}

}  // namespace qzr
