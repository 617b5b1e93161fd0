#include "preview_lut.h"

#include <algorithm>

namespace qzr {

namespace {

std::uint8_t Clamp(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

void BuildPreviewLut(const ColorSettings& settings, PreviewLut& lut) {
    const int brightness = 5 * settings.brightness;
    const int cyan = settings.cyanBalance;
    const int magenta = settings.magentaBalance;
    const int yellow = settings.yellowBalance;
    // Raising one balance lifts its channel and lowers the other two by half as much.
    const int blueOffset = brightness + (6 * yellow - 3 * cyan - 3 * magenta) / 2;
    const int greenOffset = brightness + (6 * magenta - 3 * cyan - 3 * yellow) / 2;
    const int redOffset = brightness + (6 * cyan - 3 * magenta - 3 * yellow) / 2;

    // The divisor is never 0 (128 is no multiple of 5); contrast pivots on level 128.
    const int contrast = settings.contrast;
    const int divisor = 128 - 5 * contrast;
    for (int i = 0; i < 256; ++i) {
        const int v = (128 * i - 640 * contrast) / divisor;
        lut.blueTable[i] = Clamp(v + blueOffset);
        lut.greenTable[i] = Clamp(v + greenOffset);
        lut.redTable[i] = Clamp(v + redOffset);
    }

    const int saturation = settings.saturation;
    for (int i = 0; i <= kMaxSaturationDifference; ++i) {
        const auto entry = static_cast<std::int16_t>(2 * saturation * i / 30);
        lut.saturationTable[kMaxSaturationDifference + i] = entry;
        lut.saturationTable[kMaxSaturationDifference - i] = static_cast<std::int16_t>(-entry);
    }
}

void TransformPreviewRow(std::uint8_t* row, std::int16_t count, const PreviewLut& lut) {
    const std::int16_t* entry = lut.saturationTable.data() + kMaxSaturationDifference;
    for (int x = 0; x < count; ++x, row += 3) {
        const int b = row[0], g = row[1], r = row[2];
        // Each channel moves away from the mean of the other two (rounded down), then goes
        // through its tone table.
        const int b1 = std::clamp(b + entry[b - (g + r) / 2], 0, 255);
        const int g1 = std::clamp(g + entry[g - (b + r) / 2], 0, 255);
        const int r1 = std::clamp(r + entry[r - (b + g) / 2], 0, 255);
        row[0] = lut.blueTable[b1];
        row[1] = lut.greenTable[g1];
        row[2] = lut.redTable[r1];
    }
}

RowTransform::RowTransform(const PreviewLut& lut) : lut_(lut) {
    for (const std::int16_t entry : lut.saturationTable)
        if (entry < -kFoldedOffset || entry > kFoldedOffset) folded_ = false;
    for (int i = 0; i < int(blue_.size()); ++i) {
        const int level = std::clamp(i - kFoldedOffset, 0, 255);
        blue_[i] = lut.blueTable[level];
        green_[i] = lut.greenTable[level];
        red_[i] = lut.redTable[level];
    }
}

void RowTransform::Apply(std::uint8_t* row, std::int64_t count) const {
    if (!folded_) {
        constexpr std::int64_t kMaxCount = 32767;
        for (; count > 0; count -= kMaxCount, row += 3 * kMaxCount)
            TransformPreviewRow(row, static_cast<std::int16_t>(std::min(count, kMaxCount)), lut_);
        return;
    }
    const std::int16_t* entry = lut_.saturationTable.data() + kMaxSaturationDifference;
    const std::uint8_t* blue = blue_.data() + kFoldedOffset;
    const std::uint8_t* green = green_.data() + kFoldedOffset;
    const std::uint8_t* red = red_.data() + kFoldedOffset;
    for (std::int64_t x = 0; x < count; ++x, row += 3) {
        const int b = row[0], g = row[1], r = row[2];
        // All lookups before the first store: a store through a byte pointer could otherwise
        // alias the tables and hold the next loads back.
        const std::uint8_t b2 = blue[b + entry[b - (g + r) / 2]];
        const std::uint8_t g2 = green[g + entry[g - (b + r) / 2]];
        const std::uint8_t r2 = red[r + entry[r - (b + g) / 2]];
        row[0] = b2;
        row[1] = g2;
        row[2] = r2;
    }
}

}  // namespace qzr
