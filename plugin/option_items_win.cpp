// CommonUIProp: the option items of the driver's own sheets. In the document properties the
// driver's colour option is hidden (the color-correction page offers its own colour mode) and the
// plug-in asks for three blank items; the printer properties get none.
#include <cstring>

#include "oem_ui_plugin_win.h"

namespace qzr::plugin {

namespace {

constexpr DWORD kDocumentOptionItems = 3;

LONG APIENTRY DocumentOptionCallback(PCPSUICBPARAM param, printoem::OEMCUIPPARAM*) {
    if (param != nullptr && param->Reason == CPSUICB_REASON_SETACTIVE)
        return CPSUICB_ACTION_OPTIF_CHANGED;
    return CPSUICB_ACTION_NONE;
}

LONG APIENTRY PrinterOptionCallback(PCPSUICBPARAM, printoem::OEMCUIPPARAM*) {
    return CPSUICB_ACTION_NONE;
}

void FillDocumentItems(printoem::OEMCUIPPARAM& param) {
    param.OEMCUIPCallback = DocumentOptionCallback;
    for (DWORD i = 0; i < param.cDrvOptItems; ++i) {
        OPTITEM& item = param.pDrvOptItems[i];
        if (item.DMPubID == DMPUB_COLOR) item.Flags |= OPTIF_HIDE;
    }
    std::memset(param.pOEMOptItems, 0, sizeof(OPTITEM) * param.cOEMOptItems);
    for (DWORD i = 0; i < param.cOEMOptItems; ++i) {
        param.pOEMOptItems[i].cbSize = sizeof(OPTITEM);
        param.pOEMOptItems[i].DMPubID = DMPUB_NONE;
    }
}

}  // namespace

HRESULT OemUiPlugin::CommonUIProp(DWORD dwMode, printoem::POEMCUIPPARAM pOemCUIPParam) {
    const bool document = dwMode == printoem::OEMCUIP_DOCPROP;
    // A driver list that is counted but absent would be walked through a null pointer.
    if ((!document && dwMode != printoem::OEMCUIP_PRNPROP) || pOemCUIPParam == nullptr ||
        (document && pOemCUIPParam->pOEMOptItems != nullptr &&
         pOemCUIPParam->pDrvOptItems == nullptr && pOemCUIPParam->cDrvOptItems != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    printoem::OEMCUIPPARAM& param = *pOemCUIPParam;
    if (param.pOEMOptItems == nullptr) {
        param.cOEMOptItems = document ? kDocumentOptionItems : 0;
        return S_OK;
    }
    if (document) {
        FillDocumentItems(param);
    } else {
        param.OEMCUIPCallback = PrinterOptionCallback;
    }
    return S_OK;
}

}  // namespace qzr::plugin
