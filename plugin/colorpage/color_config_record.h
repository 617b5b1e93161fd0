// The record of a ".COL" color configuration file: the page's settings block behind a 4-byte
// header, 48 bytes, little-endian, nothing before or after it. Users keep and exchange these
// files, so the layout is a storage format.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

#include "color_settings.h"

namespace qzr::colorpage {

inline constexpr std::uint16_t kColorConfigSize = 48;
inline constexpr std::uint16_t kColorConfigTag = 100;

struct ColorConfigRecord {
    std::uint16_t recordSize;
    std::uint16_t recordTag;
    ColorSettings settings;
};

static_assert(std::endian::native == std::endian::little, "records are stored as in memory");
static_assert(sizeof(ColorConfigRecord) == kColorConfigSize);
static_assert(offsetof(ColorConfigRecord, recordSize) == 0);
static_assert(offsetof(ColorConfigRecord, recordTag) == 2);
static_assert(offsetof(ColorConfigRecord, settings) == 4);

using ColorConfigBytes = std::array<std::uint8_t, kColorConfigSize>;

// A record that starts zeroed, so nothing unset (the alignment bytes among them) is written as
// leftover memory.
ColorConfigRecord MakeColorConfigRecord(const ColorSettings& settings);

ColorConfigBytes ColorConfigRecordBytes(const ColorConfigRecord& record);

enum class ColorConfigError { None, TooShort, WrongHeader };

struct ColorConfigReading {
    ColorConfigError error;
    ColorConfigRecord record;  // all zero unless error is None
};

// Reads the first 48 bytes of a file. Shorter files and headers other than 48, 100 are refused;
// the field values are taken as they are (the controls clamp them).
ColorConfigReading ReadColorConfigRecord(std::span<const std::uint8_t> fileStart);

}  // namespace qzr::colorpage
