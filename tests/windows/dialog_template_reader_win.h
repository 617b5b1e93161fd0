// Reads a DIALOGEX template out of a module's resources, so tests can compare a page's controls,
// styles and positions with what the page must show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/win/win_include.h"

namespace qzr::test {

struct DialogItem {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    WORD classAtom = 0;      // 0x0080 button, 0x0081 edit, 0x0082 static...; 0 for a name
    std::wstring className;  // when the class is named
    std::wstring text;       // when the text is a string
    WORD textOrdinal = 0;    // when it is a resource number (a bitmap's, an icon's)
};

struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring caption;
    WORD pointSize = 0;
    std::wstring font;
    std::vector<DialogItem> items;
};

// Nothing when the module has no such dialog or it is not a well-formed DIALOGEX.
std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, WORD id);

}  // namespace qzr::test
