#include "sheet_runner_win.h"

#include <cstdio>

#include "driver_ui_stub_win.h"
#include "sheet_window_win.h"
#include "utf16.h"
#include "window_capture_win.h"

namespace qzr::host {

void ReportError(const std::string& text) {
    std::fprintf(stderr, "qzrhost: %s\n", text.c_str());
}

std::string Narrow(const std::wstring& text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

win::ComPtr<printoem::IPrintOemUI> LoadPlugin(PluginLibrary& library, const std::wstring& path) {
    std::string error;
    if (!library.Load(path, error)) {
        ReportError(Narrow(path) + ": " + error);
        return {};
    }
    auto* driverUi = new DriverUiStub;
    auto plugin = library.CreatePlugin(driverUi, error);
    driverUi->Release();
    if (!plugin) ReportError(error);
    return plugin;
}

std::optional<bool> ShowSheet(SheetRequest request) {
    ModelessSheet sheet;
    std::string error;
    if (!sheet.Create(request.caption, std::move(request.pages), request.startPage, error)) {
        ReportError(error);
        return std::nullopt;
    }
    if (!request.screenshotPath.empty()) {
        sheet.PaintNow();
        const std::optional<RgbImage> image = CaptureWindow(sheet.window());
        if (!image) {
            ReportError("cannot capture the sheet window");
            return std::nullopt;
        }
        if (!SavePng(*image, request.screenshotPath, error)) {
            ReportError(Narrow(request.screenshotPath) + ": " + error);
            return std::nullopt;
        }
        std::printf("screenshot %s (%u x %u)\n", Narrow(request.screenshotPath).c_str(),
                    image->width, image->height);
        sheet.PressButton(PSBTN_OK);
    }
    return sheet.RunUntilClosed();
}

void PrintPageResults(const ComPropSheetHost& host) {
    for (const ComPropSheetHost::Call& call : host.calls()) {
        if (call.function != CPSFUNC_SET_RESULT) continue;
        const auto* page = reinterpret_cast<HPROPSHEETPAGE>(call.lParam1);
        bool own = false;
        for (const ComPropSheetHost::Call& add : host.calls())
            own = own || (add.function == CPSFUNC_ADD_PROPSHEETPAGEW && add.answer != 0 &&
                          add.answer == call.lParam1);
        std::printf("page %p reported result %lld to the sheet%s\n", static_cast<const void*>(page),
                    static_cast<long long>(call.lParam2),
                    own ? " (a page it added)" : " (not a page handle it was given)");
    }
}

void EndSheetSession(printoem::IPrintOemUI& plugin, PropertySheetHandler handler,
                     PROPSHEETUI_INFO& info, ComPropSheetHost& host, bool ok) {
    SETRESULT_INFO result{};
    result.cbSize = sizeof result;
    result.hSetResult = host.handle();
    result.Result = ok ? CPSUI_OK : CPSUI_CANCEL;
    info.Reason = PROPSHEETUI_REASON_SET_RESULT;
    (plugin.*handler)(&info, reinterpret_cast<LPARAM>(&result));
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    (plugin.*handler)(&info, 0);
}

}  // namespace qzr::host
