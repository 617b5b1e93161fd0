#include "unsharp_mask.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

#include "preview_sharpen.h"

namespace qzr {

namespace {

template <typename T>
std::unique_ptr<T[]> TryAllocateZeroed(std::size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]());
}

struct Picture {
    const std::uint8_t* bits;
    std::size_t stride;
    std::size_t lanes;  // bytes of pixels in a row: one lane per channel of each pixel
    std::int32_t height;
    const std::uint8_t* Row(std::int32_t y) const { return bits + std::size_t(y) * stride; }
};

// Whole-pixel radii: the ring's weight is 0, so the blur is the plain mean of the inner box of
// (2 Half + 1)^2 pixels with integer weights, and exact integer sums give what the
// double-precision sums give. Sliding column sums; the division is a multiply by a reciprocal
// that is exact for every sum below 2^20 / divisor (the largest sum is 49 x 255).
template <int Half>
bool BoxBlur(const Picture& picture, std::uint8_t* blur) {
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

bool BoxBlur(const Picture& picture, int half, std::uint8_t* blur) {
    switch (half) {
        case 1: return BoxBlur<1>(picture, blur);
        case 2: return BoxBlur<2>(picture, blur);
        default: return BoxBlur<3>(picture, blur);
    }
}

// One source row as doubles in the three weights of the window, with `reach` zero pixels on
// either side: a sample outside the bitmap adds +0.0, which leaves every sum as it was.
struct WeightedRow {
    double* plain;   // v
    double* ring;    // v x f
    double* corner;  // v x f x f
};

// Fractional radii: each pixel's sum is formed exactly as defined, over dy (outer) and dx
// (inner), each term rounded on its own, so the result is bit-identical. The loops run over
// many pixels at once for every (dy, dx), which keeps that per-pixel order.
bool WeightedBlur(const Picture& picture, int reach, double ring, double divisor,
                  std::uint8_t* blur) {
    const std::size_t lanes = picture.lanes;
    const std::size_t pad = 3 * std::size_t(reach);
    const std::size_t paddedLanes = lanes + 2 * pad;
    const int window = 2 * reach + 1;
    const auto storage = TryAllocateZeroed<double>(std::size_t(window) * 3 * paddedLanes);
    if (!storage) return false;

    // Source row y lives in slot y % window: the rows of one window never share a slot.
    auto slot = [&](std::int32_t y) {
        double* base = storage.get() + std::size_t(y % window) * 3 * paddedLanes + pad;
        return WeightedRow{base, base + paddedLanes, base + 2 * paddedLanes};
    };
    auto convert = [&](std::int32_t y) {
        const WeightedRow row = slot(y);
        const std::uint8_t* source = picture.Row(y);
        for (std::size_t k = 0; k < lanes; ++k) {
            const double v = source[k];
            row.plain[k] = v;
            row.ring[k] = v * ring;
            row.corner[k] = row.ring[k] * ring;
        }
    };

    for (std::int32_t y = 0; y < reach && y < picture.height; ++y) convert(y);
    const double* terms[49];  // (2 x 3 + 1)^2: a fractional radius reaches 3 pixels at most
    for (std::int32_t y = 0; y < picture.height; ++y) {
        if (y + reach < picture.height) convert(y + reach);
        int count = 0;
        for (int dy = -reach; dy <= reach; ++dy) {
            if (y + dy < 0 || y + dy >= picture.height) continue;  // adds nothing
            const WeightedRow row = slot(y + dy);
            const bool edgeRow = dy == -reach || dy == reach;
            for (int dx = -reach; dx <= reach; ++dx) {
                const bool edgeColumn = dx == -reach || dx == reach;
                const double* source = edgeRow ? (edgeColumn ? row.corner : row.ring)
                                               : (edgeColumn ? row.ring : row.plain);
                terms[count++] = source + 3 * dx;
            }
        }

        std::uint8_t* out = blur + std::size_t(y) * lanes;
        constexpr std::size_t kBlock = 16;
        std::size_t k = 0;
        for (; k + kBlock <= lanes; k += kBlock) {
            double sum[kBlock] = {};
            for (int t = 0; t < count; ++t) {
                const double* term = terms[t] + k;
                for (std::size_t j = 0; j < kBlock; ++j) sum[j] += term[j];
            }
            for (std::size_t j = 0; j < kBlock; ++j)
                out[k + j] = static_cast<std::uint8_t>(static_cast<int>(sum[j] / divisor));
        }
        for (; k < lanes; ++k) {
            double sum = 0.0;
            for (int t = 0; t < count; ++t) sum += terms[t][k];
            out[k] = static_cast<std::uint8_t>(static_cast<int>(sum / divisor));
        }
    }
    return true;
}

}  // namespace

void ApplyUnsharpMask(const ColorSettings& settings, std::int32_t width, std::int32_t height,
                      std::uint8_t* bits) {
    if (width <= 0 || height <= 0) return;
    const int radius = std::clamp<int>(settings.unsharpRadius, 1, 30);
    const int reach = radius / 10 + 1;
    const double ring = (radius % 10) / 10.0;
    double q = radius / 10.0;
    q = q * 2.0 + 1.0;
    const double divisor = q * q;
    const int threshold = settings.unsharpThreshold;

    const Picture picture{bits, BitmapStride(width), std::size_t(width) * 3, height};
    const auto blur = TryAllocateZeroed<std::uint8_t>(picture.lanes * std::size_t(height));
    if (!blur) return;
    const bool blurred = radius % 10 == 0
                             ? BoxBlur(picture, radius / 10, blur.get())
                             : WeightedBlur(picture, reach, ring, divisor, blur.get());
    if (!blurred) return;

    // The amount factor (n + 1) x 25 / 100 is a multiple of 1/4, held exactly in a double, so
    // d x A + p is exactly (d (n + 1) + 4 p) / 4 and its truncation an integer division.
    const int quarters = settings.unsharpAmount + 1;
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
