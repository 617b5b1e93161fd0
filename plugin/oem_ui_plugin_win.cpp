// The plug-in object's own operations: interface lookup, reference counting, GetInfo and
// PublishDriverInterface. DevMode and the UI hooks live in files of their own.
#include "oem_ui_plugin_win.h"

#include "private_devmode.h"

namespace qzr::plugin {

OemUiPlugin::~OemUiPlugin() {
    if (driverUi_ != nullptr) driverUi_->Release();
}

HRESULT OemUiPlugin::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    if (riid == IID_IUnknown || riid == printoem::IID_IPrintOemUI) {
        *ppv = static_cast<printoem::IPrintOemUI*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG OemUiPlugin::Release() {
    const ULONG count = count_.Release();
    if (count == 0) delete this;
    return count;
}

HRESULT OemUiPlugin::GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) {
    if (pcbNeeded == nullptr ||
        (dwMode != printoem::OEMGI_GETSIGNATURE && dwMode != printoem::OEMGI_GETVERSION &&
         dwMode != printoem::OEMGI_GETPUBLISHERINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    *pcbNeeded = sizeof(DWORD);
    if (cbSize < sizeof(DWORD) || pBuffer == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }
    switch (dwMode) {
        case printoem::OEMGI_GETSIGNATURE:
            *static_cast<DWORD*>(pBuffer) = kPrivateDevmodeSignature;
            return S_OK;
        case printoem::OEMGI_GETVERSION:
            *static_cast<DWORD*>(pBuffer) = kPrivateDevmodeVersion;
            return S_OK;
        default:  // OEMGI_GETPUBLISHERINFO belongs to other kinds of plug-in
            *pcbNeeded = 0;
            SetLastError(ERROR_NOT_SUPPORTED);
            return E_FAIL;
    }
}

HRESULT OemUiPlugin::PublishDriverInterface(IUnknown* pIUnknown) {
    if (driverUi_ != nullptr) return S_OK;
    if (pIUnknown == nullptr) return E_FAIL;
    void* driverUi = nullptr;
    if (FAILED(pIUnknown->QueryInterface(printoem::IID_IPrintOemDriverUI, &driverUi))) {
        driverUi_ = nullptr;
        return E_FAIL;
    }
    driverUi_ = static_cast<printoem::IPrintOemDriverUI*>(driverUi);
    return S_OK;
}

}  // namespace qzr::plugin
