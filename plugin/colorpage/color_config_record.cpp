#include "color_config_record.h"

#include <cstring>

namespace qzr::colorpage {

ColorConfigRecord MakeColorConfigRecord(const ColorSettings& settings) {
    ColorConfigRecord record{};
    record.recordSize = kColorConfigSize;
    record.recordTag = kColorConfigTag;
    record.settings = settings;
    return record;
}

ColorConfigBytes ColorConfigRecordBytes(const ColorConfigRecord& record) {
    ColorConfigBytes bytes;
    std::memcpy(bytes.data(), &record, bytes.size());
    return bytes;
}

ColorConfigReading ReadColorConfigRecord(std::span<const std::uint8_t> fileStart) {
    ColorConfigReading reading{ColorConfigError::None, {}};
    if (fileStart.size() < kColorConfigSize) {
        reading.error = ColorConfigError::TooShort;
        return reading;
    }
    ColorConfigRecord record;
    std::memcpy(&record, fileStart.data(), kColorConfigSize);
    if (record.recordSize != kColorConfigSize || record.recordTag != kColorConfigTag) {
        reading.error = ColorConfigError::WrongHeader;
        return reading;
    }
    reading.record = record;
    return reading;
}

}  // namespace qzr::colorpage
