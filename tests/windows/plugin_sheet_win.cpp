#include "plugin_sheet_win.h"

#include <iterator>
#include <vector>

#include "layout_page_win.h"
#include "plugin_loader_win.h"

namespace qzr::test {

bool PluginSheet::Open(printoem::IPrintOemUI& plugin, HMODULE module, Kind kind, UINT startPage,
                       std::string& error) {
    if (kind == Kind::Document) {
        devmode = host::MakeDocumentDevmode(plugin, module, nullptr, error);
        if (!devmode) return false;
    }
    session = std::make_unique<host::DriverSession>(module, devmode ? &*devmode : nullptr);
    info = session->SheetInfo(PROPSHEETUI_REASON_INIT, host);
    const HRESULT hr = kind == Kind::Document ? plugin.DocumentPropertySheets(&info, 0)
                                              : plugin.DevicePropertySheets(&info, 0);
    if (FAILED(hr) || host.pages().empty()) {
        error = "the plug-in registered no page: " + host::HresultText(hr);
        return false;
    }
    std::vector<HPROPSHEETPAGE> pages = {host::CreateLayoutPage()};
    for (HPROPSHEETPAGE page : host.TakePages()) pages.push_back(page);
    if (!sheet.Create(
            kind == Kind::Document ? L"QZR-7300 Printing Preferences" : L"QZR-7300 Properties",
            std::move(pages), startPage, error))
        return false;
    sheet.PumpUntilIdle();
    return true;
}

std::wstring PluginSheet::Text(HWND page, int controlId) const {
    wchar_t text[512] = L"";
    GetDlgItemTextW(page, controlId, text, static_cast<int>(std::size(text)));
    return text;
}

}  // namespace qzr::test
