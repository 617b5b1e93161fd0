// The driver's helper interface as the host offers it to a plug-in. The plug-in only keeps it,
// so its operations answer E_NOTIMPL; the counts let tests see what the plug-in did with it.
#pragma once

#include <atomic>

#include "oem_interfaces_win.h"

namespace qzr::host {

class DriverUiStub final : public printoem::IPrintOemDriverUI {
public:
    DriverUiStub() = default;
    DriverUiStub(const DriverUiStub&) = delete;
    DriverUiStub& operator=(const DriverUiStub&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refCount_; }
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD,
                                                  PDWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) override {
        return E_NOTIMPL;
    }

    LONG refCount() const { return refCount_; }
    LONG queries() const { return queries_; }

private:
    ~DriverUiStub() = default;

    std::atomic<LONG> refCount_{1};
    std::atomic<LONG> queries_{0};
};

}  // namespace qzr::host
