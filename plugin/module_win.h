// Module-wide state of the plug-in DLL.
#pragma once

#include "common/win/win_include.h"

namespace qzr::plugin {

// Set once at process attach; the pages take their templates, icons and bitmaps from it.
HINSTANCE ModuleHandle();

// Live COM objects of this module; DllCanUnloadNow keeps the module loaded while any lives.
void ObjectCreated();
void ObjectDestroyed();

}  // namespace qzr::plugin
