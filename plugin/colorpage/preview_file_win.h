// "Select file": the user picks the preview's picture. The path goes into the driver's record at
// once, without Apply; the next paint reads the file.
#pragma once

#include "common/win/win_include.h"
#include "page_controls.h"

namespace qzr::plugin {

void SelectPreviewFile(HWND dialog, const colorpage::PageRecords& records,
                       colorpage::PageControls& controls);

}  // namespace qzr::plugin
