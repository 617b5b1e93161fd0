// What links one registration of the color-correction page to its property sheet. It is
// allocated zero-filled from the driver's OEM heap at registration and handed to the page as the
// lParam of its page description; the plug-in never frees it (the heap is the driver's).
#pragma once

#include <cstddef>

#include "color_settings.h"
#include "oem_interfaces_win.h"

namespace qzr::plugin {

struct PageContext {
    HANDLE sheetHandle;                // hComPropSheet at registration
    HANDLE pageHandle;                 // the answer of CPSFUNC_ADD_PROPSHEETPAGEW
    printoem::OEMUIPSPARAM* uiParams;  // lParamInit at registration; pOEMDM is the record
    PFNCOMPROPSHEET comPropSheet;      // pfnComPropSheet at registration
    ColorSettings savedSettings;       // the settings last applied
};

#ifdef _WIN64
static_assert(offsetof(PageContext, pageHandle) == 8);
static_assert(offsetof(PageContext, uiParams) == 16);
static_assert(offsetof(PageContext, comPropSheet) == 24);
static_assert(offsetof(PageContext, savedSettings) == 32);
static_assert(sizeof(PageContext) == 80);
#endif

}  // namespace qzr::plugin
