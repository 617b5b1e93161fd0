// QueryColorProfile: the driver's colour management uses the profile file "OEMPROFILE.icm"
// unless the document switched colour management off.
#include <cstring>

#include "oem_ui_plugin_win.h"

namespace qzr::plugin {

namespace {

constexpr wchar_t kProfileName[] = L"OEMPROFILE.icm";
// The driver is always told this size, whatever was written.
constexpr ULONG kProfileBufferBytes = 32;
static_assert(sizeof kProfileName <= kProfileBufferBytes);

}  // namespace

HRESULT OemUiPlugin::QueryColorProfile(HANDLE, printoem::POEMUIOBJ, PDEVMODEW pPublicDM, PVOID,
                                       ULONG ulQueryMode, VOID* pvProfileData,
                                       ULONG* pcbProfileData, FLONG* pflProfileData) {
    if (ulQueryMode != printoem::QCP_DEVICEPROFILE) return E_FAIL;
    if (pcbProfileData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    if (pvProfileData == nullptr || *pcbProfileData < kProfileBufferBytes) {
        *pcbProfileData = kProfileBufferBytes;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }
    if (pPublicDM == nullptr || pflProfileData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    // The driver's buffer carries no alignment promise: copy bytes.
    if (pPublicDM->dmICMMethod == DMICMMETHOD_NONE) {
        std::memset(pvProfileData, 0, sizeof(wchar_t));
    } else {
        std::memcpy(pvProfileData, kProfileName, sizeof kProfileName);
    }
    *pcbProfileData = kProfileBufferBytes;
    *pflProfileData = printoem::QCP_PROFILEDISK;
    return S_OK;
}

}  // namespace qzr::plugin
