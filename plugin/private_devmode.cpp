#include "private_devmode.h"

#include <algorithm>
#include <cstring>

#include "settings_fields.h"

namespace qzr {

namespace {

constexpr std::int16_t kOrientationLandscape = 2;  // DMORIENT_LANDSCAPE
constexpr std::int16_t kPaperUser = 256;           // DMPAPER_USER: first custom size
constexpr std::int16_t kPaperA4 = 9;               // DMPAPER_A4

void WriteHeader(PrivateDevmode& record) {
    record.size = kPrivateDevmodeSize;
    record.signature = kPrivateDevmodeSignature;
    record.version = kPrivateDevmodeVersion;
}

}  // namespace

ColorSettings DefaultColorSettings(std::uint32_t localeId) {
    ColorSettings settings{};
    settings.unsharpAmount = 5;
    settings.unsharpRadius = 10;
    settings.unsharpThreshold = 5;
    settings.printMode = (localeId & 0xFF) == kJapaneseLanguage ? 1 : 0;
    return settings;
}

void WritePrivateDevmodeDefaults(PrivateDevmode& record, std::uint32_t localeId) {
    const ColorSettings defaults = DefaultColorSettings(localeId);
    WriteHeader(record);
    ColorSettings& s = record.settings;
    s.naturalColorOff = defaults.naturalColorOff;
    s.unsharpEnabled = defaults.unsharpEnabled;
    s.unsharpAmount = defaults.unsharpAmount;
    s.unsharpThreshold = defaults.unsharpThreshold;
    s.unsharpRadius = defaults.unsharpRadius;
    s.orderId = defaults.orderId;
    s.orderIdEnabled = defaults.orderIdEnabled;
    s.colorMode = defaults.colorMode;
    s.printMode = defaults.printMode;
}

PublicDevmodeDefaults ApplyPublicDevmodeDefaults(std::int16_t paperSize,
                                                 char16_t firstDeviceNameUnit) {
    PublicDevmodeDefaults result{kOrientationLandscape, paperSize};
    if (paperSize >= kPaperUser && firstDeviceNameUnit != u'\\') result.paperSize = kPaperA4;
    return result;
}

bool ConvertPrivateDevmode(const PrivateDevmode* source, PrivateDevmode* target) {
    if (source == nullptr || target == nullptr) return false;
    if (source->signature == target->signature) {
        // The size fields come from outside; a record that claims more than a driver's buffer
        // holds must not make us read or write past it.
        const std::size_t length = std::min({source->size, target->size, kPrivateDevmodeSize});
        std::memmove(target, source, length);
        target->size = kPrivateDevmodeSize;
        target->version = kPrivateDevmodeVersion;
    } else {
        WriteHeader(*target);
        target->settings = ColorSettings{};
    }
    return true;
}

bool ValidatePrivateDevmode(PrivateDevmode* record) {
    if (record == nullptr) return false;
    WriteHeader(*record);
    for (const SettingsField& field : kSettingsFields) {
        if (!field.validated) continue;
        const std::int32_t value = ReadField(record->settings, field);
        if (value < field.keptMin || value > field.keptMax)
            WriteField(record->settings, field, field.replacement);
    }
    return true;
}

}  // namespace qzr
