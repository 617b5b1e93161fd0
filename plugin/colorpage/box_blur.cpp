#include <cstring>

#include "blur_source.h"
#include "work_memory.h"

namespace qzr {

namespace {

// The ring's weight is 0 at whole-pixel radii, so the blur is the plain mean of the inner box of
// (2 Half + 1)^2 pixels with integer weights, and exact integer sums give what the
// double-precision sums give. Sliding column sums; the division is a multiply by a reciprocal
// that is exact for every sum below 2^20 / divisor (the largest sum is 49 x 255).
template <int Half>
bool BoxBlurOf(const BlurSource& picture, std::uint8_t* blur) {
    constexpr int kWidth = 2 * Half + 1;
    constexpr std::uint32_t kDivisor = kWidth * kWidth;
    constexpr std::uint32_t kReciprocal = (1u << 20) / kDivisor + 1;
    static_assert(255 * kDivisor * kDivisor < (1u << 20));

    const std::size_t lanes = picture.lanes;
    constexpr std::size_t kPad = 3 * Half;
    const auto padded = TryAllocateZeroed<std::uint8_t>(lanes + 2 * kPad);
    const auto rowSums = TryAllocateZeroed<std::uint16_t>(lanes);
    const auto columnSums = TryAllocateZeroed<std::uint32_t>(lanes);
    if (!padded || !rowSums || !columnSums) return false;

    auto sumRow = [&](std::int32_t y) {
        std::memcpy(padded.get() + kPad, picture.Row(y), lanes);
        const std::uint8_t* in = padded.get();
        std::uint16_t* out = rowSums.get();
        for (std::size_t k = 0; k < lanes; ++k) {
            std::uint16_t sum = 0;
            for (int t = 0; t < kWidth; ++t) sum += in[k + 3 * t];
            out[k] = sum;
        }
    };
    auto add = [&] {
        for (std::size_t k = 0; k < lanes; ++k) columnSums[k] += rowSums[k];
    };
    auto subtract = [&] {
        for (std::size_t k = 0; k < lanes; ++k) columnSums[k] -= rowSums[k];
    };

    for (std::int32_t y = 0; y < Half && y < picture.height; ++y) {
        sumRow(y);
        add();
    }
    for (std::int32_t y = 0; y < picture.height; ++y) {
        if (y + Half < picture.height) {
            sumRow(y + Half);
            add();
        }
        if (y - Half - 1 >= 0) {
            sumRow(y - Half - 1);
            subtract();
        }
        std::uint8_t* out = blur + std::size_t(y) * lanes;
        const std::uint32_t* sums = columnSums.get();
        for (std::size_t k = 0; k < lanes; ++k)
            out[k] = static_cast<std::uint8_t>((sums[k] * kReciprocal) >> 20);
    }
    return true;
}

}  // namespace

bool BoxBlur(const BlurSource& picture, int radius, std::uint8_t* blur) {
    switch (radius / 10) {
        case 1:
            return BoxBlurOf<1>(picture, blur);
        case 2:
            return BoxBlurOf<2>(picture, blur);
        default:
            return BoxBlurOf<3>(picture, blur);
    }
}

}  // namespace qzr
