#include "driver_session_win.h"

#include <algorithm>

namespace qzr::host {

DriverSession::DriverSession(HMODULE plugin, HostDevmode* devmode) : heap_(HeapCreate(0, 0, 0)) {
    uiObject_.cbSize = sizeof uiObject_;
    sheetParams_.cbSize = sizeof sheetParams_;
    sheetParams_.poemuiobj = &uiObject_;
    sheetParams_.pPrinterName = printerName_;
    sheetParams_.hModule = plugin;
    sheetParams_.hOEMHeap = heap_.get();
    if (devmode != nullptr) {
        sheetParams_.pPublicDM = devmode->publicPart();
        sheetParams_.pOEMDM = devmode->privatePart();
    }
    optionParams_.cbSize = sizeof optionParams_;
    optionParams_.poemuiobj = &uiObject_;
    optionParams_.pPrinterName = printerName_;
    optionParams_.hModule = plugin;
    optionParams_.hOEMHeap = heap_.get();
    optionParams_.pPublicDM = sheetParams_.pPublicDM;
    optionParams_.pOEMDM = sheetParams_.pOEMDM;
}

PROPSHEETUI_INFO DriverSession::SheetInfo(WORD reason, ComPropSheetHost& host) {
    PROPSHEETUI_INFO info{};
    info.cbSize = sizeof info;
    info.Version = PROPSHEETUI_INFO_VERSION;
    info.Reason = reason;
    info.hComPropSheet = host.handle();
    info.pfnComPropSheet = host.callback();
    info.lParamInit = reinterpret_cast<LPARAM>(&sheetParams_);
    return info;
}

DriverSession::OptionItems DriverSession::ExchangeOptionItems(printoem::IPrintOemUI& plugin,
                                                              DWORD mode,
                                                              std::span<OPTITEM> driverItems) {
    OptionItems result;
    optionParams_.pDrvOptItems = driverItems.data();
    optionParams_.cDrvOptItems = static_cast<DWORD>(driverItems.size());
    optionParams_.pOEMOptItems = nullptr;
    optionParams_.cOEMOptItems = 0;
    result.countResult = plugin.CommonUIProp(mode, &optionParams_);
    if (FAILED(result.countResult)) return result;
    result.count = optionParams_.cOEMOptItems;
    // A block even when no item is wanted: a null array would read as another count query.
    result.items = static_cast<OPTITEM*>(HeapAlloc(
        heap_.get(), HEAP_ZERO_MEMORY, sizeof(OPTITEM) * std::max<DWORD>(result.count, 1)));
    if (result.items == nullptr) return result;
    optionParams_.pOEMOptItems = result.items;
    optionParams_.cOEMOptItems = result.count;
    result.fillResult = plugin.CommonUIProp(mode, &optionParams_);
    result.callback = optionParams_.OEMCUIPCallback;
    return result;
}

}  // namespace qzr::host
