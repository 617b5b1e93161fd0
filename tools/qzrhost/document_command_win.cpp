// qzrhost document: the document properties as the printer driver builds them with the plug-in,
// from a default or given DEVMODE; after OK the plug-in's private record is printed and the
// DEVMODE can be saved.
#include <cstdio>
#include <iterator>

#include "commands_win.h"
#include "driver_session_win.h"
#include "file_io_win.h"
#include "layout_page_win.h"
#include "private_devmode.h"
#include "private_devmode_text.h"
#include "sheet_runner_win.h"

namespace qzr::host {

namespace {

// A DEVMODEW and the largest private part dmDriverExtra can describe.
constexpr std::size_t kLargestDevmodeFile = sizeof(DEVMODEW) + 0xFFFF;

// Some of the driver's own document options; the colour option is the one the plug-in hides.
struct DriverItems {
    wchar_t orientation[12] = L"Orientation";
    wchar_t color[6] = L"Color";
    wchar_t quality[14] = L"Print quality";
    OPTITEM items[3]{};

    DriverItems() {
        const std::pair<wchar_t*, BYTE> named[] = {
            {orientation, DMPUB_ORIENTATION}, {color, DMPUB_COLOR}, {quality, DMPUB_PRINTQUALITY}};
        for (std::size_t i = 0; i < std::size(items); ++i) {
            items[i].cbSize = sizeof(OPTITEM);
            items[i].pName = named[i].first;
            items[i].DMPubID = named[i].second;
        }
    }
};

std::optional<HostDevmode> ReadDevmode(const std::wstring& path) {
    std::string error;
    auto bytes = ReadWholeFile(path, kLargestDevmodeFile, error);
    std::optional<HostDevmode> devmode;
    if (bytes) devmode = HostDevmode::Parse(std::move(*bytes), error);
    if (!devmode) ReportError(Narrow(path) + ": not a usable DEVMODE file: " + error);
    return devmode;
}

void PrintOptionItems(const DriverSession::OptionItems& exchange, const DriverItems& driver) {
    std::printf("CommonUIProp(OEMCUIP_DOCPROP): %s, %lu option items of the plug-in\n",
                SUCCEEDED(exchange.fillResult) ? "accepted" : "refused",
                static_cast<unsigned long>(exchange.count));
    for (const OPTITEM& item : driver.items)
        if (item.Flags & OPTIF_HIDE)
            std::printf("  the driver's option \"%s\" is hidden\n", Narrow(item.pName).c_str());
}

}  // namespace

int RunDocument(const SheetOptions& options) {
    std::optional<HostDevmode> input;
    if (!options.devmodePath.empty() && !(input = ReadDevmode(options.devmodePath))) return 1;
    PluginLibrary library;
    const auto plugin = LoadPlugin(library, options.dllPath);
    if (!plugin) return 1;
    std::string error;
    std::optional<HostDevmode> devmode =
        MakeDocumentDevmode(*plugin.get(), library.module(), input ? &*input : nullptr, error);
    if (!devmode) {
        ReportError(error);
        return 1;
    }
    DriverSession session(library.module(), &*devmode);
    if (!session) {
        ReportError("cannot create the driver's OEM heap");
        return 1;
    }

    DriverItems driverItems;
    const auto exchange =
        session.ExchangeOptionItems(*plugin.get(), printoem::OEMCUIP_DOCPROP, driverItems.items);
    PrintOptionItems(exchange, driverItems);

    ComPropSheetHost host(ComPropSheetHost::Mode::CreatePages);
    PROPSHEETUI_INFO info = session.SheetInfo(PROPSHEETUI_REASON_INIT, host);
    const HRESULT hr = plugin->DocumentPropertySheets(&info, 0);
    std::printf("DocumentPropertySheets(INIT): %s, Result %llu, %zu page(s) created\n",
                HresultText(hr).c_str(), static_cast<unsigned long long>(info.Result),
                host.pages().size());
    if (FAILED(hr) || host.pages().empty()) {
        ReportError("the plug-in registered no page");
        return 1;
    }

    SheetRequest request;
    request.caption = L"QZR-7300 Printing Preferences";
    request.pages.push_back(CreateLayoutPage());
    for (HPROPSHEETPAGE page : host.TakePages()) request.pages.push_back(page);
    request.startPage = 1;  // the plug-in's first page, after the driver's own
    request.screenshotPath = options.screenshotPath;
    const std::optional<bool> ok = ShowSheet(std::move(request));
    if (!ok) return 1;
    PrintPageResults(host);

    EndSheetSession(*plugin.get(), &printoem::IPrintOemUI::DocumentPropertySheets, info, host, *ok);

    if (!*ok) {
        std::printf("sheet cancelled: the DEVMODE is left as it was%s\n",
                    options.saveDevmodePath.empty() ? "" : ", nothing saved");
        return 0;
    }
    std::printf(
        "sheet closed with OK; private record:\n%s",
        DescribePrivateDevmode(*static_cast<const PrivateDevmode*>(devmode->privatePart()), "  ")
            .c_str());
    if (!options.saveDevmodePath.empty()) {
        if (!WriteWholeFile(options.saveDevmodePath, devmode->bytes(), error)) {
            ReportError(Narrow(options.saveDevmodePath) + ": " + error);
            return 1;
        }
        std::printf("DEVMODE saved to %s (%zu bytes)\n", Narrow(options.saveDevmodePath).c_str(),
                    devmode->bytes().size());
    }
    return 0;
}

}  // namespace qzr::host
