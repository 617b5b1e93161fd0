// Loads the built plug-in DLL by path for each test, as the printer driver would.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver_ui_stub_win.h"
#include "plugin_loader_win.h"

namespace qzr::test {

// QZR_PLUGIN_DLL from the environment (a Unix path is taken as a path on Wine's Z: drive), else
// QZR7300UI.dll beside the test program.
std::wstring PluginPath();

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A plug-in object with a driver helper published to it, as the driver creates one.
    win::ComPtr<printoem::IPrintOemUI> CreatePlugin();

    host::PluginLibrary library;
};

}  // namespace qzr::test
