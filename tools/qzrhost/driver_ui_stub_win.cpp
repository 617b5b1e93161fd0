#include "driver_ui_stub_win.h"

namespace qzr::host {

HRESULT DriverUiStub::QueryInterface(REFIID riid, void** ppv) {
    ++queries_;
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == printoem::IID_IPrintOemDriverUI) {
        *ppv = static_cast<printoem::IPrintOemDriverUI*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG DriverUiStub::Release() {
    const ULONG count = --refCount_;
    if (count == 0) delete this;
    return count;
}

}  // namespace qzr::host
