// qzrhost printer: the printer properties as the printer driver builds them with the plug-in.
#include <cstdio>

#include "commands_win.h"
#include "driver_session_win.h"
#include "sheet_runner_win.h"

namespace qzr::host {

int RunPrinter(const SheetOptions& options) {
    PluginLibrary library;
    const auto plugin = LoadPlugin(library, options.dllPath);
    if (!plugin) return 1;
    DriverSession session(library.module(), nullptr);
    if (!session) {
        ReportError("cannot create the driver's OEM heap");
        return 1;
    }
    const auto exchange = session.ExchangeOptionItems(*plugin.get(), printoem::OEMCUIP_PRNPROP, {});
    std::printf("CommonUIProp(OEMCUIP_PRNPROP): %s, %lu option items of the plug-in\n",
                SUCCEEDED(exchange.fillResult) ? "accepted" : "refused",
                static_cast<unsigned long>(exchange.count));

    ComPropSheetHost host(ComPropSheetHost::Mode::CreatePages);
    PROPSHEETUI_INFO info = session.SheetInfo(PROPSHEETUI_REASON_INIT, host);
    const HRESULT hr = plugin->DevicePropertySheets(&info, 0);
    std::printf("DevicePropertySheets(INIT): %s, Result %#llx, %zu page(s) created\n",
                HresultText(hr).c_str(), static_cast<unsigned long long>(info.Result),
                host.pages().size());
    if (FAILED(hr) || host.pages().empty()) {
        ReportError("the plug-in registered no page");
        return 1;
    }
    PROPSHEETUI_INFO_HEADER header{};
    header.cbSize = sizeof header;
    info.Reason = PROPSHEETUI_REASON_GET_INFO_HEADER;
    if (SUCCEEDED(plugin->DevicePropertySheets(&info, reinterpret_cast<LPARAM>(&header))) &&
        header.pTitle != nullptr)
        std::printf("DevicePropertySheets(GET_INFO_HEADER): title \"%s\"\n",
                    Narrow(header.pTitle).c_str());

    SheetRequest request;
    request.caption = L"QZR-7300 Properties";
    request.pages = host.TakePages();
    request.screenshotPath = options.screenshotPath;
    const std::optional<bool> ok = ShowSheet(std::move(request));
    if (!ok) return 1;
    PrintPageResults(host);

    EndSheetSession(*plugin.get(), &printoem::IPrintOemUI::DevicePropertySheets, info, host, *ok);
    std::printf("sheet closed with %s\n", *ok ? "OK" : "Cancel");
    return 0;
}

}  // namespace qzr::host
