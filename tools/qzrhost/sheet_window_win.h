// A property sheet hosted modeless, so that the host keeps its thread: it pumps the sheet's
// messages itself, with bounded waits, and can read and press the sheet while it is open.
#pragma once

#include <string>
#include <vector>

#include "oem_interfaces_win.h"

namespace qzr::host {

class ModelessSheet {
public:
    ModelessSheet() = default;
    ModelessSheet(const ModelessSheet&) = delete;
    ModelessSheet& operator=(const ModelessSheet&) = delete;
    ~ModelessSheet();

    // Shows a sheet of pages (which it takes over, even on failure) starting on startPage.
    // False with the reason in error when the sheet cannot be created.
    bool Create(const std::wstring& caption, std::vector<HPROPSHEETPAGE> pages, UINT startPage,
                std::string& error);

    HWND window() const { return window_; }
    // True until the user (or PressButton) ends the sheet with OK or Cancel.
    bool IsOpen() const;
    HWND PageWindow(int index) const;  // null for a page whose dialog does not exist yet
    HWND CurrentPage() const;

    // Dispatches the messages of this thread until none has arrived for quietMs and nothing is
    // left to paint, or until timeoutMs have passed. False on timeout.
    bool PumpUntilIdle(DWORD quietMs = 100, DWORD timeoutMs = 5000);
    // Repaints the sheet and its pages now and lets the pending messages run.
    void PaintNow();

    // Changes tabs as a click on the tab would; false when the sheet refuses.
    bool SelectPage(int index);
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW...; the messages it causes are dispatched.
    void PressButton(int button);

    // Runs the sheet until it ends; true when it ended with OK, false with Cancel.
    bool RunUntilClosed();

private:
    HWND window_ = nullptr;
};

}  // namespace qzr::host
