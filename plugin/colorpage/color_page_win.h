// The color-correction page's dialog procedure; its lParam at WM_INITDIALOG carries the
// PageContext.
#pragma once

#include "common/win/win_include.h"

namespace qzr::plugin {

INT_PTR CALLBACK ColorPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qzr::plugin
