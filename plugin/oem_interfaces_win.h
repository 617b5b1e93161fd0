// The printer driver's OEM UI plug-in interface, which MinGW's headers lack, declared from the
// public documentation. The driver calls through these function tables by position, so the
// method order below is the interface's published order and must not change.
// Everything MinGW does ship (compstui.h, winddiui.h, prsht.h) is taken from MinGW.
#pragma once

#include "common/win/win_include.h"

#include <commctrl.h>
#include <compstui.h>
#include <prsht.h>
#include <unknwn.h>
#include <winddiui.h>

#include <cstddef>

// wingdi.h renames DeviceCapabilities to DeviceCapabilitiesW; the plug-in and its hosts must
// agree on the method's name, so every user of this header sees it undefined.
#undef DeviceCapabilities

// A later MinGW may ship these declarations; ours live in a namespace of their own.
namespace printoem {

inline constexpr GUID CLSID_OEMUI = {
    0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};
inline constexpr GUID IID_IPrintOemUI = {
    0xC6A7A9D0, 0x774C, 0x11D1, {0x94, 0x7F, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};
inline constexpr GUID IID_IPrintOemDriverUI = {
    0x92B05D50, 0x78BC, 0x11D1, {0x94, 0x80, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};

inline constexpr DWORD OEMGI_GETSIGNATURE = 1;
inline constexpr DWORD OEMGI_GETINTERFACEVERSION = 2;
inline constexpr DWORD OEMGI_GETVERSION = 3;
inline constexpr DWORD OEMGI_GETPUBLISHERINFO = 4;

inline constexpr DWORD OEMDM_SIZE = 1;
inline constexpr DWORD OEMDM_DEFAULT = 2;
inline constexpr DWORD OEMDM_CONVERT = 3;
inline constexpr DWORD OEMDM_MERGE = 4;

inline constexpr DWORD OEMCUIP_DOCPROP = 1;
inline constexpr DWORD OEMCUIP_PRNPROP = 2;

inline constexpr ULONG QCP_DEVICEPROFILE = 0;
inline constexpr ULONG QCP_SOURCEPROFILE = 1;
inline constexpr FLONG QCP_PROFILEMEMORY = 1;
inline constexpr FLONG QCP_PROFILEDISK = 2;

struct OEMUIOBJ {
    DWORD cbSize;
    PVOID pOemUIProcs;  // the driver's own table; only ever passed back
};
using POEMUIOBJ = OEMUIOBJ*;

struct OEMDMPARAM {
    DWORD cbSize;
    PVOID pdriverobj;
    HANDLE hPrinter;
    HANDLE hModule;
    PDEVMODEW pPublicDMIn;
    PDEVMODEW pPublicDMOut;
    PVOID pOEMDMIn;
    PVOID pOEMDMOut;
    DWORD cbBufSize;
};
using POEMDMPARAM = OEMDMPARAM*;

struct OEMCUIPPARAM;
using OEMCUIPCALLBACK = LONG(APIENTRY*)(PCPSUICBPARAM, OEMCUIPPARAM*);

struct OEMCUIPPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    DWORD dwFlags;
    POPTITEM pDrvOptItems;
    DWORD cDrvOptItems;
    POPTITEM pOEMOptItems;
    DWORD cOEMOptItems;
    PVOID pOEMUserData;
    OEMCUIPCALLBACK OEMCUIPCallback;
};
using POEMCUIPPARAM = OEMCUIPPARAM*;

struct OEMUIPSPARAM {
    DWORD cbSize;
    POEMUIOBJ poemuiobj;
    HANDLE hPrinter;
    PWSTR pPrinterName;
    HANDLE hModule;
    HANDLE hOEMHeap;
    PDEVMODEW pPublicDM;
    PVOID pOEMDM;
    PVOID pOEMUserData;
    DWORD dwFlags;
    PVOID pOemEntry;
};
using POEMUIPSPARAM = OEMUIPSPARAM*;

struct OEM_DMEXTRAHEADER {
    DWORD dwSize;
    DWORD dwSignature;
    DWORD dwVersion;
};

struct DEVQUERYPRINT_INFO {
    WORD cbSize;
    WORD Level;
    HANDLE hPrinter;
    DEVMODEW* pDevMode;
    LPWSTR pszErrorStr;
    DWORD cchErrorStr;
    DWORD cchNeeded;
};
using PDEVQUERYPRINT_INFO = DEVQUERYPRINT_INFO*;

// The property page description with the header-bitmap member of the full layout, which MinGW's
// prsht.h stops short of: MinGW's members first, then the header bitmap.
struct PROPSHEETPAGEW_FULL {
    PROPSHEETPAGEW base;
    union {
        HBITMAP hbmHeader;
        LPCWSTR pszbmHeader;
    };
};

struct IPrintOemCommon : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize,
                                              PDWORD pcbNeeded) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) = 0;
};

struct IPrintOemUI : public IPrintOemCommon {
    virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* pIUnknown) = 0;
    virtual HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                             LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo,
                                                           LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ poemuiobj,
                                                      PDEVQUERYPRINT_INFO pDQPInfo,
                                                      PDEVMODEW pPublicDM, PVOID pOEMDM) = 0;
    virtual HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter,
                                                         PWSTR pDeviceName, WORD wCapability,
                                                         PVOID pOutput, PDEVMODEW pPublicDM,
                                                         PVOID pOEMDM, DWORD dwOld,
                                                         DWORD* dwResult) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD dwLevel, PBYTE pDriverUpgradeInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR pPrinterName, INT iDriverEvent,
                                                   DWORD dwFlags, LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE DriverEvent(DWORD dwDriverEvent, DWORD dwLevel,
                                                  LPBYTE pDriverInfo, LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE hPrinter, POEMUIOBJ poemuiobj,
                                                        PDEVMODEW pPublicDM, PVOID pOEMDM,
                                                        ULONG ulQueryMode, VOID* pvProfileData,
                                                        ULONG* pcbProfileData,
                                                        FLONG* pflProfileData) = 0;
    virtual HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND hWnd, UINT usMsg, WPARAM wParam,
                                                           LPARAM lParam) = 0;
    virtual HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE hPrinter, HANDLE hHeap,
                                                          PWSTR pwstrCartridges) = 0;
};

struct IPrintOemDriverUI : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput,
                                                          DWORD cbSize, PDWORD pcbNeeded,
                                                          PDWORD pdwOptionsReturned) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature,
                                                                PCSTR pOption) = 0;
    virtual HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID pci, PVOID pOptItem,
                                                         DWORD dwPreviousSelection,
                                                         DWORD dwMode) = 0;
};

// Layouts the driver and the plug-in must agree on, by pointer size.
#ifdef _WIN64
static_assert(sizeof(OEMUIOBJ) == 16);
static_assert(sizeof(OEMDMPARAM) == 72);
static_assert(offsetof(OEMDMPARAM, pPublicDMIn) == 32);
static_assert(offsetof(OEMDMPARAM, pOEMDMIn) == 48);
static_assert(offsetof(OEMDMPARAM, pOEMDMOut) == 56);
static_assert(offsetof(OEMDMPARAM, cbBufSize) == 64);
static_assert(sizeof(OEMCUIPPARAM) == 120);
static_assert(offsetof(OEMCUIPPARAM, hOEMHeap) == 40);
static_assert(offsetof(OEMCUIPPARAM, pDrvOptItems) == 72);
static_assert(offsetof(OEMCUIPPARAM, cDrvOptItems) == 80);
static_assert(offsetof(OEMCUIPPARAM, pOEMOptItems) == 88);
static_assert(offsetof(OEMCUIPPARAM, cOEMOptItems) == 96);
static_assert(offsetof(OEMCUIPPARAM, OEMCUIPCallback) == 112);
static_assert(sizeof(OEMUIPSPARAM) == 88);
static_assert(offsetof(OEMUIPSPARAM, hOEMHeap) == 40);
static_assert(offsetof(OEMUIPSPARAM, pOEMDM) == 56);
static_assert(offsetof(OEMUIPSPARAM, pOemEntry) == 80);
static_assert(sizeof(DEVQUERYPRINT_INFO) == 40);
static_assert(sizeof(OPTITEM) == 88);
static_assert(offsetof(OPTITEM, Flags) == 4);
static_assert(offsetof(OPTITEM, DMPubID) == 52);
static_assert(sizeof(PROPSHEETUI_INFO) == 48);
static_assert(offsetof(PROPSHEETUI_INFO, lParamInit) == 24);
static_assert(offsetof(PROPSHEETUI_INFO, Result) == 40);
static_assert(sizeof(CPSUICBPARAM) == 64);
static_assert(sizeof(PROPSHEETPAGEW) == 96);
static_assert(sizeof(PROPSHEETPAGEW_FULL) == 104);
static_assert(offsetof(PROPSHEETPAGEW_FULL, hbmHeader) == 96);
#else
static_assert(sizeof(OEMUIOBJ) == 8);
static_assert(sizeof(OEMDMPARAM) == 36);
static_assert(sizeof(OEMCUIPPARAM) == 60);
static_assert(offsetof(OEMCUIPPARAM, OEMCUIPCallback) == 56);
static_assert(sizeof(OEMUIPSPARAM) == 44);
static_assert(sizeof(DEVQUERYPRINT_INFO) == 24);
static_assert(sizeof(OPTITEM) == 52);
static_assert(sizeof(PROPSHEETUI_INFO) == 28);
static_assert(sizeof(PROPSHEETPAGEW_FULL) == 56);
#endif
static_assert(sizeof(OEM_DMEXTRAHEADER) == 12);
static_assert(sizeof(DEVMODEW) == 220);
static_assert(offsetof(DEVMODEW, dmOrientation) == 76);
static_assert(offsetof(DEVMODEW, dmPaperSize) == 78);
static_assert(offsetof(DEVMODEW, dmICMMethod) == 188);

}  // namespace printoem
