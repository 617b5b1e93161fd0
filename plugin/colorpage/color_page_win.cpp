// The smallest real color-correction page: its template shows the tab, and the procedure leaves
// every message to the dialog manager.
#include "color_page_win.h"

namespace qzr::plugin {

INT_PTR CALLBACK ColorPageDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace qzr::plugin
