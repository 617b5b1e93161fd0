// The Version page of the printer properties: it reads the driver's files afresh each time it
// becomes the active page and writes nothing.
#pragma once

#include "common/win/win_include.h"

namespace qzr::plugin {

INT_PTR CALLBACK VersionPageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qzr::plugin
