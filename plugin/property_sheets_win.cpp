// DocumentPropertySheets and DevicePropertySheets: the plug-in's pages in the driver's document
// and printer property sheets, registered through the driver's pfnComPropSheet.
#include "colorpage/color_page_win.h"
#include "module_win.h"
#include "oem_ui_plugin_win.h"
#include "page_context_win.h"
#include "private_devmode.h"
#include "res/resource_ids.h"
#include "versionpage/version_page_win.h"

namespace qzr::plugin {

namespace {

// The driver shows this title on the printer sheet; it must outlive the call.
wchar_t deviceSheetTitle[] = L"OEM UI Page";

printoem::PROPSHEETPAGEW_FULL DescribePage(WORD templateId, DLGPROC procedure, LPARAM lParam) {
    printoem::PROPSHEETPAGEW_FULL page{};
    page.base.dwSize = sizeof page;
    page.base.hInstance = ModuleHandle();
    page.base.pszTemplate = MAKEINTRESOURCEW(templateId);
    page.base.pfnDlgProc = procedure;
    page.base.lParam = lParam;
    return page;
}

LONG_PTR AddPage(const PROPSHEETUI_INFO& info, const printoem::PROPSHEETPAGEW_FULL& page) {
    return info.pfnComPropSheet(info.hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                reinterpret_cast<LPARAM>(&page), 0);
}

HRESULT InvalidParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
}

// A registration needs the callback, and the document page also the driver's heap and record.
bool CanRegister(const PROPSHEETUI_INFO& info, bool document) {
    if (info.pfnComPropSheet == nullptr) return false;
    if (!document) return true;
    const auto* params = reinterpret_cast<const printoem::OEMUIPSPARAM*>(info.lParamInit);
    return params != nullptr && params->hOEMHeap != nullptr && params->pOEMDM != nullptr;
}

// The checks every reason shares; on failure nothing has been written.
bool IsUsable(const PROPSHEETUI_INFO* info, LPARAM lParam, bool document) {
    if (info == nullptr || info->Version != PROPSHEETUI_INFO_VERSION) return false;
    switch (info->Reason) {
        case PROPSHEETUI_REASON_INIT:
            return CanRegister(*info, document);
        case PROPSHEETUI_REASON_GET_INFO_HEADER:
        case PROPSHEETUI_REASON_SET_RESULT:
            return lParam != 0;
        default:
            return true;
    }
}

HRESULT RegisterColorPage(PROPSHEETUI_INFO& info) {
    auto* params = reinterpret_cast<printoem::OEMUIPSPARAM*>(info.lParamInit);
    auto* context = static_cast<PageContext*>(
        HeapAlloc(params->hOEMHeap, HEAP_ZERO_MEMORY, sizeof(PageContext)));
    if (context == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return E_FAIL;
    }
    context->sheetHandle = info.hComPropSheet;
    context->comPropSheet = info.pfnComPropSheet;
    context->savedSettings = static_cast<const PrivateDevmode*>(params->pOEMDM)->settings;
    context->uiParams = params;
    const auto page =
        DescribePage(IDD_COLOR_PAGE, ColorPageDlgProc, reinterpret_cast<LPARAM>(context));
    // The page reports its apply for this handle; a null one would tell the sheet nothing.
    context->pageHandle = reinterpret_cast<HANDLE>(AddPage(info, page));
    info.Result = static_cast<ULONG_PTR>(
        info.pfnComPropSheet(info.hComPropSheet, CPSFUNC_GET_PAGECOUNT, 0, 0));
    return S_OK;
}

}  // namespace

HRESULT OemUiPlugin::DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    if (!IsUsable(pPSUIInfo, lParam, true)) return InvalidParameter();
    PROPSHEETUI_INFO& info = *pPSUIInfo;
    switch (info.Reason) {
        case PROPSHEETUI_REASON_INIT:
            return RegisterColorPage(info);
        case PROPSHEETUI_REASON_GET_INFO_HEADER:
            reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam)->pTitle = nullptr;
            info.Result = 1;
            return S_OK;
        case PROPSHEETUI_REASON_DESTROY:
            info.Result = 1;  // the PageContext lives on in the driver's heap
            return S_OK;
        case PROPSHEETUI_REASON_SET_RESULT:
            info.Result = static_cast<ULONG_PTR>(reinterpret_cast<SETRESULT_INFO*>(lParam)->Result);
            return S_OK;
        default:
            info.Result = 0;
            return S_OK;
    }
}

HRESULT OemUiPlugin::DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) {
    if (!IsUsable(pPSUIInfo, lParam, false)) return InvalidParameter();
    PROPSHEETUI_INFO& info = *pPSUIInfo;
    switch (info.Reason) {
        case PROPSHEETUI_REASON_INIT:
            info.Result = static_cast<ULONG_PTR>(
                AddPage(info, DescribePage(IDD_VERSION_PAGE, VersionPageProc, 0)));
            return S_OK;
        case PROPSHEETUI_REASON_GET_INFO_HEADER:
            reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam)->pTitle = deviceSheetTitle;
            info.Result = 1;
            return S_OK;
        case PROPSHEETUI_REASON_DESTROY:
            info.Result = 1;
            return S_OK;
        case PROPSHEETUI_REASON_SET_RESULT:
            info.Result = static_cast<ULONG_PTR>(reinterpret_cast<SETRESULT_INFO*>(lParam)->Result);
            return S_OK;
        default:
            info.Result = 0;
            return S_OK;
    }
}

}  // namespace qzr::plugin
