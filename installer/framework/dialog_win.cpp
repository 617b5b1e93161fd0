#include "dialog_win.h"

#include "win_app_win.h"

CWnd::~CWnd() {
    // The application must not keep pointing at a main window that is gone.
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
    }
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    defaultRequested_ = false;
    bool handled = OnWndMsg(message, wParam, lParam, result);
    if (!handled && message == WM_COMMAND) {
        if (CWinApp* app = AfxGetApp()) handled = app->OnWndMsg(message, wParam, lParam, result);
    }
    return handled && !defaultRequested_;
}

INT_PTR CDialog::DoModal() {
    return DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(templateId_),
                           parent_ != nullptr ? parent_->m_hWnd : nullptr, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            auto* dialog = reinterpret_cast<CDialog*>(lParam);
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            dialog->m_hWnd = window;
            return dialog->OnInitDialog();
        }
        // Messages before WM_INITDIALOG (WM_SETFONT among them) find no object yet.
        auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        if (dialog == nullptr) return FALSE;
        if (message == WM_NCDESTROY) {
            dialog->m_hWnd = nullptr;
            SetWindowLongPtrW(window, DWLP_USER, 0);
            return FALSE;
        }
        LRESULT result = 0;
        if (!dialog->Dispatch(message, wParam, lParam, &result)) return FALSE;
        // These few messages take their answer from the dialog procedure's return value; all
        // others from DWLP_MSGRESULT.
        switch (message) {
            case WM_QUERYDRAGICON:
            case WM_CTLCOLORMSGBOX:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORDLG:
            case WM_CTLCOLORSCROLLBAR:
            case WM_CTLCOLORSTATIC:
            case WM_COMPAREITEM:
            case WM_VKEYTOITEM:
            case WM_CHARTOITEM:
                return static_cast<INT_PTR>(result);
            default:
                SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
                return TRUE;
        }
    } catch (...) {
        // Nothing unwinds into the system's dialog manager. A dialog whose initialisation failed
        // ends rather than wait for input that nothing of it would answer.
        if (message == WM_INITDIALOG) ::EndDialog(window, -1);
        return FALSE;
    }
}
