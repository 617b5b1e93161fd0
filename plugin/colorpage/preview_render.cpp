#include "preview_render.h"

#include "preview_lut.h"
#include "preview_sharpen.h"
#include "unsharp_mask.h"

namespace qzr {

namespace {
constexpr std::int16_t kMonochrome = 1;
constexpr std::int16_t kMonochromeSaturation = -10;
}  // namespace

void RenderPreview(const ColorSettings& settings, std::uint8_t* bits, std::int32_t width,
                   std::int32_t height) {
    ColorSettings shown = settings;
    if (shown.colorMode == kMonochrome) shown.saturation = kMonochromeSaturation;
    PreviewLut lut;
    BuildPreviewLut(shown, lut);
    if (shown.unsharpEnabled == 1) ApplyUnsharpMask(shown, width, height, bits);
    TransformAndSharpen(bits, width, height, lut, shown.sharpness);
}

}  // namespace qzr
