#include "thread_hooks_win.h"

#include <utility>

#include "launcher_test_support_win.h"

namespace qzr::test {
namespace {

// The text of a message box: the same id on Windows and under Wine.
constexpr int kMessageBoxTextId = 0xFFFF;

SentMessageRecorder* activeRecorder = nullptr;
MessageBoxReader* activeReader = nullptr;

}  // namespace

SentMessageRecorder::SentMessageRecorder() {
    activeRecorder = this;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Record, nullptr, GetCurrentThreadId());
}

SentMessageRecorder::~SentMessageRecorder() {
    UnhookWindowsHookEx(hook_);
    activeRecorder = nullptr;
}

bool SentMessageRecorder::Saw(HWND window, UINT message, WPARAM wParam) const {
    for (const CWPSTRUCT& seen : messages) {
        if (seen.hwnd == window && seen.message == message && seen.wParam == wParam) return true;
    }
    return false;
}

int SentMessageRecorder::Count(HWND window, UINT message) const {
    int count = 0;
    for (const CWPSTRUCT& seen : messages) count += seen.hwnd == window && seen.message == message;
    return count;
}

LRESULT CALLBACK SentMessageRecorder::Record(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && activeRecorder != nullptr) {
        activeRecorder->messages.push_back(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

MessageBoxReader::MessageBoxReader(std::function<void(HWND box)> whileShown)
    : whileShown_(std::move(whileShown)) {
    activeReader = this;
    hook_ = SetWindowsHookExW(WH_CBT, &Activated, nullptr, GetCurrentThreadId());
}

MessageBoxReader::~MessageBoxReader() {
    UnhookWindowsHookEx(hook_);
    activeReader = nullptr;
}

LRESULT CALLBACK MessageBoxReader::Activated(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && activeReader != nullptr && ClassOf(window) == L"#32770" &&
        GetDlgItem(window, kMessageBoxTextId) != nullptr) {
        activeReader->Read(window);
        if (activeReader->whileShown_) activeReader->whileShown_(window);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxReader::Read(HWND box) {
    ++boxes;
    caption = TextOf(box);
    owner = GetWindow(box, GW_OWNER);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0) ++buttons;
        if (_wcsicmp(kind.c_str(), L"Static") != 0) continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            icons.push_back(reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)));
        } else {
            texts.push_back(TextOf(child));
        }
    }
}

}  // namespace qzr::test
