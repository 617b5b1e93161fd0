// The color-correction page's dialog procedure; its lParam at WM_INITDIALOG is the page's
// PROPSHEETPAGEW, whose own lParam carries the PageContext.
#pragma once

#include "common/win/win_include.h"

namespace qzr::plugin {

// Answers 0 to every message, handled or not.
INT_PTR CALLBACK ColorPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qzr::plugin
