#include "config_commands.h"

#include "page_settings.h"

namespace qzr::colorpage {

ColorConfigBytes SaveConfigurationBytes(PageControls& controls) {
    ColorSettings shown{};
    ReadSettings(controls, shown);
    return ColorConfigRecordBytes(MakeColorConfigRecord(shown));
}

ColorConfigError LoadConfigurationBytes(PageControls& controls, const PageRecords& records,
                                        std::span<const std::uint8_t> fileStart) {
    const ColorConfigReading reading = ReadColorConfigRecord(fileStart);
    if (reading.error != ColorConfigError::None) return reading.error;
    ShowSettings(controls, reading.record.settings);
    DetectChanges(controls, records.devmode.settings);
    InvalidatePreview(controls);
    return ColorConfigError::None;
}

}  // namespace qzr::colorpage
