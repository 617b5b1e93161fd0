#include "unsharp_mask.h"

#include <algorithm>

#include "blur_source.h"
#include "preview_sharpen.h"
#include "work_memory.h"

namespace qzr {

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
    const int threshold = settings.unsharpThreshold;
    for (std::int32_t y = 0; y < height; ++y) {
        std::uint8_t* row = bits + std::size_t(y) * picture.stride;
        const std::uint8_t* blurRow = blur.get() + std::size_t(y) * picture.lanes;
        for (std::size_t k = 0; k < picture.lanes; ++k) {
            const int p = row[k];
            const int d = p - blurRow[k];
            const int lifted = std::clamp((d * quarters + 4 * p) / 4, 0, 255);
            row[k] = static_cast<std::uint8_t>(d < -threshold || d > threshold ? lifted : p);
        }
    }
}

}  // namespace qzr
