#include "class_factory_win.h"

#include <atomic>
#include <new>

#include "oem_ui_plugin_win.h"

namespace qzr::plugin {

namespace {
std::atomic<LONG> lockCount{0};
}

LONG LockCount() { return lockCount; }

HRESULT OemUiClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG OemUiClassFactory::Release() {
    const ULONG count = count_.Release();
    if (count == 0) delete this;
    return count;
}

HRESULT OemUiClassFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) {
    if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
    if (ppv == nullptr) return E_POINTER;
    auto* plugin = new (std::nothrow) OemUiPlugin;
    if (plugin == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = plugin->QueryInterface(riid, ppv);
    plugin->Release();
    return result;
}

HRESULT OemUiClassFactory::LockServer(BOOL fLock) {
    if (fLock)
        ++lockCount;
    else
        --lockCount;
    return S_OK;
}

}  // namespace qzr::plugin
