#include "version_texts.h"

#include <algorithm>
#include <cstdio>

namespace qzr::versionpage {

std::optional<std::u16string> JoinPath(std::optional<std::u16string_view> folder,
                                       std::u16string_view name) {
    if (!folder || folder->size() + name.size() >= kPathBufferUnits) return std::nullopt;
    std::u16string path(*folder);
    path += name;
    return path;
}

std::optional<std::u16string> DriverFilePath(std::optional<std::u16string_view> folder,
                                             DriverFolderKind kind, std::u16string_view fileName) {
    if (kind != DriverFolderKind::DriverVersion3Directory) return JoinPath(folder, fileName);
    const std::optional<std::u16string> version3 = JoinPath(folder, u"\\3");
    if (!version3) return std::nullopt;
    return JoinPath(*version3, fileName);
}

std::u16string DateText(const std::optional<CalendarTime>& time) {
    if (!time) return std::u16string(kZeroedDateText);
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%4d/%02d/%02d %02d:%02d", time->year,
                                     time->month, time->day, time->hour, time->minute);
    return std::u16string(text, text + std::clamp(length, 0, int{sizeof text} - 1));
}

std::u16string_view ErrorMessageLabel(int errorMessageSetting) {
    return errorMessageSetting == 0 ? u"Printer Driver(Error message is not displayed)"
                                    : u"Printer Driver";
}

std::u16string GammaTableText(std::span<const char16_t> converted) {
    const auto end = std::find(converted.begin(), converted.end(), u'\0');
    return std::u16string(converted.begin(), end);
}

}  // namespace qzr::versionpage
