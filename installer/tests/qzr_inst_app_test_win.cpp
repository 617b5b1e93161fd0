// The launcher's application and dialog classes run in this process from a folder without the
// package: the start-up sequence, the failure message, and the unshown dialog behind it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "launcher_logic.h"
#include "launcher_test_support_win.h"
#include "qzr_inst_app_win.h"
#include "res/resource_ids.h"
#include "thread_hooks_win.h"

namespace qzr::test {
namespace {

class CurrentDirectoryScope {
  public:
    explicit CurrentDirectoryScope(const std::wstring& path) {
        wchar_t saved[MAX_PATH];
        saved_.assign(saved, GetCurrentDirectoryW(MAX_PATH, saved));
        SetCurrentDirectoryW(path.c_str());
    }
    ~CurrentDirectoryScope() { SetCurrentDirectoryW(saved_.c_str()); }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

  private:
    std::wstring saved_;
};

BOOL CALLBACK MatchLauncherDialog(HWND window, LPARAM parameter) {
    if (ClassOf(window) != L"#32770" || TextOf(window) != L"QZR-inst") return TRUE;
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
}

TEST(QZRinstApp, WithoutThePackageReportsTheFailureBeforeItsDialogIsShownAndEnds) {
    ScratchFolder scratch;
    const CurrentDirectoryScope inScratch(scratch.path());
    CQZRinstApp app;

    struct {
        HWND window = nullptr;
        bool visible = true;
        LRESULT bigIcon = 0;
        LRESULT smallIcon = 0;
        LRESULT dragIcon = 0;
    } dialog;
    MessageBoxReader reader([&](HWND) {
        EnumThreadWindows(GetCurrentThreadId(), &MatchLauncherDialog,
                          reinterpret_cast<LPARAM>(&dialog.window));
        if (dialog.window == nullptr) return;
        dialog.visible = IsWindowVisible(dialog.window) != FALSE;
        dialog.bigIcon = SendMessageW(dialog.window, WM_GETICON, ICON_BIG, 0);
        dialog.smallIcon = SendMessageW(dialog.window, WM_GETICON, ICON_SMALL, 0);
        dialog.dragIcon = SendMessageW(dialog.window, WM_QUERYDRAGICON, 0, 0);
    });

    EXPECT_FALSE(app.InitInstance());

    EXPECT_EQ(reader.boxes, 1);
    EXPECT_STREQ(reader.caption.c_str(), AfxGetAppName());
    const std::wstring message(launcher::kFailureMessage.begin(), launcher::kFailureMessage.end());
    EXPECT_NE(std::find(reader.texts.begin(), reader.texts.end(), message), reader.texts.end());
    EXPECT_EQ(reader.buttons, 1);
    ASSERT_EQ(reader.icons.size(), 1u);
    EXPECT_EQ(reader.icons[0], LoadIconW(nullptr, IDI_EXCLAMATION));

    // The box came while the dialog was being created: it existed, unshown, with icon 128.
    ASSERT_NE(dialog.window, nullptr);
    EXPECT_FALSE(dialog.visible);
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(dialog.bigIcon, reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(dialog.smallIcon, reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(dialog.dragIcon, reinterpret_cast<LRESULT>(icon));

    // Then the dialog is gone and the application is left as the start-up made it.
    EXPECT_FALSE(IsWindow(dialog.window));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_STREQ(app.RegistryKey(), L"Local AppWizard-Generated Applications");
    EXPECT_TRUE(AfxControlContainerEnabled());
}

// Not reached in normal use, as the dialog never stays: minimised, it paints its icon over the
// icon background; shown normally, it leaves painting to the system.
TEST(QZRinstApp, DialogPaintsItsIconOnlyWhenMinimised) {
    ScratchFolder scratch;
    const CurrentDirectoryScope inScratch(scratch.path());
    CQZRinstApp app;
    SentMessageRecorder recorder;
    HWND dialog = nullptr;
    bool normalPaintErasedIcon = true;
    bool normalPaintValidated = false;
    bool iconic = false;
    MessageBoxReader reader([&](HWND) {
        EnumThreadWindows(GetCurrentThreadId(), &MatchLauncherDialog,
                          reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr) return;
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
        InvalidateRect(dialog, nullptr, FALSE);
        SendMessageW(dialog, WM_PAINT, 0, 0);
        normalPaintErasedIcon = recorder.Count(dialog, WM_ICONERASEBKGND) > 0;
        normalPaintValidated = GetUpdateRect(dialog, nullptr, FALSE) == FALSE;

        ShowWindow(dialog, SW_SHOWMINNOACTIVE);
        iconic = IsIconic(dialog) != FALSE;
        SendMessageW(dialog, WM_PAINT, 0, 0);
    });

    EXPECT_FALSE(app.InitInstance());

    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(normalPaintErasedIcon);
    EXPECT_TRUE(normalPaintValidated);
    ASSERT_TRUE(iconic);
    EXPECT_EQ(recorder.Count(dialog, WM_ICONERASEBKGND), 1);
}

}  // namespace
}  // namespace qzr::test
