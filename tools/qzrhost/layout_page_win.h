// The host's own "Layout" page, which a real driver's document sheet has beside the plug-in's
// pages: with it, changing tabs sends the page notifications a real sheet sends. Its dialog
// template is built in memory, so any program that links the host support can show it.
#pragma once

#include "oem_interfaces_win.h"

namespace qzr::host {

// A new page; a property sheet that is given it destroys it, else DestroyPropertySheetPage.
HPROPSHEETPAGE CreateLayoutPage();

}  // namespace qzr::host
