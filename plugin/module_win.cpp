// The DLL's entry points: DllMain, DllGetClassObject and DllCanUnloadNow.
#include "module_win.h"

#include <atomic>
#include <new>

#include "class_factory_win.h"
#include "oem_interfaces_win.h"

namespace qzr::plugin {

namespace {

HINSTANCE moduleHandle = nullptr;
std::atomic<LONG> objectCount{0};

}  // namespace

HINSTANCE ModuleHandle() { return moduleHandle; }
void ObjectCreated() { ++objectCount; }
void ObjectDestroyed() { --objectCount; }

}  // namespace qzr::plugin

using namespace qzr::plugin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) moduleHandle = instance;
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
    if (rclsid != printoem::CLSID_OEMUI) return CLASS_E_CLASSNOTAVAILABLE;
    if (ppv == nullptr) return E_POINTER;
    auto* factory = new (std::nothrow) OemUiClassFactory;
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(riid, ppv);
    // On success the caller now holds the only reference; on failure this destroys the factory.
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow() {
    return objectCount == 0 && LockCount() == 0 ? S_OK : S_FALSE;
}
