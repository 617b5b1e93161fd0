// "Save configuration" and "Load configuration": the file dialogs, the ".COL" file and the
// messages. What goes into and comes out of the file is the page logic's.
#pragma once

#include "common/win/win_include.h"
#include "page_controls.h"

namespace qzr::plugin {

void SaveConfiguration(HWND dialog, colorpage::PageControls& controls);

void LoadConfiguration(HWND dialog, colorpage::PageControls& controls,
                       const colorpage::PageRecords& records);

}  // namespace qzr::plugin
