#include "plugin_loader_win.h"

#include <cstdio>

namespace qzr::host {

std::string HresultText(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

std::wstring PluginBesideProgram() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return L"QZR7300UI.dll";
    std::wstring result(path, length);
    const auto slash = result.find_last_of(L"\\/");
    result.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return result + L"QZR7300UI.dll";
}

bool PluginLibrary::Load(const std::wstring& path, std::string& error) {
    module_.reset(LoadLibraryW(path.c_str()));
    if (!module_) {
        error = "cannot load the plug-in DLL (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    // GetProcAddress answers FARPROC; the exports' real types are known from the interface.
    getClassObject = reinterpret_cast<DllGetClassObjectFn>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "DllGetClassObject")));
    canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "DllCanUnloadNow")));
    if (getClassObject == nullptr || canUnloadNow == nullptr) {
        error = "the DLL lacks DllGetClassObject or DllCanUnloadNow";
        Unload();
        return false;
    }
    return true;
}

win::ComPtr<printoem::IPrintOemUI> PluginLibrary::CreatePlugin(IUnknown* driverUi,
                                                               std::string& error) const {
    win::ComPtr<IClassFactory> factory;
    HRESULT hr = getClassObject(printoem::CLSID_OEMUI, IID_IClassFactory, factory.put_void());
    if (FAILED(hr)) {
        error = "DllGetClassObject failed: " + HresultText(hr);
        return {};
    }
    win::ComPtr<IUnknown> unknown;
    hr = factory->CreateInstance(nullptr, IID_IUnknown, unknown.put_void());
    if (FAILED(hr)) {
        error = "CreateInstance failed: " + HresultText(hr);
        return {};
    }
    win::ComPtr<printoem::IPrintOemUI> plugin;
    hr = unknown->QueryInterface(printoem::IID_IPrintOemUI, plugin.put_void());
    if (FAILED(hr)) {
        error = "the object does not answer IPrintOemUI: " + HresultText(hr);
        return {};
    }
    hr = plugin->PublishDriverInterface(driverUi);
    if (FAILED(hr)) {
        error = "PublishDriverInterface failed: " + HresultText(hr);
        return {};
    }
    return plugin;
}

}  // namespace qzr::host
