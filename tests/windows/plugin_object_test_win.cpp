// The plug-in object through its function table: interface lookup, reference counts, GetInfo
// and PublishDriverInterface.
#include <cstring>

#include "plugin_fixture_win.h"
#include "private_devmode.h"

namespace qzr::test {
namespace {

using win::ComPtr;

TEST_F(PluginTest, QueryInterfaceAnswersUnknownAndPrintOemUiOnly) {
    auto plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    for (const IID* iid : {&IID_IUnknown, &printoem::IID_IPrintOemUI}) {
        void* out = nullptr;
        ASSERT_EQ(plugin->QueryInterface(*iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<void*>(plugin.get()));
        EXPECT_EQ(plugin->AddRef(), 3u);  // ours, the query's, and this one
        EXPECT_EQ(plugin->Release(), 2u);
        EXPECT_EQ(plugin->Release(), 1u);
    }
    for (const IID* iid : {&printoem::IID_IPrintOemDriverUI, &IID_IClassFactory}) {
        void* out = plugin.get();
        EXPECT_EQ(plugin->QueryInterface(*iid, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
}

// The driver calls by position: slot 3 must be GetInfo and slot 5 PublishDriverInterface.
TEST_F(PluginTest, FunctionTableFollowsTheInterfaceOrder) {
    auto plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    void** table = *reinterpret_cast<void***>(plugin.get());

    using GetInfoFn = HRESULT(STDMETHODCALLTYPE*)(void*, DWORD, PVOID, DWORD, PDWORD);
    DWORD value = 0, needed = 0;
    EXPECT_EQ(reinterpret_cast<GetInfoFn>(table[3])(plugin.get(), printoem::OEMGI_GETVERSION,
                                                    &value, 4, &needed),
              S_OK);
    EXPECT_EQ(value, 1u);

    using DevModeFn = HRESULT(STDMETHODCALLTYPE*)(void*, DWORD, printoem::POEMDMPARAM);
    printoem::OEMDMPARAM param{};
    EXPECT_EQ(reinterpret_cast<DevModeFn>(table[4])(plugin.get(), printoem::OEMDM_SIZE, &param),
              S_OK);
    EXPECT_EQ(param.cbBufSize, 576u);

    using PublishFn = HRESULT(STDMETHODCALLTYPE*)(void*, IUnknown*);
    auto* other = new host::DriverUiStub;
    EXPECT_EQ(reinterpret_cast<PublishFn>(table[5])(plugin.get(), other), S_OK);
    EXPECT_EQ(other->queries(), 0);  // already published: the new pointer is not asked
    other->Release();

    using FontProcFn = HRESULT(STDMETHODCALLTYPE*)(void*, HWND, UINT, WPARAM, LPARAM);
    EXPECT_EQ(reinterpret_cast<FontProcFn>(table[15])(plugin.get(), nullptr, 0, 0, 0), E_NOTIMPL);
}

TEST_F(PluginTest, GetInfoAnswers) {
    auto plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    constexpr DWORD kUntouched = 0xCCCCCCCC;
    const struct Case {
        const char* rule;
        DWORD mode, bufferSize;
        bool withBuffer, withNeeded;
        HRESULT result;
        DWORD lastError, needed, value;
    } cases[] = {
        {"signature", 1, 4, true, true, S_OK, 0, 4, kPrivateDevmodeSignature},
        {"version", 3, 4, true, true, S_OK, 0, 4, 1},
        {"larger buffer", 3, 64, true, true, S_OK, 0, 4, 1},
        {"interface version is not answered", 2, 4, true, true, E_FAIL, ERROR_INVALID_PARAMETER,
         kUntouched, kUntouched},
        {"unknown mode", 5, 4, true, true, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched,
         kUntouched},
        {"no size out-parameter", 1, 4, true, false, E_FAIL, ERROR_INVALID_PARAMETER, kUntouched,
         kUntouched},
        {"buffer too small", 1, 3, true, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4, kUntouched},
        {"no buffer", 3, 4, false, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4, kUntouched},
        {"publisher info", 4, 4, true, true, E_FAIL, ERROR_NOT_SUPPORTED, 0, kUntouched},
        {"publisher info, small buffer", 4, 2, true, true, E_FAIL, ERROR_INSUFFICIENT_BUFFER, 4,
         kUntouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        DWORD value = kUntouched, needed = kUntouched;
        SetLastError(0);
        EXPECT_EQ(plugin->GetInfo(c.mode, c.withBuffer ? &value : nullptr, c.bufferSize,
                                  c.withNeeded ? &needed : nullptr),
                  c.result);
        if (c.result != S_OK) {
            EXPECT_EQ(GetLastError(), c.lastError);
        }
        if (c.withNeeded) {
            EXPECT_EQ(needed, c.needed);
        }
        EXPECT_EQ(value, c.value);
    }
    DWORD signature = 0, needed = 0;
    ASSERT_EQ(plugin->GetInfo(1, &signature, 4, &needed), S_OK);
    EXPECT_EQ(std::memcmp(&signature, "ZKTB", 4), 0);
}

// A driver object that refuses the helper interface.
class RefusingDriver final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override {
        ++queries;
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    int queries = 0;
};

TEST_F(PluginTest, PublishDriverInterfaceKeepsTheHelperUntilTheObjectDies) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(library.getClassObject(printoem::CLSID_OEMUI, IID_IClassFactory, factory.put_void()),
              S_OK);
    ComPtr<printoem::IPrintOemUI> plugin;
    ASSERT_EQ(factory->CreateInstance(nullptr, printoem::IID_IPrintOemUI, plugin.put_void()),
              S_OK);
    factory.reset();

    EXPECT_EQ(plugin->PublishDriverInterface(nullptr), E_FAIL);

    RefusingDriver refusing;
    EXPECT_EQ(plugin->PublishDriverInterface(&refusing), E_FAIL);
    EXPECT_EQ(plugin->PublishDriverInterface(&refusing), E_FAIL);  // a failure tries again
    EXPECT_EQ(refusing.queries, 2);

    auto* driverUi = new host::DriverUiStub;
    EXPECT_EQ(plugin->PublishDriverInterface(driverUi), S_OK);
    EXPECT_EQ(driverUi->refCount(), 2);
    EXPECT_EQ(plugin->PublishDriverInterface(&refusing), S_OK);
    EXPECT_EQ(refusing.queries, 2);

    plugin.reset();
    EXPECT_EQ(driverUi->refCount(), 1);  // released with the object
    driverUi->Release();
}

TEST_F(PluginTest, OperationsThePluginDoesNotProvide) {
    auto plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    DWORD result = 0;
    EXPECT_EQ(plugin->DevQueryPrintEx(nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(plugin->DeviceCapabilities(nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr,
                                         0, &result),
              E_NOTIMPL);
    EXPECT_EQ(plugin->UpgradePrinter(1, nullptr), E_NOTIMPL);
    EXPECT_EQ(plugin->PrinterEvent(nullptr, 1, 0, 0), E_NOTIMPL);
    EXPECT_EQ(plugin->DriverEvent(1, 1, nullptr, 0), E_NOTIMPL);
    EXPECT_EQ(plugin->FontInstallerDlgProc(nullptr, WM_INITDIALOG, 0, 0), E_NOTIMPL);
    EXPECT_EQ(plugin->UpdateExternalFonts(nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(result, 0u);
}

}  // namespace
}  // namespace qzr::test
