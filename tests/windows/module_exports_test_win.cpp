// The DLL's exports, its class factory, lock counting, and what the module carries.
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "plugin_fixture_win.h"

namespace qzr::test {
namespace {

using win::ComPtr;

void* const kSentinel = reinterpret_cast<void*>(0x1234);

TEST_F(PluginTest, ClassObjectOnlyForTheOemUiClass) {
    void* out = kSentinel;
    EXPECT_EQ(library.getClassObject(IID_IUnknown, IID_IClassFactory, &out),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, kSentinel);

    // The factory does not answer IPrintOemUI: the temporary factory is destroyed.
    EXPECT_EQ(library.getClassObject(printoem::CLSID_OEMUI, printoem::IID_IPrintOemUI, &out),
              E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(library.canUnloadNow(), S_OK);
}

TEST_F(PluginTest, FactoryAnswersUnknownAndClassFactoryAsOneObject) {
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(library.getClassObject(printoem::CLSID_OEMUI, IID_IUnknown, unknown.put_void()), S_OK);
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);  // a live object keeps the module loaded

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(unknown->QueryInterface(IID_IClassFactory, factory.put_void()), S_OK);
    EXPECT_EQ(static_cast<void*>(factory.get()), static_cast<void*>(unknown.get()));
    EXPECT_EQ(factory->AddRef(), 3u);
    EXPECT_EQ(factory->Release(), 2u);

    void* out = kSentinel;
    EXPECT_EQ(factory->QueryInterface(printoem::IID_IPrintOemUI, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    factory.reset();
    unknown.reset();
    EXPECT_EQ(library.canUnloadNow(), S_OK);
}

TEST_F(PluginTest, CreateInstanceRules) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(library.getClassObject(printoem::CLSID_OEMUI, IID_IClassFactory, factory.put_void()),
              S_OK);

    void* out = kSentinel;
    IUnknown* outer = factory.get();
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, kSentinel);

    // A failed query destroys the new object at once.
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);

    ComPtr<printoem::IPrintOemUI> plugin;
    ASSERT_EQ(factory->CreateInstance(nullptr, printoem::IID_IPrintOemUI, plugin.put_void()),
              S_OK);
    factory.reset();
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);  // the plug-in object still lives
    EXPECT_EQ(plugin->Release(), 0u);
    (void)plugin.detach();
    EXPECT_EQ(library.canUnloadNow(), S_OK);
}

TEST_F(PluginTest, LockServerCountsLocksWithoutALowerBound) {
    // A fresh factory for every call, released at once, so only the locks keep the module.
    auto lock = [&](BOOL on) {
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(library.getClassObject(printoem::CLSID_OEMUI, IID_IClassFactory,
                                         factory.put_void()),
                  S_OK);
        EXPECT_EQ(factory->LockServer(on), S_OK);
    };
    lock(TRUE);
    lock(TRUE);
    lock(FALSE);
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);
    lock(FALSE);
    EXPECT_EQ(library.canUnloadNow(), S_OK);

    lock(FALSE);  // an unmatched unlock takes the count to -1
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);
    lock(TRUE);
    EXPECT_EQ(library.canUnloadNow(), S_OK);
}

// What the module shows the system: exactly the two COM exports, imports from Windows system
// DLLs only, and the version and string resources.
class ModuleImage : public PluginTest {
protected:
    const BYTE* base() const { return reinterpret_cast<const BYTE*>(library.module()); }
    const IMAGE_DATA_DIRECTORY& Directory(int index) const {
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base());
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base() + dos->e_lfanew);
        return nt->OptionalHeader.DataDirectory[index];
    }
};

TEST_F(ModuleImage, ExportsExactlyTheTwoComEntryPoints) {
    const auto& directory = Directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
    ASSERT_NE(directory.VirtualAddress, 0u);
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base() + directory.VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base() + exports->AddressOfNames);
    std::set<std::string> found;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        found.insert(reinterpret_cast<const char*>(base() + names[i]));
    EXPECT_EQ(exports->NumberOfFunctions, 2u);
    EXPECT_EQ(found, (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject"}));
}

TEST_F(ModuleImage, ImportsOnlyWindowsSystemDlls) {
    const std::set<std::string> system = {
        "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll",    "kernel32.dll",
        "msvcrt.dll",   "ole32.dll",    "shell32.dll",  "user32.dll",   "winspool.drv",
        "version.dll",  "oleaut32.dll", "uxtheme.dll",  "shlwapi.dll"};
    const auto& directory = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    ASSERT_NE(directory.VirtualAddress, 0u);
    auto* entry =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base() + directory.VirtualAddress);
    int count = 0;
    for (; entry->Name != 0; ++entry, ++count) {
        std::string name = reinterpret_cast<const char*>(base() + entry->Name);
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(system.count(name)) << name << " is not a Windows system DLL";
    }
    EXPECT_GT(count, 0);
}

TEST_F(ModuleImage, CarriesTheStringTable) {
    const wchar_t* expected[] = {L"Area(default 15)",
                                 L"Strength(default 15)",
                                 L"Threshold",
                                 L"Printer has been calibrated.",
                                 L"OEM UI Customization DLL",
                                 L"Smear Control",
                                 L"Error Message"};
    for (UINT id = 1; id <= 7; ++id) {
        wchar_t text[64] = {};
        EXPECT_GT(LoadStringW(library.module(), id, text, 64), 0) << id;
        EXPECT_STREQ(text, expected[id - 1]);
    }
}

TEST_F(ModuleImage, CarriesTheVersionBlock) {
    const std::wstring path = PluginPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } strings[] = {{L"CompanyName", L"ZORELL Corporation"},
                   {L"FileDescription", L"QZR-7300 UI Module."},
                   {L"FileVersion", L"1, 0, 3, 0"},
                   {L"InternalName", L"QZR7300UI.dll"},
                   {L"OriginalFilename", L"QZR7300UI.dll"},
                   {L"ProductName", L"QZR-7300 Printer Driver"},
                   {L"ProductVersion", L"1.030"}};
    for (const auto& s : strings) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + s.key;
        wchar_t* value = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value),
                                   &length))
            << s.key;
        EXPECT_STREQ(value, s.value);
    }
}

}  // namespace
}  // namespace qzr::test
