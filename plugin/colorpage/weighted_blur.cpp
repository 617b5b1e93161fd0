// The blur at fractional radii. The preview sums, per pixel and channel, the samples of a
// (2R + 1)^2 window weighted 1 inside, f = k / 10 on the ring and f x f at its corners, in double
// precision in a fixed order (dy outer, dx inner, each term rounded on its own), and truncates
// sum / D. The same bytes are found here in two ways:
//
// Exactly, in integers. With N = sum of v x a(dy) x a(dx), where a(d) is 10 inside the ring and
// k on it, the exact weighted sum is N / 100 and the exact blur N / M with M = (2 radius + 10)^2
// = 100 D. The rounded sum differs from the exact one by far less than 1e-10 (at most 49 roundings
// of numbers below 2^14, each within 2^-53 of their size), while a quotient N / M that is not a
// whole number lies at least 1 / M > 2e-4 from one. So the truncated blur is N / M in
// integer division whenever that leaves a remainder, or N is 0 (every term is +0.0), or f is 0.5
// (every term and partial sum is then a multiple of 1/4, held exactly).
//
// In the fixed order, for the rest: a whole quotient that the rounded sum may miss
// from below (a flat area of level 100 at radius 0.3 blurs to 99). Those lanes are summed as
// defined, one by one, or a whole row at once when many of its lanes need it.
#include <algorithm>
#include <array>
#include <cstring>

#include "blur_source.h"
#include "whole_quotient.h"
#include "work_memory.h"

namespace qzr {

namespace {

constexpr int kMaxReach = 3;  // a fractional radius is at most 2.9 pixels
constexpr int kMaxTerms = (2 * kMaxReach + 1) * (2 * kMaxReach + 1);

struct Window {
    explicit Window(int radius)
        : reach(radius / 10 + 1),
          tenths(radius % 10),
          ring(tenths / 10.0),
          exactDivisor(std::uint32_t(2 * radius + 10) * std::uint32_t(2 * radius + 10)) {
        double q = radius / 10.0;
        q = q * 2.0 + 1.0;
        divisor = q * q;
        for (int v = 0; v < 256; ++v) {
            ringTerm[v] = v * ring;
            cornerTerm[v] = ringTerm[v] * ring;
        }
    }

    int reach;
    int tenths;
    double ring;     // f, rounded as a double
    double divisor;  // D, computed in doubles step by step
    std::uint32_t exactDivisor;
    std::array<double, 256> ringTerm;    // v x f
    std::array<double, 256> cornerTerm;  // v x f x f
};

// ---- The fixed double-precision order ----

// The blur of one lane, each in-bitmap sample added in turn.
template <int Reach>
std::uint8_t OrderedLane(const BlurSource& picture, const Window& w, std::int32_t y,
                         std::size_t lane) {
    const std::int64_t x = static_cast<std::int64_t>(lane / 3);
    const std::int64_t width = static_cast<std::int64_t>(picture.lanes / 3);
    const bool inside = x >= Reach && x + Reach < width && y >= Reach && y + Reach < picture.height;
    const std::uint8_t* center = picture.Row(y) + lane;
    double sum = 0.0;
    for (int dy = -Reach; dy <= Reach; ++dy) {
        if (!inside && (y + dy < 0 || y + dy >= picture.height)) continue;
        const std::uint8_t* row = center + dy * static_cast<std::ptrdiff_t>(picture.stride);
        const bool edgeRow = dy == -Reach || dy == Reach;
        for (int dx = -Reach; dx <= Reach; ++dx) {
            if (!inside && (x + dx < 0 || x + dx >= width)) continue;
            const std::uint8_t v = row[3 * dx];
            const bool edgeColumn = dx == -Reach || dx == Reach;
            sum += edgeRow ? (edgeColumn ? w.cornerTerm[v] : w.ringTerm[v])
                           : (edgeColumn ? w.ringTerm[v] : double(v));
        }
    }
    return static_cast<std::uint8_t>(static_cast<int>(sum / w.divisor));
}

// Whole rows in the fixed order, many lanes at once: for every (dy, dx) in turn, a term
// is added to the sums of all lanes. Source rows are kept as doubles in their three weights,
// with `reach` zero pixels on either side (a sample outside the bitmap adds +0.0, which changes
// no sum); row y lives in slot y % (2 reach + 1), so the rows of one window never share a slot.
class OrderedRows {
  public:
    OrderedRows(const BlurSource& picture, const Window& w)
        : picture_(picture),
          w_(w),
          pad_(3 * std::size_t(w.reach)),
          paddedLanes_(picture.lanes + 2 * pad_),
          slots_(2 * w.reach + 1) {}

    bool Blur(std::int32_t y, std::uint8_t* out) {
        if (!storage_ && !Allocate()) return false;
        const double* terms[kMaxTerms];
        int count = 0;
        for (int dy = -w_.reach; dy <= w_.reach; ++dy) {
            if (y + dy < 0 || y + dy >= picture_.height) continue;
            const double* plain = Slot(y + dy);
            const double* ring = plain + paddedLanes_;
            const double* corner = ring + paddedLanes_;
            const bool edgeRow = dy == -w_.reach || dy == w_.reach;
            for (int dx = -w_.reach; dx <= w_.reach; ++dx) {
                const bool edgeColumn = dx == -w_.reach || dx == w_.reach;
                const double* source =
                    edgeRow ? (edgeColumn ? corner : ring) : (edgeColumn ? ring : plain);
                terms[count++] = source + 3 * dx;
            }
        }
        SumTerms(terms, count, out);
        return true;
    }

  private:
    bool Allocate() {
        storage_ = TryAllocateZeroed<double>(std::size_t(slots_) * 3 * paddedLanes_);
        slotRows_.fill(-1);
        return storage_ != nullptr;
    }

    // Row y's plain doubles (ring and corner follow at paddedLanes_ apart), made on first use.
    const double* Slot(std::int32_t y) {
        const int slot = y % slots_;
        double* plain = storage_.get() + std::size_t(slot) * 3 * paddedLanes_ + pad_;
        if (slotRows_[slot] != y) {
            double* ring = plain + paddedLanes_;
            double* corner = ring + paddedLanes_;
            const std::uint8_t* source = picture_.Row(y);
            for (std::size_t k = 0; k < picture_.lanes; ++k) {
                const double v = source[k];
                plain[k] = v;
                ring[k] = v * w_.ring;
                corner[k] = ring[k] * w_.ring;
            }
            slotRows_[slot] = y;
        }
        return plain;
    }

    // For each lane k, terms[t][k] summed in the order of t, then divided. Blocks of lanes keep
    // their sums in registers while the terms stream past.
    void SumTerms(const double* const* terms, int count, std::uint8_t* out) const {
        constexpr std::size_t kBlock = 16;
        const std::size_t lanes = picture_.lanes;
        std::size_t k = 0;
        for (; k + kBlock <= lanes; k += kBlock) {
            double sum[kBlock] = {};
            for (int t = 0; t < count; ++t) {
                const double* term = terms[t] + k;
                for (std::size_t j = 0; j < kBlock; ++j) sum[j] += term[j];
            }
            for (std::size_t j = 0; j < kBlock; ++j)
                out[k + j] = static_cast<std::uint8_t>(static_cast<int>(sum[j] / w_.divisor));
        }
        for (; k < lanes; ++k) {
            double sum = 0.0;
            for (int t = 0; t < count; ++t) sum += terms[t][k];
            out[k] = static_cast<std::uint8_t>(static_cast<int>(sum / w_.divisor));
        }
    }

    const BlurSource& picture_;
    const Window& w_;
    std::size_t pad_;
    std::size_t paddedLanes_;
    int slots_;
    std::unique_ptr<double[]> storage_;
    std::array<std::int32_t, 2 * kMaxReach + 1> slotRows_{};
};

// ---- Exact integer sums ----

// Row sums weighted k, 10, ..., 10, k across the window (at most 68 x 255, so 16 bits hold them),
// read from a row with `Reach` zero pixels on either side.
template <int Reach>
void WeightedRowSums(const std::uint8_t* padded, std::size_t lanes, std::uint16_t edgeWeight,
                     std::uint16_t* out) {
    for (std::size_t k = 0; k < lanes; ++k) {
        std::uint16_t inner = 0;
        for (int t = 1; t < 2 * Reach; ++t) inner += padded[k + 3 * t];
        out[k] = static_cast<std::uint16_t>(10 * inner +
                                            edgeWeight * (padded[k] + padded[k + 6 * Reach]));
    }
}

template <int Reach>
bool WeightedBlurOf(const BlurSource& picture, const Window& w, std::uint8_t* blur) {
    constexpr int kSlots = 2 * Reach + 1;
    const std::size_t lanes = picture.lanes;
    const std::size_t pad = 3 * Reach;
    const auto padded = TryAllocateZeroed<std::uint8_t>(lanes + 2 * pad);
    // One more row, left zero, stands for the rows beyond the picture's top and bottom.
    const auto rowSums = TryAllocateZeroed<std::uint16_t>((kSlots + 1) * lanes);
    const auto innerSums = TryAllocateZeroed<std::int32_t>(lanes);
    const auto whole = TryAllocate<std::uint8_t>(lanes);  // 1: the quotient is a whole number
    if (!padded || !rowSums || !innerSums || !whole) return false;

    const auto edgeWeight = static_cast<std::uint16_t>(w.tenths);
    const bool exactSums = w.tenths == 5;
    const WholeQuotient quotient(w.exactDivisor);

    auto rowOf = [&](std::int32_t y) -> const std::uint16_t* {
        const bool inside = y >= 0 && y < picture.height;
        return rowSums.get() + std::size_t(inside ? y % kSlots : kSlots) * lanes;
    };
    auto makeRow = [&](std::int32_t y) {
        std::memcpy(padded.get() + pad, picture.Row(y), lanes);
        WeightedRowSums<Reach>(padded.get(), lanes, edgeWeight,
                               rowSums.get() + std::size_t(y % kSlots) * lanes);
    };
    auto addRow = [&](const std::uint16_t* row, int sign) {
        for (std::size_t k = 0; k < lanes; ++k) innerSums[k] += sign * row[k];
    };

    OrderedRows ordered(picture, w);
    // Row sums of rows 0 .. reach - 1, and the inner sum of the rows that the first window
    // keeps inside its ring, but its last one.
    for (std::int32_t y = 0; y < Reach && y < picture.height; ++y) makeRow(y);
    for (std::int32_t y = 0; y < Reach - 1 && y < picture.height; ++y) addRow(rowOf(y), 1);

    for (std::int32_t y = 0; y < picture.height; ++y) {
        if (y + Reach < picture.height) makeRow(y + Reach);
        addRow(rowOf(y + Reach - 1), 1);
        addRow(rowOf(y - Reach), -1);
        const std::uint16_t* below = rowOf(y - Reach);
        const std::uint16_t* above = rowOf(y + Reach);
        std::uint8_t* out = blur + std::size_t(y) * lanes;
        std::size_t wholeCount = 0;
        for (std::size_t k = 0; k < lanes; ++k) {
            const int edges = below[k] + above[k];
            // Whole numbers below 2^24, so these floats are exact.
            const float n = 10.0f * float(innerSums[k]) + float(edgeWeight) * float(edges);
            const float shifted = quotient.Shifted(n);
            const int q = WholeQuotient::Quotient(shifted);
            out[k] = static_cast<std::uint8_t>(q);
            whole[k] = (n != 0.0f) & quotient.IsWhole(shifted, q);
            wholeCount += whole[k];
        }
        if (exactSums || wholeCount == 0) continue;
        if (wholeCount * 8 > lanes) {
            if (!ordered.Blur(y, out)) return false;
            continue;
        }
        for (std::size_t k = 0; k < lanes; k += 8) {
            std::uint64_t eight = 0;  // lanes k .. k + 7 at once: most hold no whole quotient
            std::memcpy(&eight, whole.get() + k, std::min<std::size_t>(8, lanes - k));
            for (std::size_t j = k; eight != 0; ++j, eight >>= 8)
                if (eight & 0xFF) out[j] = OrderedLane<Reach>(picture, w, y, j);
        }
    }
    return true;
}

}  // namespace

bool WeightedBlur(const BlurSource& picture, int radius, std::uint8_t* blur) {
    const Window window(radius);
    switch (window.reach) {
        case 1:
            return WeightedBlurOf<1>(picture, window, blur);
        case 2:
            return WeightedBlurOf<2>(picture, window, blur);
        default:
            return WeightedBlurOf<3>(picture, window, blur);
    }
}

}  // namespace qzr
