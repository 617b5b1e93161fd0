// The 44-byte block of colour-correction and print options. It is stored inside every DEVMODE
// (PrivateDevmode), is the body of a ".COL" file and the page's applied copy, so its layout is a
// storage format: little-endian, naturally aligned, pinned below.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qzr {

struct ColorSettings {
    std::int16_t brightness;
    std::int16_t contrast;
    std::int16_t saturation;
    std::int16_t cyanBalance;
    std::int16_t magentaBalance;
    std::int16_t yellowBalance;
    std::int16_t sharpness;
    std::uint8_t alignment[2];  // no meaning, but copied and compared with the rest
    std::int32_t unsharpEnabled;
    std::int16_t unsharpAmount;
    std::int16_t unsharpRadius;
    std::int16_t unsharpThreshold;
    std::int16_t resize;
    std::int32_t naturalColorOff;
    std::int32_t orderId;
    std::int32_t orderIdEnabled;
    std::int16_t colorMode;
    std::int16_t printMode;
};

static_assert(sizeof(ColorSettings) == 44);
static_assert(offsetof(ColorSettings, brightness) == 0);
static_assert(offsetof(ColorSettings, contrast) == 2);
static_assert(offsetof(ColorSettings, saturation) == 4);
static_assert(offsetof(ColorSettings, cyanBalance) == 6);
static_assert(offsetof(ColorSettings, magentaBalance) == 8);
static_assert(offsetof(ColorSettings, yellowBalance) == 10);
static_assert(offsetof(ColorSettings, sharpness) == 12);
static_assert(offsetof(ColorSettings, alignment) == 14);
static_assert(offsetof(ColorSettings, unsharpEnabled) == 16);
static_assert(offsetof(ColorSettings, unsharpAmount) == 20);
static_assert(offsetof(ColorSettings, unsharpRadius) == 22);
static_assert(offsetof(ColorSettings, unsharpThreshold) == 24);
static_assert(offsetof(ColorSettings, resize) == 26);
static_assert(offsetof(ColorSettings, naturalColorOff) == 28);
static_assert(offsetof(ColorSettings, orderId) == 32);
static_assert(offsetof(ColorSettings, orderIdEnabled) == 36);
static_assert(offsetof(ColorSettings, colorMode) == 40);
static_assert(offsetof(ColorSettings, printMode) == 42);

// Low byte of a locale identifier that selects "High quality" by default (LANG_JAPANESE).
inline constexpr std::uint32_t kJapaneseLanguage = 0x11;

// The settings that a new record and the page's "Default settings" start from: every field 0
// but the unsharp-mask trio, and printMode by the user's locale.
ColorSettings DefaultColorSettings(std::uint32_t localeId);

}  // namespace qzr
