// Loads a plug-in DLL by path and creates its plug-in object the way the printer driver does:
// DllGetClassObject(CLSID_OEMUI), CreateInstance(IID_IUnknown), QueryInterface(IID_IPrintOemUI),
// then PublishDriverInterface with the driver's own IPrintOemDriverUI.
#pragma once

#include <string>

#include "common/win/com_ptr.h"
#include "common/win/unique_handle.h"
#include "oem_interfaces_win.h"

namespace qzr::host {

using DllGetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);
using DllCanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

class PluginLibrary {
public:
    // False with a message in error when the DLL or one of its exports cannot be had.
    bool Load(const std::wstring& path, std::string& error);

    HMODULE module() const { return module_.get(); }
    DllGetClassObjectFn getClassObject = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;

    // The plug-in object, with driverUi published to it. Empty with a message on failure.
    win::ComPtr<printoem::IPrintOemUI> CreatePlugin(IUnknown* driverUi, std::string& error) const;

    void Unload() {
        getClassObject = nullptr;
        canUnloadNow = nullptr;
        module_.reset();
    }

private:
    win::UniqueModule module_;
};

// "0x80004005" style text for messages.
std::string HresultText(HRESULT hr);

// The default plug-in path: QZR7300UI.dll beside the running program.
std::wstring PluginBesideProgram();

}  // namespace qzr::host
