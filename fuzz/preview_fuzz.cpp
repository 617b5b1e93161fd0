// One paint's filtering on pictures of any size up to a cap and on any settings block a record
// could hold, the out-of-range values included. Input: the 44-byte settings block, a flags byte,
// width and height (16 bits each), then the pixel bytes, repeated to fill the picture.
// The result must equal the step-by-step pipeline, and the padding of every row stays untouched.
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_target.h"
#include "preview_render.h"
#include "preview_sharpen.h"
#include "reference_preview.h"
#include "settings_fields.h"
#include "unsharp_mask.h"

namespace {

using qzr::ColorSettings;

constexpr std::size_t kSettingsBytes = sizeof(ColorSettings);
constexpr std::size_t kSizeBytes = 5;  // flags, width, height
// Small pictures, so the fuzzer tries many; every filter works the same on a larger one, except
// that a row longer than the row transform's 16-bit count is done in pieces: a strip of up to
// three rows around that width covers it.
constexpr std::int32_t kMaxPixels = 1 << 12;
constexpr std::int32_t kMaxWidth = 128;
constexpr std::int32_t kStripBaseWidth = 32736;
constexpr std::int32_t kStripWidths = 64;
constexpr std::int32_t kStripHeight = 3;
constexpr std::int32_t kReferenceMaxWidth = 32767;
// The step-by-step unsharp mask visits (2R + 1)^2 samples per channel: keep it off big pictures.
constexpr std::int64_t kReferenceBlurBudget = std::int64_t{1} << 16;

enum Flag : std::uint8_t {
    kControlRanges = 1,  // fold every field into what its control can show
    kNoArea = 2,         // a side of 0 or less
    kStrip = 4,          // a strip around the row transform's limit
};

ColorSettings FoldIntoControlRanges(ColorSettings settings) {
    for (const qzr::SettingsField& field : qzr::kSettingsFields) {
        const std::int64_t span = std::int64_t{field.controlMax} - field.controlMin + 1;
        const std::int64_t value = qzr::ReadField(settings, field) - std::int64_t{field.controlMin};
        qzr::WriteField(settings, field,
                        static_cast<std::int32_t>((value % span + span) % span + field.controlMin));
    }
    return settings;
}

// What the shipped code makes of a sharpness or radius beyond its slider: the nearest end.
ColorSettings AsTheFiltersReadIt(ColorSettings settings) {
    settings.sharpness = std::clamp<std::int16_t>(settings.sharpness, -4, 4);
    settings.unsharpRadius = std::clamp<std::int16_t>(settings.unsharpRadius, 1, 30);
    return settings;
}

std::vector<std::uint8_t> Expected(const ColorSettings& settings, std::vector<std::uint8_t> bits,
                                   std::int32_t width, std::int32_t height) {
    const ColorSettings read = AsTheFiltersReadIt(settings);
    const std::int64_t reach = 2 * (read.unsharpRadius / 10 + 1) + 1;
    if (read.unsharpEnabled != 1 ||
        std::int64_t{width} * height * reach * reach <= kReferenceBlurBudget) {
        qzr::reference::RenderPreview(read, bits.data(), width, height);
        return bits;
    }
    // Too big for the literal blur: the shipped mask, then the literal rest of the pipeline.
    ColorSettings shown = read;
    if (shown.colorMode == 1) shown.saturation = -10;
    qzr::ApplyUnsharpMask(shown, width, height, bits.data());
    qzr::reference::LutBlock lut{};
    qzr::reference::BuildPreviewLut(shown, lut);
    qzr::reference::TransformAndSharpen(bits.data(), width, height, lut, shown.sharpness);
    return bits;
}

}  // namespace

QZR_FUZZ_TARGET(preview) {
    if (size < kSettingsBytes + kSizeBytes) return;
    ColorSettings settings;
    std::memcpy(&settings, data, kSettingsBytes);
    const std::uint8_t flags = data[kSettingsBytes];
    if (flags & kControlRanges) settings = FoldIntoControlRanges(settings);
    const std::uint16_t wide = data[kSettingsBytes + 1] | data[kSettingsBytes + 2] << 8;
    const std::uint16_t high = data[kSettingsBytes + 3] | data[kSettingsBytes + 4] << 8;
    const std::uint8_t* fill = data + kSettingsBytes + kSizeBytes;
    const std::size_t fillSize = size - kSettingsBytes - kSizeBytes;

    if (flags & kNoArea) {
        // Nothing to filter: the buffer behind the pointer must stay as it was.
        std::vector<std::uint8_t> bits(64, 0x5A);
        qzr::RenderPreview(settings, bits.data(), -std::int32_t(wide % 4), 1 + high % 8);
        qzr::RenderPreview(settings, bits.data(), 1 + wide % 8, -std::int32_t(high % 4));
        QZR_FUZZ_CHECK(std::all_of(bits.begin(), bits.end(), [](auto b) { return b == 0x5A; }));
        return;
    }

    const bool strip = flags & kStrip;
    const std::int32_t width = strip ? kStripBaseWidth + wide % kStripWidths : 1 + wide % kMaxWidth;
    const std::int32_t height = 1 + high % (strip ? kStripHeight : kMaxPixels / width);
    const std::size_t stride = qzr::BitmapStride(width);
    const std::size_t rowBytes = std::size_t(width) * 3;
    std::vector<std::uint8_t> bits(stride * std::size_t(height));
    for (std::size_t y = 0, k = 0; y < std::size_t(height); ++y) {
        for (std::size_t x = 0; x < rowBytes; ++x, ++k)
            bits[y * stride + x] = fillSize ? fill[k % fillSize] : std::uint8_t(k);
        // Padding, which no filter may touch.
        for (std::size_t x = rowBytes; x < stride; ++x)
            bits[y * stride + x] = std::uint8_t(0xC3 ^ y);
    }
    const std::vector<std::uint8_t> before = bits;

    qzr::RenderPreview(settings, bits.data(), width, height);

    for (std::size_t y = 0; y < std::size_t(height); ++y)
        for (std::size_t x = rowBytes; x < stride; ++x)
            QZR_FUZZ_CHECK(bits[y * stride + x] == before[y * stride + x]);
    if (width <= kReferenceMaxWidth)
        QZR_FUZZ_CHECK(bits == Expected(settings, before, width, height));
}
