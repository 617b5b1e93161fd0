// The plug-in object that the printer driver drives through IPrintOemUI.
#pragma once

#include "com_object_win.h"
#include "oem_interfaces_win.h"

namespace qzr::plugin {

class OemUiPlugin final : public printoem::IPrintOemUI {
public:
    OemUiPlugin() = default;
    OemUiPlugin(const OemUiPlugin&) = delete;
    OemUiPlugin& operator=(const OemUiPlugin&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return count_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override;

    // IPrintOemCommon
    HRESULT STDMETHODCALLTYPE GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize,
                                      PDWORD pcbNeeded) override;
    HRESULT STDMETHODCALLTYPE DevMode(DWORD dwMode, printoem::POEMDMPARAM pOemDMParam) override;

    // IPrintOemUI
    HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* pIUnknown) override;
    HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD dwMode,
                                           printoem::POEMCUIPPARAM pOemCUIPParam) override;
    HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                     LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                   LPARAM lParam) override;
    HRESULT STDMETHODCALLTYPE DevQueryPrintEx(printoem::POEMUIOBJ, printoem::PDEVQUERYPRINT_INFO,
                                              PDEVMODEW, PVOID) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DeviceCapabilities(printoem::POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID,
                                                 PDEVMODEW, PVOID, DWORD, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD, PBYTE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR, INT, DWORD, LPARAM) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE hPrinter, printoem::POEMUIOBJ poemuiobj,
                                                PDEVMODEW pPublicDM, PVOID pOEMDM,
                                                ULONG ulQueryMode, VOID* pvProfileData,
                                                ULONG* pcbProfileData,
                                                FLONG* pflProfileData) override;
    HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE, HANDLE, PWSTR) override {
        return E_NOTIMPL;
    }

private:
    ~OemUiPlugin();

    ComObjectCount count_;
    // Held only so that it is released with the object; nothing calls through it.
    printoem::IPrintOemDriverUI* driverUi_ = nullptr;
};

}  // namespace qzr::plugin
