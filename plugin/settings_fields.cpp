#include "settings_fields.h"

#include <cstring>

namespace qzr {

std::int32_t ReadField(const ColorSettings& settings, const SettingsField& field) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&settings) + field.offset;
    if (field.width == 2) {
        std::int16_t value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    std::int32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void WriteField(ColorSettings& settings, const SettingsField& field, std::int32_t value) {
    auto* bytes = reinterpret_cast<unsigned char*>(&settings) + field.offset;
    if (field.width == 2) {
        const auto narrow = static_cast<std::int16_t>(value);
        std::memcpy(bytes, &narrow, sizeof narrow);
    } else {
        std::memcpy(bytes, &value, sizeof value);
    }
}

const SettingsField* FindSettingsField(std::string_view name) {
    for (const SettingsField& field : kSettingsFields)
        if (field.name == name) return &field;
    return nullptr;
}

}  // namespace qzr
