// qzrhost info: what the printer driver learns from the plug-in when it loads it.
#include <cstdio>

#include "commands_win.h"
#include "driver_ui_stub_win.h"
#include "host_devmode_win.h"
#include "plugin_loader_win.h"
#include "private_devmode.h"
#include "private_devmode_text.h"
#include "utf16.h"

namespace qzr::host {

namespace {

std::string Narrow(const std::wstring& text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return Utf16ToUtf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

bool QueryDword(printoem::IPrintOemUI& plugin, DWORD mode, const char* what, DWORD& value) {
    DWORD needed = 0;
    const HRESULT hr = plugin.GetInfo(mode, &value, sizeof value, &needed);
    if (FAILED(hr)) {
        std::fprintf(stderr, "qzrhost: GetInfo(%s) failed: %s\n", what, HresultText(hr).c_str());
        return false;
    }
    return true;
}

}  // namespace

int RunInfo(const std::wstring& dllPath) {
    PluginLibrary library;
    std::string error;
    if (!library.Load(dllPath, error)) {
        std::fprintf(stderr, "qzrhost: %s: %s\n", Narrow(dllPath).c_str(), error.c_str());
        return 1;
    }
    auto* driverUi = new DriverUiStub;
    auto plugin = library.CreatePlugin(driverUi, error);
    driverUi->Release();
    if (!plugin) {
        std::fprintf(stderr, "qzrhost: %s\n", error.c_str());
        return 1;
    }

    DWORD signature = 0, version = 0;
    if (!QueryDword(*plugin.get(), printoem::OEMGI_GETSIGNATURE, "signature", signature) ||
        !QueryDword(*plugin.get(), printoem::OEMGI_GETVERSION, "version", version))
        return 1;

    printoem::OEMDMPARAM param{};
    param.cbSize = sizeof param;
    param.hModule = library.module();
    HRESULT hr = plugin->DevMode(printoem::OEMDM_SIZE, &param);
    if (FAILED(hr) || param.cbBufSize < sizeof(PrivateDevmode)) {
        std::fprintf(stderr, "qzrhost: DevMode(OEMDM_SIZE) failed: %s, size %lu\n",
                     HresultText(hr).c_str(), static_cast<unsigned long>(param.cbBufSize));
        return 1;
    }
    const DWORD privateSize = param.cbBufSize;

    HostDevmode devmode(L"QZR-7300", privateSize);
    const short paperBefore = devmode.publicPart()->dmPaperSize;
    const short orientationBefore = devmode.publicPart()->dmOrientation;
    param.pPublicDMIn = devmode.publicPart();
    param.pOEMDMOut = devmode.privatePart();
    param.cbBufSize = privateSize;
    hr = plugin->DevMode(printoem::OEMDM_DEFAULT, &param);
    if (FAILED(hr)) {
        std::fprintf(stderr, "qzrhost: DevMode(OEMDM_DEFAULT) failed: %s\n",
                     HresultText(hr).c_str());
        return 1;
    }
    const auto* record = static_cast<const PrivateDevmode*>(devmode.privatePart());

    std::printf("plug-in %s\n", Narrow(dllPath).c_str());
    std::printf("GetInfo signature %s\n", SignatureText(signature).c_str());
    std::printf("GetInfo version %lu\n", static_cast<unsigned long>(version));
    std::printf("DevMode private record size %lu bytes\n",
                static_cast<unsigned long>(privateSize));
    std::printf("DevMode default public part: dmOrientation %d -> %d, dmPaperSize %d -> %d\n",
                orientationBefore, devmode.publicPart()->dmOrientation, paperBefore,
                devmode.publicPart()->dmPaperSize);
    std::printf("DevMode default private record:\n%s",
                DescribePrivateDevmode(*record, "  ").c_str());
    return 0;
}

}  // namespace qzr::host
