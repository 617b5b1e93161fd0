// One table that names every field of ColorSettings with its width, the range that validation
// keeps, the value that replaces an out-of-range one, and the range its control can show.
// Validation, the command-line tools and the record printouts all read it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "color_settings.h"

namespace qzr {

struct SettingsField {
    std::string_view name;
    std::size_t offset;
    std::size_t width;  // 2 or 4 bytes, signed
    bool validated;     // false: stored as given, any value is legal in a record
    std::int32_t keptMin, keptMax, replacement;
    std::int32_t controlMin, controlMax;  // what the page's control can hold
};

#define QZR_FIELD(name, validated, kmin, kmax, repl, cmin, cmax)                               \
    SettingsField {                                                                            \
        #name, offsetof(ColorSettings, name), sizeof(ColorSettings::name), validated, kmin,   \
            kmax, repl, cmin, cmax                                                             \
    }

inline constexpr std::array<SettingsField, 17> kSettingsFields = {
    QZR_FIELD(brightness, true, -10, 10, 0, -10, 10),
    QZR_FIELD(contrast, true, -10, 10, 0, -10, 10),
    QZR_FIELD(saturation, true, -10, 10, 0, -10, 10),
    QZR_FIELD(cyanBalance, true, -10, 10, 0, -10, 10),
    QZR_FIELD(magentaBalance, true, -10, 10, 0, -10, 10),
    QZR_FIELD(yellowBalance, true, -10, 10, 0, -10, 10),
    QZR_FIELD(sharpness, true, -4, 4, 0, -4, 4),
    QZR_FIELD(unsharpEnabled, false, 0, 0, 0, 0, 1),
    QZR_FIELD(unsharpAmount, true, 0, 12, 5, 0, 12),
    QZR_FIELD(unsharpRadius, true, 1, 30, 10, 1, 30),
    QZR_FIELD(unsharpThreshold, true, 0, 20, 5, 0, 20),
    QZR_FIELD(resize, true, -10, 10, 0, -10, 10),
    QZR_FIELD(naturalColorOff, false, 0, 0, 0, 0, 1),
    QZR_FIELD(orderId, true, 0, 1000, 0, 0, 1000),
    QZR_FIELD(orderIdEnabled, false, 0, 0, 0, 0, 1),
    QZR_FIELD(colorMode, false, 0, 0, 0, 0, 1),
    QZR_FIELD(printMode, false, 0, 0, 0, 0, 1),
};

#undef QZR_FIELD

std::int32_t ReadField(const ColorSettings& settings, const SettingsField& field);
void WriteField(ColorSettings& settings, const SettingsField& field, std::int32_t value);
const SettingsField* FindSettingsField(std::string_view name);

}  // namespace qzr
