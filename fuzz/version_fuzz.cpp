// The Version page's texts from whatever the platform may answer: calendar fields of any file
// time, any gamma field, folder paths of any length. Input: five 32-bit calendar fields, a flags
// byte, the error-message integer, then UTF-16 units split by the flags between a folder path
// and the gamma field.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "fuzz_target.h"
#include "version_texts.h"

namespace {

using namespace qzr::versionpage;

constexpr std::size_t kFieldBytes = 5 * 4;
constexpr std::size_t kHeadBytes = kFieldBytes + 1 + 4;

enum Flag : std::uint8_t {
    kTimeRead = 1,        // else the file's time was not read
    kWordFields = 2,      // the fields as the platform's 16-bit calendar gives them
    kFolderKnown = 4,     // else the folder query failed
    kFolderSplit = 0xF8,  // these bits: how many units go to the folder, the rest to the gamma
};

void CheckDateText(const CalendarTime* time) {
    const std::u16string text = DateText(time ? std::optional(*time) : std::nullopt);
    // It is formatted into the 260-unit buffer that held the path, NUL included.
    QZR_FUZZ_CHECK(text.size() < kPathBufferUnits);
    QZR_FUZZ_CHECK(std::all_of(text.begin(), text.end(), [](char16_t c) {
        return c == u' ' || c == u'/' || c == u':' || c == u'-' || (c >= u'0' && c <= u'9');
    }));
    if (!time) {
        QZR_FUZZ_CHECK(text == kZeroedDateText);
        return;
    }
    // The text reads back as the fields it was made from, in the order year/month/day hour:min.
    const std::string narrow(text.begin(), text.end());
    int year, month, day, hour, minute;
    char end;
    QZR_FUZZ_CHECK(std::sscanf(narrow.c_str(), "%d/%d/%d %d:%d%c", &year, &month, &day, &hour,
                               &minute, &end) == 5);
    QZR_FUZZ_CHECK(year == time->year && month == time->month && day == time->day &&
                   hour == time->hour && minute == time->minute);
    const bool calendarLike = time->year >= 0 && time->year <= 9999 && time->month >= 0 &&
                              time->month <= 99 && time->day >= 0 && time->day <= 99 &&
                              time->hour >= 0 && time->hour <= 99 && time->minute >= 0 &&
                              time->minute <= 99;
    if (calendarLike) QZR_FUZZ_CHECK(text.size() == kZeroedDateText.size());
}

void CheckPaths(const std::optional<std::u16string>& folder, std::u16string_view name) {
    const auto given = folder ? std::optional<std::u16string_view>(*folder) : std::nullopt;
    for (const DriverFolderKind kind :
         {DriverFolderKind::SystemDirectory, DriverFolderKind::DriverVersion3Directory,
          DriverFolderKind::PrintProcessorDirectory}) {
        const std::optional<std::u16string> path = DriverFilePath(given, kind, name);
        const std::u16string whole =
            folder ? *folder + (kind == DriverFolderKind::DriverVersion3Directory ? u"\\3" : u"") +
                         std::u16string(name)
                   : u"";
        // A path exactly when the folder is known and the whole path, NUL included, fits.
        QZR_FUZZ_CHECK(path.has_value() == (folder && whole.size() < kPathBufferUnits));
        if (path) QZR_FUZZ_CHECK(*path == whole);
    }
}

}  // namespace

QZR_FUZZ_TARGET(version) {
    if (size < kHeadBytes) return;
    std::int32_t fields[5];
    std::memcpy(fields, data, sizeof fields);
    const std::uint8_t flags = data[kFieldBytes];
    std::int32_t errorSetting;
    std::memcpy(&errorSetting, data + kFieldBytes + 1, sizeof errorSetting);
    if (flags & kWordFields)
        for (std::int32_t& field : fields) field &= 0xFFFF;

    const CalendarTime time{fields[0], fields[1], fields[2], fields[3], fields[4]};
    CheckDateText((flags & kTimeRead) ? &time : nullptr);

    const std::u16string_view label = ErrorMessageLabel(errorSetting);
    QZR_FUZZ_CHECK(label == (errorSetting == 0 ? u"Printer Driver(Error message is not displayed)"
                                               : u"Printer Driver"));

    std::u16string units((size - kHeadBytes) / 2, u'\0');
    std::memcpy(units.data(), data + kHeadBytes, units.size() * 2);
    const std::size_t split = std::min<std::size_t>(units.size(), (flags & kFolderSplit));
    const std::u16string folderUnits = units.substr(0, split);
    const std::u16string gammaUnits = units.substr(split);

    CheckPaths((flags & kFolderKnown) ? std::optional(folderUnits) : std::nullopt,
               u"\\qzr7300.gpd");
    CheckPaths(folderUnits, gammaUnits);

    // The converted gamma field (at most 128 units as the page converts it, more as a stray
    // conversion might give): the text before the first NUL, never a NUL inside.
    const std::u16string gamma = GammaTableText(gammaUnits);
    QZR_FUZZ_CHECK(gamma.size() <= gammaUnits.size());
    QZR_FUZZ_CHECK(gamma.find(u'\0') == std::u16string::npos);
    QZR_FUZZ_CHECK(gammaUnits.compare(0, gamma.size(), gamma) == 0);
    QZR_FUZZ_CHECK(gamma.size() == gammaUnits.size() || gammaUnits[gamma.size()] == u'\0');
}
