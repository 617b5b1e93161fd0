// The preview's unsharp mask: a weighted box blur of radius unsharpRadius / 10 pixels, then every
// channel whose difference from its blur lies beyond unsharpThreshold is pushed away from it by
// the amount factor. Bit-identical to the double-precision sums in their fixed order.
#pragma once

#include <cstdint>

#include "color_settings.h"

namespace qzr {

// Reads unsharpAmount, unsharpRadius (a radius outside 1..30 counts as the nearest end of the
// slider) and unsharpThreshold. bits: a 24-bit bottom-up bitmap with rows padded to 4 bytes.
// A side of 0 or less, or work memory that cannot be had, leaves the bitmap as it was.
void ApplyUnsharpMask(const ColorSettings& settings, std::int32_t width, std::int32_t height,
                      std::uint8_t* bits);

}  // namespace qzr
