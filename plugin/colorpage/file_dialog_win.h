// How the page sets up its open and save dialogs: owned by the page, the first filter selected,
// and a name buffer as long as the record's path, so a chosen path and its NUL always fit there.
#pragma once

#include "common/win/win_include.h"

#include <commdlg.h>

#include "private_devmode.h"

namespace qzr::plugin {

inline constexpr DWORD kDialogPathUnits = kPathUnits;

// Every member not set here stays 0: the dialogs' own defaults.
inline OPENFILENAMEW FileDialogSetup(HWND dialog, const wchar_t* filter, wchar_t* file) {
    OPENFILENAMEW setup{};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = dialog;
    setup.lpstrFilter = filter;
    setup.nFilterIndex = 1;
    setup.lpstrFile = file;
    setup.nMaxFile = kDialogPathUnits;
    return setup;
}

}  // namespace qzr::plugin
