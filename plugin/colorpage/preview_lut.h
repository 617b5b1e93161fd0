// The preview's colour transform: per-channel tone tables (brightness, contrast, balance) and a
// saturation table, built once per paint and applied to 24-bit rows (blue, green, red) in place.
#pragma once

#include <array>
#include <cstdint>

#include "color_settings.h"

namespace qzr {

inline constexpr int kMaxSaturationDifference = 255;

struct PreviewLut {
    std::array<std::uint8_t, 256> blueTable;
    std::array<std::uint8_t, 256> greenTable;
    std::array<std::uint8_t, 256> redTable;
    // Entry for difference d (-255..255) at index d + 255; odd-symmetric, entry(0) = 0.
    std::array<std::int16_t, 2 * kMaxSaturationDifference + 1> saturationTable;

    std::int16_t SaturationEntry(int difference) const {
        return saturationTable[difference + kMaxSaturationDifference];
    }
};

// Reads brightness, contrast, saturation and the three balances, each in -10..10 as the page's
// sliders give them.
void BuildPreviewLut(const ColorSettings& settings, PreviewLut& lut);

// Rewrites the 3 x count bytes at row; a count of 0 or less changes nothing.
void TransformPreviewRow(std::uint8_t* row, std::int16_t count, const PreviewLut& lut);

// TransformPreviewRow's result, faster and for rows of any length (wider rows than its 16-bit
// count are done in pieces): when every saturation entry lies in -256..256, the clamp after the
// saturation step is folded into tone tables indexed by level + entry, one lookup per channel.
class RowTransform {
  public:
    explicit RowTransform(const PreviewLut& lut);
    void Apply(std::uint8_t* row, std::int64_t count) const;

  private:
    static constexpr int kFoldedOffset = 256;
    using FoldedTable = std::array<std::uint8_t, 256 + 2 * kFoldedOffset>;

    const PreviewLut& lut_;
    bool folded_ = true;
    FoldedTable blue_{}, green_{}, red_{};
};

}  // namespace qzr
