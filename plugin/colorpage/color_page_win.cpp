// The page's messages, handed to the platform-free page logic with the real controls. Every
// handler finds the context afresh in DWLP_USER; the page keeps no other state.
#include "color_page_win.h"

#include <commctrl.h>

#include "config_files_win.h"
#include "page_controls_win.h"
#include "page_events.h"
#include "preview_file_win.h"
#include "preview_paint_win.h"

namespace qzr::plugin {

namespace {

using colorpage::FileCommand;
using colorpage::SheetNotification;

static_assert(colorpage::kButtonClicked == BN_CLICKED);
static_assert(colorpage::kBoxLostFocus == EN_KILLFOCUS);
static_assert(colorpage::kBoxUpdate == EN_UPDATE);

SheetNotification SheetNotificationOf(UINT code) {
    switch (code) {
        case PSN_SETACTIVE:
            return SheetNotification::SetActive;
        case PSN_KILLACTIVE:
            return SheetNotification::KillActive;
        case PSN_APPLY:
            return SheetNotification::Apply;
        default:
            return SheetNotification::Other;
    }
}

void InitDialog(HWND dialog, LPARAM lParam) {
    const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
    if (page == nullptr) return;
    auto* context = reinterpret_cast<PageContext*>(page->lParam);
    const auto records = RecordsOf(context);
    if (!records) return;
    DialogPageControls controls(dialog);
    colorpage::SetUpControls(controls, records->devmode.settings);
    // Before any box is written: every write calls back into the page, which looks here.
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
    colorpage::FillBoxes(controls, records->devmode);
}

void Command(HWND dialog, WPARAM wParam) {
    const auto records = RecordsOf(FindPageContext(dialog));
    if (!records) return;
    DialogPageControls controls(dialog);
    const FileCommand command =
        colorpage::OnCommand(controls, *records, HIWORD(wParam), LOWORD(wParam));
    switch (command) {
        case FileCommand::SelectPreviewFile:
            SelectPreviewFile(dialog, *records, controls);
            break;
        case FileCommand::SaveConfiguration:
            SaveConfiguration(dialog, controls);
            break;
        case FileCommand::LoadConfiguration:
            LoadConfiguration(dialog, controls, *records);
            break;
        case FileCommand::None:
            break;
    }
}

void HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitDialog(dialog, lParam);
            return;
        case WM_COMMAND:
            Command(dialog, wParam);
            return;
        case WM_PAINT:
            PaintPreview(dialog);
            return;
        default:
            break;
    }
    if (message != WM_HSCROLL && message != WM_NOTIFY) return;
    const auto records = RecordsOf(FindPageContext(dialog));
    if (!records) return;
    DialogPageControls controls(dialog);
    if (message == WM_HSCROLL) {
        colorpage::OnSliderMoved(controls, *records);
    } else if (const auto* header = reinterpret_cast<const NMHDR*>(lParam)) {
        colorpage::OnSheetNotification(controls, *records, SheetNotificationOf(header->code));
    }
}

}  // namespace

INT_PTR CALLBACK ColorPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may unwind into the property sheet; a failed step leaves the page as it was.
    try {
        HandleMessage(dialog, message, wParam, lParam);
    } catch (...) {
    }
    return 0;
}

}  // namespace qzr::plugin
