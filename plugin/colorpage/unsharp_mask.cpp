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
// (2 half + 1)^2 pixels with integer weights, and exact integer sums give what the
// double-precision sums give. Sliding column sums; the division is a multiply by an exact
// reciprocal (exact for every sum below 2^32 / divisor).
bool BoxBlur(const Picture& picture, int half, std::uint8_t* blur) {
    const std::size_t lanes = picture.lanes;
    const std::size_t pad = 3 * std::size_t(half);
    const auto padded = TryAllocateZeroed<std::uint8_t>(lanes + 2 * pad);
    const auto rowSums = TryAllocateZeroed<std::uint16_t>(lanes);
    const auto columnSums = TryAllocateZeroed<std::uint32_t>(lanes);
    if (!padded || !rowSums || !columnSums) return false;

    const int width = 2 * half + 1;
    const std::uint64_t divisor = std::uint64_t(width) * width;
    const std::uint64_t reciprocal = (std::uint64_t{1} << 32) / divisor + 1;

    auto sumRow = [&](std::int32_t y) {
        std::memcpy(padded.get() + pad, picture.Row(y), lanes);
        for (std::size_t k = 0; k < lanes; ++k) {
            unsigned sum = 0;
            for (int t = 0; t < width; ++t) sum += padded[k + 3 * std::size_t(t)];
            rowSums[k] = static_cast<std::uint16_t>(sum);
        }
    };

    for (std::int32_t y = 0; y < half && y < picture.height; ++y) {
        sumRow(y);
        for (std::size_t k = 0; k < lanes; ++k) columnSums[k] += rowSums[k];
    }
    for (std::int32_t y = 0; y < picture.height; ++y) {
        if (y + half < picture.height) {
            sumRow(y + half);
            for (std::size_t k = 0; k < lanes; ++k) columnSums[k] += rowSums[k];
        }
        if (y - half - 1 >= 0) {
            sumRow(y - half - 1);
            for (std::size_t k = 0; k < lanes; ++k) columnSums[k] -= rowSums[k];
        }
        std::uint8_t* out = blur + std::size_t(y) * lanes;
        for (std::size_t k = 0; k < lanes; ++k)
            out[k] = static_cast<std::uint8_t>((columnSums[k] * reciprocal) >> 32);
    }
    return true;
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
    const double* terms[81];  // (2 x 4 + 1)^2: the largest window, radius 3.9
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
    const double amount = ((settings.unsharpAmount + 1) * 25) / 100.0;
    const int threshold = settings.unsharpThreshold;

    const Picture picture{bits, BitmapStride(width), std::size_t(width) * 3, height};
    const auto blur = TryAllocateZeroed<std::uint8_t>(picture.lanes * std::size_t(height));
    if (!blur) return;
    const bool blurred = radius % 10 == 0
                             ? BoxBlur(picture, reach - 1, blur.get())
                             : WeightedBlur(picture, reach, ring, divisor, blur.get());
    if (!blurred) return;

    for (std::int32_t y = 0; y < height; ++y) {
        std::uint8_t* row = bits + std::size_t(y) * picture.stride;
        const std::uint8_t* blurRow = blur.get() + std::size_t(y) * picture.lanes;
        for (std::size_t k = 0; k < picture.lanes; ++k) {
            const int p = row[k];
            const int d = p - blurRow[k];
            if (d < -threshold || d > threshold) {
                const double lifted = d * amount + p;
                row[k] = static_cast<std::uint8_t>(std::clamp(static_cast<int>(lifted), 0, 255));
            }
        }
    }
}

}  // namespace qzr
