// The launcher's decisions, with the system's answers supplied by each case.
#include "launcher_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qzr::launcher {
namespace {

using Outcome = WordSizeProbe::Outcome;

constexpr WordSizeProbe kWow64{Outcome::Succeeded, 0};
constexpr WordSizeProbe kNative32{Outcome::Failed, kErrorCallNotImplemented};

// Answers from a case's table row and records what the launcher asked of it.
class FakeSystem : public LauncherSystem {
  public:
    WordSizeProbe probe = kWow64;
    std::u16string directory;
    std::uint32_t directoryResult = 0;  // 0: the length of `directory`
    bool createSucceeds = true;

    bool started = false;
    std::u16string applicationName;
    std::u16string commandLine;
    int messagesShown = 0;
    std::u16string message;

    WordSizeProbe ProbeWordSize() override { return probe; }

    std::uint32_t ReadCurrentDirectory(std::span<char16_t, kPathUnits> buffer) override {
        if (directoryResult != 0) return directoryResult;
        if (directory.size() >= buffer.size())
            return static_cast<std::uint32_t>(directory.size() + 1);
        std::copy(directory.begin(), directory.end(), buffer.begin());
        buffer[directory.size()] = u'\0';
        return static_cast<std::uint32_t>(directory.size());
    }

    bool StartProcess(const char16_t* application, char16_t* command) override {
        started = true;
        applicationName = application;
        commandLine = command;
        return createSucceeds;
    }

    void ShowFailureMessage(std::u16string_view text) override {
        ++messagesShown;
        message = text;
    }
};

TEST(Is64BitWindows, FollowsTheWow64DirectoryProbe) {
    struct Case {
        WordSizeProbe probe;
        bool is64;
        const char* rule;
    } cases[] = {
        {kWow64, true, "a 32-bit program under WOW64 gets the directory"},
        {kNative32, false, "32-bit Windows has the export but no WOW64"},
        {{Outcome::NoKernel32, 0}, false, "no probe possible: 32-bit"},
        {{Outcome::NoExport, 0}, false, "Windows older than the export: 32-bit"},
        {{Outcome::Failed, 5}, true, "any other failure counts as 64-bit"},
        {{Outcome::Failed, 0}, true, "a failure without an error code counts as 64-bit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(Is64BitWindows(c.probe), c.is64);
    }
}

TEST(StartDriverInstaller, CommandLineAndFailureMessage) {
    const std::u16string longestFitting(231, u'd');  // + quotes, installer, switches, NUL = 260
    const std::u16string oneTooLong(232, u'd');
    struct Case {
        const char* rule;
        WordSizeProbe probe;
        std::u16string directory;
        std::uint32_t directoryResult;
        bool createSucceeds;
        // Expected; an empty application name means no start is tried.
        std::u16string applicationName;
        std::u16string commandLine;
        bool messageShown;
    } cases[] = {
        {"64-bit Windows", kWow64, u"C:\\pkg", 0, true, u"C:\\pkg\\W2k_XP\\dpinst64.exe",
         u"\"C:\\pkg\\W2k_XP\\dpinst64.exe\" /F /D", false},
        {"32-bit Windows", kNative32, u"C:\\pkg", 0, true, u"C:\\pkg\\W2k_XP\\dpinst32.exe",
         u"\"C:\\pkg\\W2k_XP\\dpinst32.exe\" /F /D", false},
        {"probe missing",
         {Outcome::NoExport, 0},
         u"C:\\pkg",
         0,
         true,
         u"C:\\pkg\\W2k_XP\\dpinst32.exe",
         u"\"C:\\pkg\\W2k_XP\\dpinst32.exe\" /F /D",
         false},
        {"probe failing with 120", kNative32, u"E:\\a", 0, true, u"E:\\a\\W2k_XP\\dpinst32.exe",
         u"\"E:\\a\\W2k_XP\\dpinst32.exe\" /F /D", false},
        {"probe failing otherwise",
         {Outcome::Failed, 87},
         u"E:\\a",
         0,
         true,
         u"E:\\a\\W2k_XP\\dpinst64.exe",
         u"\"E:\\a\\W2k_XP\\dpinst64.exe\" /F /D",
         false},
        {"spaces: the path is quoted, the program named outright", kWow64,
         u"C:\\Program Files\\QZR pkg", 0, true,
         u"C:\\Program Files\\QZR pkg\\W2k_XP\\dpinst64.exe",
         u"\"C:\\Program Files\\QZR pkg\\W2k_XP\\dpinst64.exe\" /F /D", false},
        {"a drive's root keeps its backslash", kWow64, u"D:\\", 0, true,
         u"D:\\\\W2k_XP\\dpinst64.exe", u"\"D:\\\\W2k_XP\\dpinst64.exe\" /F /D", false},
        {"longest directory that fits", kNative32, longestFitting, 0, true,
         longestFitting + u"\\W2k_XP\\dpinst32.exe",
         u"\"" + longestFitting + u"\\W2k_XP\\dpinst32.exe\" /F /D", false},
        {"one unit more does not fit", kNative32, oneTooLong, 0, true, u"", u"", true},
        {"directory longer than its buffer", kWow64, std::u16string(300, u'x'), 0, true, u"", u"",
         true},
        {"directory unreadable", kWow64, u"", 0, true, u"", u"", true},
        {"reported length beyond the buffer", kWow64, u"C:\\pkg", 261, true, u"", u"", true},
        {"start refused", kWow64, u"C:\\pkg", 0, false, u"C:\\pkg\\W2k_XP\\dpinst64.exe",
         u"\"C:\\pkg\\W2k_XP\\dpinst64.exe\" /F /D", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        FakeSystem system;
        system.probe = c.probe;
        system.directory = c.directory;
        system.directoryResult = c.directoryResult;
        system.createSucceeds = c.createSucceeds;

        StartDriverInstallerOrReport(system);

        EXPECT_EQ(system.started, !c.applicationName.empty());
        EXPECT_EQ(system.applicationName, c.applicationName);
        EXPECT_EQ(system.commandLine, c.commandLine);
        EXPECT_LT(system.commandLine.size(), kPathUnits);
        EXPECT_EQ(system.messagesShown, c.messageShown ? 1 : 0);
        if (c.messageShown) {
            EXPECT_EQ(system.message, kFailureMessage);
        }
    }
}

TEST(StartDriverInstaller, ReportsWhetherTheProcessWasCreated) {
    FakeSystem system;
    system.directory = u"C:\\pkg";
    EXPECT_TRUE(StartDriverInstaller(system));
    system.createSucceeds = false;
    EXPECT_FALSE(StartDriverInstaller(system));
    EXPECT_EQ(system.messagesShown, 0);  // the caller decides to report
}

}  // namespace
}  // namespace qzr::launcher
