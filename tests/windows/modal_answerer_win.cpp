#include "modal_answerer_win.h"

#include <map>

// After windows.h.
#include <commctrl.h>

namespace qzr::test {

namespace {

constexpr int kFileNameEdit = 0x480;   // edt1 of the file dialogs
constexpr int kFileNameCombo = 0x47C;  // cmb13, where newer dialogs keep the name
constexpr int kFileTypeCombo = 0x470;  // cmb1
constexpr UINT kTickMs = 30;

constexpr ULONGLONG kRetryMs = 1500;

ModalAnswerer* active = nullptr;

// Windows already answered, until they close. A file dialog that is still there after a while
// took the answer before it was ready for it and is answered again.
struct Answer {
    ULONGLONG when;
    std::wstring path;
};
std::map<HWND, Answer> answered;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770";
}

HWND FileNameControl(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, kFileNameEdit)) return edit;
    return GetDlgItem(dialog, kFileNameCombo);
}

// The message text: the one static of the box that shows text rather than the icon.
std::wstring MessageText(HWND box) {
    std::wstring found;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM out) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (std::wstring(name) != L"Static" ||
                (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                return TRUE;
            const std::wstring text = TextOf(child);
            if (text.empty()) return TRUE;
            *reinterpret_cast<std::wstring*>(out) = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<std::wstring> FileTypes(HWND dialog) {
    std::vector<std::wstring> types;
    const LRESULT count = SendDlgItemMessageW(dialog, kFileTypeCombo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendDlgItemMessageW(dialog, kFileTypeCombo, CB_GETLBTEXT, i,
                            reinterpret_cast<LPARAM>(text));
        types.emplace_back(text);
    }
    return types;
}

void Press(HWND dialog, int button, const std::wstring& path = {}) {
    answered[dialog] = {GetTickCount64(), path};
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

}  // namespace

void ModalAnswerer::Start() {
    active = this;
    answered.clear();
    timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
}

void ModalAnswerer::Stop() {
    KillTimer(nullptr, timer_);
    active = nullptr;
}

void ModalAnswerer::ChooseFile(const std::wstring& path) {
    plan_.push_back({true, path});
}

void ModalAnswerer::AnswerMessage() {
    plan_.push_back({false, {}});
}

void CALLBACK ModalAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active != nullptr) active->Look();
}

void ModalAnswerer::Look() {
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) -> BOOL {
            if (IsWindowVisible(window) && IsWindowEnabled(window) && IsDialogClass(window))
                reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::erase_if(answered, [](const auto& entry) { return !IsWindow(entry.first); });
    for (HWND window : windows) {
        if (const auto found = answered.find(window); found != answered.end()) {
            const Answer again = found->second;
            if (GetTickCount64() - again.when < kRetryMs || again.path.empty()) continue;
            if (const HWND fileName = FileNameControl(window)) {
                SetWindowTextW(fileName, again.path.c_str());
                Press(window, IDOK, again.path);
            }
            continue;
        }
        if (FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr) != nullptr)
            continue;  // a sheet
        const HWND fileName = FileNameControl(window);
        const bool isQuestion = GetDlgItem(window, IDYES) != nullptr;
        const bool isBox = GetDlgItem(window, IDOK) != nullptr || isQuestion;
        if (fileName == nullptr && !isBox) continue;  // a property sheet, say
        if (fileName != nullptr) {
            seen.push_back({true, TextOf(window), FileTypes(window)});
            const bool planned = !plan_.empty() && plan_.front().fileDialog;
            const std::wstring path = planned ? plan_.front().path : std::wstring();
            if (planned) plan_.pop_front();
            if (path.empty()) {
                Press(window, IDCANCEL);
            } else {
                SetWindowTextW(fileName, path.c_str());
                Press(window, IDOK, path);
            }
            return;
        }
        seen.push_back({false, MessageText(window), {}});
        if (!plan_.empty() && !plan_.front().fileDialog) plan_.pop_front();
        Press(window, isQuestion ? IDYES : IDOK);
        return;
    }
}

}  // namespace qzr::test
