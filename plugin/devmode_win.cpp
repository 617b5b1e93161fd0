// IPrintOemUI::DevMode: the driver sizes, defaults, converts and merges the private record.
#include "oem_ui_plugin_win.h"
#include "private_devmode.h"

namespace qzr::plugin {

HRESULT OemUiPlugin::DevMode(DWORD dwMode, printoem::POEMDMPARAM pOemDMParam) {
    if (pOemDMParam == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    auto* target = static_cast<PrivateDevmode*>(pOemDMParam->pOEMDMOut);
    const auto* source = static_cast<const PrivateDevmode*>(pOemDMParam->pOEMDMIn);
    switch (dwMode) {
        case printoem::OEMDM_SIZE:
            pOemDMParam->cbBufSize = kPrivateDevmodeSize;
            return S_OK;
        case printoem::OEMDM_DEFAULT: {
            DEVMODEW* publicDm = pOemDMParam->pPublicDMIn;
            if (target == nullptr || publicDm == nullptr) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return E_FAIL;
            }
            WritePrivateDevmodeDefaults(*target, GetUserDefaultLCID());
            const PublicDevmodeDefaults updated = ApplyPublicDevmodeDefaults(
                publicDm->dmPaperSize, static_cast<char16_t>(publicDm->dmDeviceName[0]));
            publicDm->dmOrientation = updated.orientation;
            publicDm->dmPaperSize = updated.paperSize;
            return S_OK;
        }
        case printoem::OEMDM_CONVERT:
            ConvertPrivateDevmode(source, target);
            return S_OK;
        case printoem::OEMDM_MERGE:
            if (ConvertPrivateDevmode(source, target)) ValidatePrivateDevmode(target);
            return S_OK;
        default:
            SetLastError(ERROR_INVALID_PARAMETER);
            return E_FAIL;
    }
}

}  // namespace qzr::plugin
