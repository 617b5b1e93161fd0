// Reads an extended dialog template (DLGTEMPLATEEX) from a module's resources, so tests can
// check each control exactly as the template stores it: the dialog manager and the controls
// adjust some styles and sizes when they create the windows.
#pragma once

#include <string>
#include <vector>

#include "common/win/win_include.h"

namespace qzr::test {

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    int id = 0;
    std::wstring className;  // predefined classes by name ("Button", "Edit", "Static", ...)
    std::wstring text;       // a resource ordinal reads as "#128"
};

struct DialogTemplate {
    DWORD style = 0;
    short width = 0, height = 0;
    std::wstring caption;
    WORD fontPoints = 0;
    std::wstring fontName;
    std::vector<TemplateItem> items;
};

// False when the module has no such template or it is not an extended one.
bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate& out);

}  // namespace qzr::test
