// What the Version page shows, computed from what the platform's calls return (folder paths, file
// times, one profile integer, the gamma field) so that it runs and is tested without Windows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "res/resource_ids.h"

namespace qzr::versionpage {

// Paths and date texts live in buffers of this many UTF-16 units, the terminating NUL included.
inline constexpr std::size_t kPathBufferUnits = 260;

enum class DriverFolderKind {
    SystemDirectory,
    DriverVersion3Directory,  // the printer driver directory plus "\3"
    PrintProcessorDirectory,
};

struct DriverFile {
    std::u16string_view fileName;  // appended to the folder unchanged, so it starts with "\"
    DriverFolderKind folder;
    int controlId;
};

// The five dated files, in the order the page dates them.
inline constexpr std::array<DriverFile, 5> kDriverFileTable = {{
    {u"\\qzr7300.gpd", DriverFolderKind::DriverVersion3Directory, IDC_VERSION_GPD_DATE},
    {u"\\qzr7300ui.dll", DriverFolderKind::DriverVersion3Directory, IDC_VERSION_UI_DATE},
    {u"\\qzr7300ud.dll", DriverFolderKind::DriverVersion3Directory, IDC_VERSION_RENDER_DATE},
    {u"\\qzr7300lm.dll", DriverFolderKind::SystemDirectory, IDC_VERSION_MONITOR_DATE},
    {u"\\qzr7300pt.dll", DriverFolderKind::PrintProcessorDirectory, IDC_VERSION_PROCESSOR_DATE},
}};

// A last-write time in local time, split into the fields the date text shows.
struct CalendarTime {
    int year, month, day, hour, minute;
};

// The shown date of a file whose time was not read.
inline constexpr std::u16string_view kZeroedDateText = u"   0/00/00 00:00";

// The error-message setting: key "ErrorMsg" of section "Setting" in "ERR_7300.INI" in the system
// directory; missing reads as 1.
inline constexpr std::u16string_view kErrorSettingsFile = u"\\ERR_7300.INI";
inline constexpr std::u16string_view kErrorSettingsSection = u"Setting";
inline constexpr std::u16string_view kErrorSettingsKey = u"ErrorMsg";
inline constexpr int kErrorSettingsDefault = 1;

// The gamma table's text: 128 bytes at offset 5910 of "MRX9100.BIN" in the Windows directory.
inline constexpr std::u16string_view kGammaTableFile = u"\\MRX9100.BIN";
inline constexpr std::uint32_t kGammaFieldOffset = 5910;
inline constexpr std::size_t kGammaFieldBytes = 128;

// folder + name when the folder is known and the whole path, NUL included, fits a path buffer.
std::optional<std::u16string> JoinPath(std::optional<std::u16string_view> folder,
                                       std::u16string_view name);

// The path of a dated file in the folder that the platform reported for its kind.
std::optional<std::u16string> DriverFilePath(std::optional<std::u16string_view> folder,
                                             DriverFolderKind kind, std::u16string_view fileName);

// "%4d/%02d/%02d %02d:%02d", or the zeroed date when the time was not read.
std::u16string DateText(const std::optional<CalendarTime>& time);

// The label of control 1030: a setting of 0 says the driver's error messages are not shown.
std::u16string_view ErrorMessageLabel(int errorMessageSetting);

// The gamma field as converted from the ANSI code page: the text up to its first NUL, or all of
// it when it has none.
std::u16string GammaTableText(std::span<const char16_t> converted);

}  // namespace qzr::versionpage
