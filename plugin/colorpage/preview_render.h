// What one paint of the preview does to a loaded picture, before it is stretched into place.
#pragma once

#include <cstdint>

#include "color_settings.h"

namespace qzr {

// settings: as the page's controls give them. Monochrome shows the picture with saturation -10
// (the settings themselves keep their value); the unsharp mask runs only when unsharpEnabled is
// exactly 1, on the raw pixels; then every row is colour-transformed and sharpened.
// bits: a 24-bit bottom-up bitmap with rows padded to 4 bytes, changed in place.
void RenderPreview(const ColorSettings& settings, std::uint8_t* bits, std::int32_t width,
                   std::int32_t height);

}  // namespace qzr
