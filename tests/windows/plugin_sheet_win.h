// The plug-in's pages in a real property sheet, opened the way the driver opens it: the private
// heap and parameter blocks, the registration through a pfnComPropSheet that creates the pages,
// and a modeless sheet that the test drives with messages. The host's "Layout" page comes first,
// so a test can leave a plug-in page and return to it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "com_prop_sheet_host_win.h"
#include "driver_session_win.h"
#include "host_devmode_win.h"
#include "sheet_window_win.h"

namespace qzr::test {

class PluginSheet {
public:
    enum class Kind { Document, Printer };

    // Registers the plug-in's pages for the sheet of that kind (the document sheet with a
    // default DEVMODE) and shows them after the Layout page, on page startPage. False with the
    // reason in error.
    bool Open(printoem::IPrintOemUI& plugin, HMODULE module, Kind kind, UINT startPage,
              std::string& error);

    // The dialog of the plug-in's first page, once it has been activated.
    HWND PluginPage() const { return sheet.PageWindow(1); }
    std::wstring Text(HWND page, int controlId) const;

    host::ComPropSheetHost host{host::ComPropSheetHost::Mode::CreatePages};
    std::optional<host::HostDevmode> devmode;
    std::unique_ptr<host::DriverSession> session;
    PROPSHEETUI_INFO info{};
    host::ModelessSheet sheet;  // last: destroyed first, while the records above still exist
};

}  // namespace qzr::test
