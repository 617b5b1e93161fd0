// Windows and dialogs in the manner of the class library: a dialog object runs its template
// modally and receives its messages through its message map.
#pragma once

#include "message_map_win.h"

class CWnd : public CCmdTarget {
  public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

  protected:
    // Runs a message through the message maps: the window's own, then, for a command that it does
    // not handle, the application's. False when the system's default processing is to run.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // From inside a handler: let the system's default processing have the message after all.
    void Default() { defaultRequested_ = true; }

    void OnPaint() { Default(); }

  private:
    bool defaultRequested_ = false;
};

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : templateId_(templateId), parent_(parent) {}

    // The code given to EndDialog, or -1 when the dialog could not be created or initialised. A
    // dialog ended inside OnInitDialog is destroyed as soon as its creation finishes and enters no
    // message loop; Windows never shows it (Wine shows it for a moment).
    virtual INT_PTR DoModal();

    // The base has no dialog data to exchange; it answers TRUE (focus to the first control).
    virtual BOOL OnInitDialog() { return TRUE; }

    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    CWnd* parent_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class CPaintDC {
  public:
    explicit CPaintDC(CWnd* window) : window_(window->m_hWnd) {
        m_hDC = BeginPaint(window_, &m_ps);
    }
    ~CPaintDC() { EndPaint(window_, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    operator HDC() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    PAINTSTRUCT m_ps{};
    HDC m_hDC;

  private:
    HWND window_;
};
