// What the printer driver holds while it shows one property sheet with a plug-in's pages: its
// private OEM heap, the context object, and the parameter blocks that the UI hooks receive.
#pragma once

#include <span>

#include "com_prop_sheet_host_win.h"
#include "common/win/unique_handle.h"
#include "host_devmode_win.h"
#include "oem_interfaces_win.h"

namespace qzr::host {

class DriverSession {
public:
    // devmode: the document's DEVMODE for a document sheet, null for the printer sheet. Both
    // must outlive the session.
    DriverSession(HMODULE plugin, HostDevmode* devmode);
    DriverSession(const DriverSession&) = delete;
    DriverSession& operator=(const DriverSession&) = delete;

    // False when the heap could not be created.
    explicit operator bool() const { return static_cast<bool>(heap_); }
    HANDLE heap() const { return heap_.get(); }
    printoem::OEMUIPSPARAM& sheetParams() { return sheetParams_; }

    // A PROPSHEETUI_INFO for the reason that leads the plug-in to host, with sheetParams as
    // lParamInit.
    PROPSHEETUI_INFO SheetInfo(WORD reason, ComPropSheetHost& host);

    // The driver's two CommonUIProp calls: the first asks how many items the plug-in wants, the
    // second hands over that many zeroed items from the OEM heap beside the driver's own.
    struct OptionItems {
        HRESULT countResult = E_FAIL, fillResult = E_FAIL;
        DWORD count = 0;
        OPTITEM* items = nullptr;  // in the OEM heap
        printoem::OEMCUIPCALLBACK callback = nullptr;
    };
    OptionItems ExchangeOptionItems(printoem::IPrintOemUI& plugin, DWORD mode,
                                    std::span<OPTITEM> driverItems);
    // The block the second call filled; the plug-in's callback receives it.
    printoem::OEMCUIPPARAM& optionParams() { return optionParams_; }

private:
    win::UniqueHeap heap_;
    printoem::OEMUIOBJ uiObject_{};
    wchar_t printerName_[16] = L"QZR-7300";
    printoem::OEMUIPSPARAM sheetParams_{};
    printoem::OEMCUIPPARAM optionParams_{};
};

}  // namespace qzr::host
