#include "plugin_fixture_win.h"

#include <cstdlib>

namespace qzr::test {

std::wstring PluginPath() {
    const wchar_t* fromEnvironment = _wgetenv(L"QZR_PLUGIN_DLL");
    if (fromEnvironment == nullptr || *fromEnvironment == L'\0') return host::PluginBesideProgram();
    std::wstring path = fromEnvironment;
    if (path[0] == L'/') path = L"Z:" + path;
    return path;
}

void PluginTest::SetUp() {
    std::string error;
    ASSERT_TRUE(library.Load(PluginPath(), error)) << error;
}

void PluginTest::TearDown() {
    // Every test releases what it created: the module must be free to unload afterwards.
    if (library.canUnloadNow != nullptr) {
        EXPECT_EQ(library.canUnloadNow(), S_OK);
    }
}

win::ComPtr<printoem::IPrintOemUI> PluginTest::CreatePlugin() {
    auto* driverUi = new host::DriverUiStub;
    std::string error;
    auto plugin = library.CreatePlugin(driverUi, error);
    driverUi->Release();
    EXPECT_TRUE(plugin) << error;
    return plugin;
}

}  // namespace qzr::test
