// What the document and printer commands share: loading the plug-in, showing the sheet the
// driver builds from the registered pages, and the driver's closing calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "com_prop_sheet_host_win.h"
#include "common/win/com_ptr.h"
#include "plugin_loader_win.h"

namespace qzr::host {

// "qzrhost: <text>" on the error stream.
void ReportError(const std::string& text);
std::string Narrow(const std::wstring& text);

// The plug-in object as the driver creates it; empty after reporting why not.
win::ComPtr<printoem::IPrintOemUI> LoadPlugin(PluginLibrary& library, const std::wstring& path);

struct SheetRequest {
    std::wstring caption;
    std::vector<HPROPSHEETPAGE> pages;
    UINT startPage = 0;
    std::wstring screenshotPath;  // empty: the user closes the sheet
};

// Shows the sheet until it ends: true after OK, false after Cancel, nothing after a failure,
// which it reports. With a screenshot path, waits for the sheet to paint, captures it and ends it
// with OK.
std::optional<bool> ShowSheet(SheetRequest request);

// What the plug-in's pages told the sheet through CPSFUNC_SET_RESULT, one line per call.
void PrintPageResults(const ComPropSheetHost& host);

using PropertySheetHandler = HRESULT (STDMETHODCALLTYPE printoem::IPrintOemUI::*)(
    PPROPSHEETUI_INFO, LPARAM);

// The driver's closing calls once the sheet has ended: SET_RESULT with OK or Cancel, then DESTROY.
void EndSheetSession(printoem::IPrintOemUI& plugin, PropertySheetHandler handler,
                     PROPSHEETUI_INFO& info, ComPropSheetHost& host, bool ok);

}  // namespace qzr::host
