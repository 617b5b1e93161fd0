// The page's messages to the user: a plain box with no owner window, the system's default
// caption and an OK button.
#pragma once

#include "common/win/win_include.h"

namespace qzr::plugin {

inline void ShowPageMessage(const wchar_t* text) {
    MessageBoxW(nullptr, text, nullptr, MB_OK);
}

}  // namespace qzr::plugin
