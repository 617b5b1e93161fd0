#include "host_devmode_win.h"

#include <cwchar>

namespace qzr::host {

HostDevmode::HostDevmode(const std::wstring& deviceName, std::size_t privateSize)
    : bytes_(sizeof(DEVMODEW) + privateSize) {
    DEVMODEW* dm = publicPart();
    std::wcsncpy(dm->dmDeviceName, deviceName.c_str(), CCHDEVICENAME - 1);
    dm->dmSpecVersion = DM_SPECVERSION;
    dm->dmSize = sizeof(DEVMODEW);
    dm->dmDriverExtra = static_cast<WORD>(privateSize);
    dm->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COLOR;
    dm->dmOrientation = DMORIENT_PORTRAIT;
    dm->dmPaperSize = DMPAPER_A4;
    dm->dmColor = DMCOLOR_COLOR;
}

}  // namespace qzr::host
