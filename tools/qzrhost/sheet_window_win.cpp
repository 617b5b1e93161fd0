#include "sheet_window_win.h"

namespace qzr::host {

namespace {

// Runs one message the way a sheet's own loop would: keyboard navigation goes to the sheet.
void Dispatch(HWND sheet, MSG& message) {
    if (sheet != nullptr && PropSheet_IsDialogMessage(sheet, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

ModelessSheet::~ModelessSheet() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

bool ModelessSheet::Create(const std::wstring& caption, std::vector<HPROPSHEETPAGE> pages,
                           UINT startPage, std::string& error) {
    // The pages' controls (trackbars, up-down controls) are common controls, as in the driver's
    // process.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = startPage;
    header.phpage = pages.data();
    const INT_PTR result = PropertySheetW(&header);
    if (result == 0 || result == -1) {
        error = "PropertySheetW failed (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    window_ = reinterpret_cast<HWND>(result);
    return true;
}

bool ModelessSheet::IsOpen() const {
    return window_ != nullptr && IsWindow(window_) &&
           PropSheet_GetCurrentPageHwnd(window_) != nullptr;
}

HWND ModelessSheet::PageWindow(int index) const {
    return window_ != nullptr ? PropSheet_IndexToHwnd(window_, index) : nullptr;
}

HWND ModelessSheet::CurrentPage() const {
    return window_ != nullptr ? PropSheet_GetCurrentPageHwnd(window_) : nullptr;
}

bool ModelessSheet::PumpUntilIdle(DWORD quietMs, DWORD timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    ULONGLONG lastMessage = start;
    for (;;) {
        MSG message;
        // PeekMessage also makes the WM_PAINT of every window with something left to paint.
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return false;
            }
            Dispatch(window_, message);
            lastMessage = GetTickCount64();
        }
        const ULONGLONG now = GetTickCount64();
        if (now - lastMessage >= quietMs) return true;
        if (now - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void ModelessSheet::PaintNow() {
    if (window_ == nullptr) return;
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntilIdle();
}

bool ModelessSheet::SelectPage(int index) {
    if (window_ == nullptr || !PropSheet_SetCurSel(window_, nullptr, index)) return false;
    PumpUntilIdle();
    return true;
}

void ModelessSheet::PressButton(int button) {
    if (window_ == nullptr) return;
    PropSheet_PressButton(window_, button);
    PumpUntilIdle();
}

bool ModelessSheet::RunUntilClosed() {
    MSG message;
    while (IsOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(window_, message);
    if (window_ == nullptr || !IsWindow(window_)) return false;
    // What a modal PropertySheetW would have answered: positive after OK, 0 after Cancel.
    const LRESULT result = PropSheet_GetResult(window_);
    DestroyWindow(window_);
    window_ = nullptr;
    return result > 0;
}

}  // namespace qzr::host
