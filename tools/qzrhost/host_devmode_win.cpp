#include "host_devmode_win.h"

#include <cstring>
#include <cwchar>

#include "plugin_loader_win.h"
#include "private_devmode.h"

namespace qzr::host {

namespace {

const wchar_t kDeviceName[] = L"QZR-7300";

}  // namespace

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

std::optional<HostDevmode> HostDevmode::Parse(std::vector<std::byte> bytes, std::string& error) {
    if (bytes.size() < sizeof(DEVMODEW)) {
        error = "it holds " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                std::to_string(sizeof(DEVMODEW)) + " of a DEVMODEW";
        return std::nullopt;
    }
    DEVMODEW head;
    std::memcpy(&head, bytes.data(), sizeof head);
    if (head.dmSize != sizeof(DEVMODEW)) {
        error = "its dmSize is " + std::to_string(head.dmSize) + ", not " +
                std::to_string(sizeof(DEVMODEW));
        return std::nullopt;
    }
    if (bytes.size() != std::size_t{head.dmSize} + head.dmDriverExtra) {
        error = "dmSize " + std::to_string(head.dmSize) + " and dmDriverExtra " +
                std::to_string(head.dmDriverExtra) + " do not add up to its " +
                std::to_string(bytes.size()) + " bytes";
        return std::nullopt;
    }
    if (head.dmDriverExtra != 0) {
        printoem::OEM_DMEXTRAHEADER header{};
        if (head.dmDriverExtra >= sizeof header)
            std::memcpy(&header, bytes.data() + sizeof(DEVMODEW), sizeof header);
        if (head.dmDriverExtra < sizeof header || header.dwSize < sizeof header ||
            header.dwSize > head.dmDriverExtra) {
            error = "its private part of " + std::to_string(head.dmDriverExtra) +
                    " bytes does not hold the record its header describes";
            return std::nullopt;
        }
    }
    return HostDevmode(std::move(bytes));
}

std::optional<HostDevmode> MakeDocumentDevmode(printoem::IPrintOemUI& plugin, HMODULE module,
                                               const HostDevmode* input, std::string& error) {
    printoem::OEMDMPARAM param{};
    param.cbSize = sizeof param;
    param.hModule = module;
    HRESULT hr = plugin.DevMode(printoem::OEMDM_SIZE, &param);
    if (FAILED(hr)) {
        error = "DevMode(OEMDM_SIZE) failed: " + HresultText(hr);
        return std::nullopt;
    }
    // dmDriverExtra is a WORD; the driver cannot keep more. Less would not hold the record that
    // OEMDM_DEFAULT writes.
    if (param.cbBufSize < sizeof(PrivateDevmode) || param.cbBufSize > 0xFFFF) {
        error = "DevMode(OEMDM_SIZE) asks for " + std::to_string(param.cbBufSize) + " bytes";
        return std::nullopt;
    }
    const DWORD privateSize = param.cbBufSize;
    HostDevmode devmode(kDeviceName, privateSize);
    param.pPublicDMIn = devmode.publicPart();
    param.pOEMDMOut = devmode.privatePart();
    param.cbBufSize = privateSize;
    hr = plugin.DevMode(printoem::OEMDM_DEFAULT, &param);
    if (FAILED(hr)) {
        error = "DevMode(OEMDM_DEFAULT) failed: " + HresultText(hr);
        return std::nullopt;
    }
    if (input == nullptr) return devmode;

    // The document's public settings stay; the private part is the plug-in's to merge.
    std::memcpy(devmode.publicPart(), input->publicPart(), sizeof(DEVMODEW));
    devmode.publicPart()->dmDriverExtra = static_cast<WORD>(privateSize);
    if (input->privateSize() == 0) return devmode;
    param.pPublicDMIn = const_cast<DEVMODEW*>(input->publicPart());
    param.pPublicDMOut = devmode.publicPart();
    param.pOEMDMIn = const_cast<void*>(input->privatePart());
    param.pOEMDMOut = devmode.privatePart();
    hr = plugin.DevMode(printoem::OEMDM_MERGE, &param);
    if (FAILED(hr)) {
        error = "DevMode(OEMDM_MERGE) failed: " + HresultText(hr);
        return std::nullopt;
    }
    return devmode;
}

}  // namespace qzr::host
