// A plug-in object and what the driver hands its UI hooks: an OEM heap, a DEVMODE's private
// record with settings of its own, and the sheet parameters that point at them.
#pragma once

#include "com_prop_sheet_host_win.h"
#include "common/win/unique_handle.h"
#include "plugin_fixture_win.h"
#include "private_devmode.h"

namespace qzr::test {

class HooksTest : public PluginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A PROPSHEETUI_INFO as the driver passes it for reason, leading to host.
    PROPSHEETUI_INFO SheetInfo(WORD reason, host::ComPropSheetHost& host);

    // Whether address lies in the loaded plug-in's image (its code and data).
    bool InModule(const void* address) const;

    win::ComPtr<printoem::IPrintOemUI> plugin;
    win::UniqueHeap heap;
    PrivateDevmode record{};
    DEVMODEW publicDm{};
    printoem::OEMUIPSPARAM params{};
};

}  // namespace qzr::test
