// The picture that the unsharp mask's blurs read: a 24-bit bitmap seen as rows of lanes, one
// lane per channel of each pixel. The blur image they write has rows of exactly `lanes` bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qzr {

struct BlurSource {
    const std::uint8_t* bits;
    std::size_t stride;
    std::size_t lanes;  // 3 x width
    std::int32_t height;

    const std::uint8_t* Row(std::int32_t y) const { return bits + std::size_t(y) * stride; }
};

// Whole-pixel radii (10, 20, 30). False when work memory cannot be had.
bool BoxBlur(const BlurSource& picture, int radius, std::uint8_t* blur);

// Fractional radii (1..29, not a multiple of 10). False when work memory cannot be had.
bool WeightedBlur(const BlurSource& picture, int radius, std::uint8_t* blur);

}  // namespace qzr
