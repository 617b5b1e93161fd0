// The Version page's texts from made-up folder paths, file times, settings and gamma fields.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "utf16.h"
#include "version_texts.h"

namespace qzr::versionpage {
namespace {

std::string Narrow(const std::optional<std::u16string>& text) {
    return text ? Utf16ToUtf8(*text) : "<none>";
}

TEST(VersionTexts, DateTexts) {
    const struct Case {
        const char* rule;
        std::optional<CalendarTime> time;
        std::u16string expected;
    } cases[] = {
        {"two-digit fields get a leading zero", CalendarTime{2021, 3, 5, 9, 7},
         u"2021/03/05 09:07"},
        {"24-hour clock", CalendarTime{1999, 12, 31, 23, 59}, u"1999/12/31 23:59"},
        {"a short year is padded with spaces", CalendarTime{987, 1, 1, 0, 0}, u" 987/01/01 00:00"},
        {"a time not read shows the zeroed date", std::nullopt, u"   0/00/00 00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(DateText(c.time), c.expected);
    }
    EXPECT_EQ(DateText(std::nullopt), kZeroedDateText);
}

TEST(VersionTexts, DriverFilePaths) {
    // With one more unit and the 12 of "\qzr7300.gpd" this makes a path of 259 units.
    const std::u16string longest(kPathBufferUnits - 1 - 1 - 12, u'a');
    const struct Case {
        const char* rule;
        std::optional<std::u16string> folder;
        DriverFolderKind kind;
        std::u16string_view name;
        std::optional<std::u16string> expected;
    } cases[] = {
        {"version-3 drivers lie in \\3", u"C:\\spool\\drivers\\x64",
         DriverFolderKind::DriverVersion3Directory, u"\\qzr7300.gpd",
         u"C:\\spool\\drivers\\x64\\3\\qzr7300.gpd"},
        {"system folder as given", u"C:\\windows\\system32", DriverFolderKind::SystemDirectory,
         u"\\qzr7300lm.dll", u"C:\\windows\\system32\\qzr7300lm.dll"},
        {"print processors as given", u"P", DriverFolderKind::PrintProcessorDirectory,
         u"\\qzr7300pt.dll", u"P\\qzr7300pt.dll"},
        {"a failed folder query gives no path", std::nullopt, DriverFolderKind::SystemDirectory,
         u"\\qzr7300lm.dll", std::nullopt},
        {"259 units and the NUL fit", longest + u"x", DriverFolderKind::SystemDirectory,
         u"\\qzr7300.gpd", longest + u"x\\qzr7300.gpd"},
        {"260 units do not fit", longest + u"xy", DriverFolderKind::SystemDirectory,
         u"\\qzr7300.gpd", std::nullopt},
        {"\\3 counts against the buffer", longest, DriverFolderKind::DriverVersion3Directory,
         u"\\qzr7300.gpd", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        const auto folder = c.folder ? std::optional<std::u16string_view>(*c.folder) : std::nullopt;
        EXPECT_EQ(Narrow(DriverFilePath(folder, c.kind, c.name)), Narrow(c.expected));
    }
}

TEST(VersionTexts, DriverFileTableFollowsThePage) {
    const std::array<std::u16string_view, 5> names = {u"\\qzr7300.gpd", u"\\qzr7300ui.dll",
                                                      u"\\qzr7300ud.dll", u"\\qzr7300lm.dll",
                                                      u"\\qzr7300pt.dll"};
    const std::array<int, 5> controls = {111, 112, 113, 114, 116};
    for (std::size_t i = 0; i < kDriverFileTable.size(); ++i) {
        EXPECT_EQ(kDriverFileTable[i].fileName, names[i]) << i;
        EXPECT_EQ(kDriverFileTable[i].controlId, controls[i]) << i;
    }
    EXPECT_EQ(kDriverFileTable[3].folder, DriverFolderKind::SystemDirectory);
    EXPECT_EQ(kDriverFileTable[4].folder, DriverFolderKind::PrintProcessorDirectory);
}

TEST(VersionTexts, ErrorMessageLabel) {
    EXPECT_EQ(ErrorMessageLabel(0), u"Printer Driver(Error message is not displayed)");
    for (int setting : {1, 2, -1, kErrorSettingsDefault})
        EXPECT_EQ(ErrorMessageLabel(setting), u"Printer Driver") << setting;
}

TEST(VersionTexts, GammaTableText) {
    std::array<char16_t, kGammaFieldBytes> field{};
    const std::u16string text = u"GAMMA 2.2 / 7300";
    text.copy(field.data(), text.size());
    field[text.size() + 3] = u'X';  // bytes after the first zero are not text
    EXPECT_EQ(GammaTableText(field), text);

    field.fill(u'g');  // no zero anywhere: the whole field, and no further
    EXPECT_EQ(GammaTableText(field), std::u16string(kGammaFieldBytes, u'g'));

    EXPECT_EQ(GammaTableText({}), u"");  // a failed conversion
}

}  // namespace
}  // namespace qzr::versionpage
