// The driver's UI hooks. Until the property pages exist the plug-in offers the driver nothing
// here, which it accepts from any plug-in.
#include "oem_ui_plugin_win.h"

namespace qzr::plugin {

HRESULT OemUiPlugin::CommonUIProp(DWORD, printoem::POEMCUIPPARAM) { return E_NOTIMPL; }

HRESULT OemUiPlugin::DocumentPropertySheets(PPROPSHEETUI_INFO, LPARAM) { return E_NOTIMPL; }

HRESULT OemUiPlugin::DevicePropertySheets(PPROPSHEETUI_INFO, LPARAM) { return E_NOTIMPL; }

HRESULT OemUiPlugin::QueryColorProfile(HANDLE, printoem::POEMUIOBJ, PDEVMODEW, PVOID, ULONG,
                                       VOID*, ULONG*, FLONG*) {
    return E_NOTIMPL;
}

}  // namespace qzr::plugin
