// The plug-in's private part of every DEVMODE. The spooler saves it and applications hand it to
// each other, so the layout is a storage format: 576 bytes, little-endian, no pointers, the same
// in 32-bit and 64-bit processes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "color_settings.h"

namespace qzr {

inline constexpr std::uint32_t kPrivateDevmodeSize = 576;
inline constexpr std::uint32_t kPrivateDevmodeVersion = 1;
// "ZKTB" with Z at the lowest address, read as a little-endian 32-bit value.
inline constexpr std::uint32_t kPrivateDevmodeSignature =
    std::uint32_t{'Z'} | std::uint32_t{'K'} << 8 | std::uint32_t{'T'} << 16 |
    std::uint32_t{'B'} << 24;
inline constexpr std::size_t kPathUnits = 260;

struct PrivateDevmode {
    std::uint32_t size;
    std::uint32_t signature;
    std::uint32_t version;
    ColorSettings settings;
    char16_t previewImagePath[kPathUnits];  // empty: the built-in sample picture
};

static_assert(sizeof(PrivateDevmode) == kPrivateDevmodeSize);
static_assert(offsetof(PrivateDevmode, size) == 0);
static_assert(offsetof(PrivateDevmode, signature) == 4);
static_assert(offsetof(PrivateDevmode, version) == 8);
static_assert(offsetof(PrivateDevmode, settings) == 12);
static_assert(offsetof(PrivateDevmode, previewImagePath) == 56);

// Writes what OEMDM_DEFAULT writes: the header, the unsharp-mask and mode defaults, and printMode
// by locale. Brightness through sharpness, the alignment bytes, resize and the path keep what the
// buffer held.
void WritePrivateDevmodeDefaults(PrivateDevmode& record, std::uint32_t localeId);

// The public DEVMODE fields that OEMDM_DEFAULT changes, passed by value so the rule runs without
// Windows: landscape always; a custom paper size becomes A4 unless the device name starts with a
// backslash (a network name).
struct PublicDevmodeDefaults {
    std::int16_t orientation;
    std::int16_t paperSize;
};
PublicDevmodeDefaults ApplyPublicDevmodeDefaults(std::int16_t paperSize,
                                                 char16_t firstDeviceNameUnit);

// Copies a record of the same signature (at most the smaller size, and never more than the 576
// bytes a driver's buffer holds); a record of another signature gives zero settings and keeps the
// target's path. False only for a null pointer, in which case nothing is written.
bool ConvertPrivateDevmode(const PrivateDevmode* source, PrivateDevmode* target);

// Repairs the header and every validated field that lies outside its kept range.
// False only for a null pointer.
bool ValidatePrivateDevmode(PrivateDevmode* record);

}  // namespace qzr
