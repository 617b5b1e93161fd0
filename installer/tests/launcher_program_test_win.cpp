// The built QZR-inst.exe run as a user runs it: from a package folder whose path has spaces, in
// the prefix of the word size named by QZR_WINDOWS_BITS. The stand-in installer records how it was
// started; the failure message box is read and closed from here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "launcher_logic.h"
#include "launcher_system_win.h"
#include "launcher_test_support_win.h"

namespace qzr::test {
namespace {

using win::UniqueKernelHandle;

constexpr DWORD kBound = 30'000;  // every wait ends after this
constexpr DWORD kPause = 50;

int WindowsBits() {
    const wchar_t* bits = _wgetenv(L"QZR_WINDOWS_BITS");
    return bits != nullptr ? _wtoi(bits) : 0;
}

struct Launcher {
    UniqueKernelHandle process;
    DWORD id = 0;
};

Launcher StartLauncher(const std::wstring& workingDirectory) {
    const std::wstring program = PathFromEnvironment(L"QZR_LAUNCHER_EXE");
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Launcher launcher;
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workingDirectory.c_str(), &startup, &info)) {
        launcher.process.reset(info.hProcess);
        launcher.id = info.dwProcessId;
        UniqueKernelHandle thread(info.hThread);  // not needed: closed at once
    }
    return launcher;
}

// A top-level dialog-class window of the process, visible or hidden as asked.
struct DialogSearch {
    DWORD processId;
    bool visible;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<DialogSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || ClassOf(window) != L"#32770" ||
        (IsWindowVisible(window) != FALSE) != search.visible) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND FindDialogOf(DWORD processId, bool visible) {
    DialogSearch search{processId, visible, nullptr};
    EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits for the process's message box; null when the process ends or the bound passes first.
HWND WaitForMessageBox(const Launcher& launcher) {
    const ULONGLONG deadline = GetTickCount64() + kBound;
    do {
        if (HWND box = FindDialogOf(launcher.id, true)) return box;
    } while (WaitForSingleObject(launcher.process.get(), kPause) == WAIT_TIMEOUT &&
             GetTickCount64() < deadline);
    return nullptr;
}

struct ChildSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<ChildSearch*>(parameter);
    if (_wcsicmp(ClassOf(window).c_str(), search.className) == 0) search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    ChildSearch search{className, {}};
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD ExitCodeOf(const Launcher& launcher) {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(launcher.process.get(), &code);
    return code;
}

class LauncherProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WindowsBits() == 32 || WindowsBits() == 64) << "QZR_WINDOWS_BITS is not set";
        ASSERT_TRUE(FileExists(PathFromEnvironment(L"QZR_LAUNCHER_EXE")));
        // A package folder with a space, beside a program that an unquoted command line would
        // start in the installer's place.
        package = scratch.path() + L"\\pkg dir";
        decoy = scratch.path() + L"\\pkg.exe";
        ASSERT_TRUE(CreateDirectoryW(package.c_str(), nullptr));
    }

    void AddInstallers() {
        const std::wstring standIn = PathFromEnvironment(L"QZR_STANDIN_EXE");
        const std::wstring folder = package + L"\\W2k_XP";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        for (const wchar_t* name : {L"\\dpinst32.exe", L"\\dpinst64.exe"})
            ASSERT_TRUE(CopyFileW(standIn.c_str(), (folder + name).c_str(), TRUE)) << standIn;
        ASSERT_TRUE(CopyFileW(standIn.c_str(), decoy.c_str(), TRUE));
    }

    ScratchFolder scratch;
    std::wstring package;
    std::wstring decoy;
};

TEST_F(LauncherProgram, StartsTheInstallerForThisWindowsAndEndsWithoutWaiting) {
    AddInstallers();
    // The stand-in reports through these events and stays until it is released.
    const std::wstring events = L"qzr-launcher-test-" + std::to_wstring(GetCurrentProcessId());
    const UniqueKernelHandle recorded(
        CreateEventW(nullptr, TRUE, FALSE, (events + L"-recorded").c_str()));
    const UniqueKernelHandle release(
        CreateEventW(nullptr, TRUE, FALSE, (events + L"-release").c_str()));
    ASSERT_TRUE(recorded && release);
    SetEnvironmentVariableW(L"QZR_STANDIN_EVENTS", events.c_str());

    const Launcher launcher = StartLauncher(package);
    SetEnvironmentVariableW(L"QZR_STANDIN_EVENTS", nullptr);
    ASSERT_TRUE(launcher.process) << "CreateProcessW failed: " << GetLastError();

    // The installer is held, so the launcher ends only if it does not wait for it.
    EXPECT_EQ(WaitForSingleObject(launcher.process.get(), kBound), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(launcher), 0u);
    EXPECT_EQ(FindDialogOf(launcher.id, true), nullptr);
    ASSERT_EQ(WaitForSingleObject(recorded.get(), kBound), WAIT_OBJECT_0);

    const std::wstring chosen = WindowsBits() == 64 ? L"dpinst64.exe" : L"dpinst32.exe";
    const std::wstring other = WindowsBits() == 64 ? L"dpinst32.exe" : L"dpinst64.exe";
    const std::wstring installer = package + L"\\W2k_XP\\" + chosen;
    const std::vector<std::wstring> record = ReadUtf16Lines(installer + L".txt");
    SetEvent(release.get());
    EXPECT_FALSE(FileExists(decoy + L".txt")) << "the system read the directory as a program";
    EXPECT_FALSE(FileExists(package + L"\\W2k_XP\\" + other + L".txt"));
    ASSERT_EQ(record.size(), 4u) << "the installer did not start";
    EXPECT_EQ(record[0], L"\"" + installer + L"\" /F /D");
    EXPECT_EQ(_wcsicmp(record[1].c_str(), package.c_str()), 0) << record[1];
    EXPECT_EQ(_wcsicmp(record[2].c_str(), installer.c_str()), 0) << record[2];

    // Let the stand-in finish before its folder is removed.
    const UniqueKernelHandle standIn(
        OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(_wtoi(record[3].c_str()))));
    if (standIn) {
        EXPECT_EQ(WaitForSingleObject(standIn.get(), kBound), WAIT_OBJECT_0);
    }
}

TEST_F(LauncherProgram, WithoutThePackageFolderShowsTheFailureMessageThenEnds) {
    const Launcher launcher = StartLauncher(package);
    ASSERT_TRUE(launcher.process) << "CreateProcessW failed: " << GetLastError();

    const HWND box = WaitForMessageBox(launcher);
    ASSERT_NE(box, nullptr) << "no message box appeared";
    EXPECT_EQ(TextOf(box), L"QZR-inst");
    std::vector<std::wstring> texts;
    for (HWND label : ChildrenOfClass(box, L"Static")) texts.push_back(TextOf(label));
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        L"Can not proceed.\nPlease proceed by administrator."),
              texts.end());
    const std::vector<HWND> buttons = ChildrenOfClass(box, L"Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);
    EXPECT_EQ(TextOf(buttons[0]), L"OK");

    // Behind the box, the launcher's dialog exists but has not been shown yet.
    const HWND dialog = FindDialogOf(launcher.id, false);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), L"QZR-inst");

    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(buttons[0]));
    EXPECT_EQ(WaitForSingleObject(launcher.process.get(), kBound), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(launcher), 0u);
}

TEST(WordSizeProbe, AnswersAsWindowsOfThisWordSizeDoes) {
    const int bits = WindowsBits();
    ASSERT_TRUE(bits == 32 || bits == 64) << "QZR_WINDOWS_BITS is not set";
    BOOL underWow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &underWow64));
    EXPECT_EQ(underWow64 != FALSE, bits == 64) << "the prefix is not of the word size named";

    // 64-bit Windows gives a 32-bit program its WOW64 directory; 32-bit Windows has the export
    // but answers ERROR_CALL_NOT_IMPLEMENTED.
    launcher::WindowsLauncherSystem system;
    const launcher::WordSizeProbe probe = system.ProbeWordSize();
    if (bits == 64) {
        EXPECT_EQ(probe.outcome, launcher::WordSizeProbe::Outcome::Succeeded);
    } else {
        EXPECT_EQ(probe.outcome, launcher::WordSizeProbe::Outcome::Failed);
        EXPECT_EQ(probe.lastError, launcher::kErrorCallNotImplemented);
    }
    EXPECT_EQ(launcher::Is64BitWindows(probe), bits == 64);
}

}  // namespace
}  // namespace qzr::test
