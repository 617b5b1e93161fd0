// Careless hosts: objects held and released in any order, the DLL freed once they are gone, two
// document sheets open at once. The module must report when it may go, leave nothing behind
// that calls into it after it went, and give every page a preview of its own.
#include <fstream>

#include "color_page_fixture_win.h"
#include "preview_capture_win.h"
#include "preview_sharpen.h"
#include "res/resource_ids.h"

namespace qzr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit BMP of the given size whose pixels vary with seed: a picture of its own per sheet.
Bytes MakePicture(std::int32_t width, std::int32_t height, std::uint32_t seed) {
    const std::size_t stride = BitmapStride(width);
    Bytes file(54 + stride * std::size_t(height), 0);
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (std::size_t i = 54; i < file.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        file[i] = static_cast<std::uint8_t>(seed >> 24);
    }
    return file;
}

void WriteFileBytes(const std::wstring& path, const Bytes& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Runs this thread's messages for a while: whatever the DLL left behind (a timer, a hook, a
// window procedure) would be called now.
void LetMessagesRun(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    const HWND window = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                        0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        SendMessageW(window, WM_SETTINGCHANGE, 0, 0);
        Sleep(10);
    }
    DestroyWindow(window);
}

using LifetimeTest = ColorPageTest;

TEST_F(LifetimeTest, TheModuleMayGoOnceEveryObjectIsReleasedAndLeavesNothingBehind) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(library.getClassObject(printoem::CLSID_OEMUI, IID_IClassFactory,
                                     reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    IUnknown* second = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&second)),
              S_OK);

    // Both sheets opened, used and closed the way a user closes them.
    OpenSheet();
    MoveSlider(IDC_BRIGHTNESS_SLIDER, 4);
    sheet->sheet.PressButton(PSBTN_OK);
    sheet.reset();
    std::string error;
    {
        PluginSheet printer;
        ASSERT_TRUE(
            printer.Open(*plugin.get(), library.module(), PluginSheet::Kind::Printer, 1, error))
            << error;
        printer.sheet.PressButton(PSBTN_CANCEL);
    }

    // Released in an order no driver would choose; each holder keeps the module.
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);
    plugin = {};
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);  // the second object, the factory, the lock
    second->Release();
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);  // the factory and its lock
    factory->LockServer(FALSE);
    EXPECT_EQ(library.canUnloadNow(), S_FALSE);  // the factory
    factory->Release();
    EXPECT_EQ(library.canUnloadNow(), S_OK);

    const std::wstring path = PluginPath();
    library.Unload();
    EXPECT_EQ(GetModuleHandleW(path.c_str()), nullptr) << "something keeps the DLL loaded";
    LetMessagesRun(300);

    // Loaded again, it works as before.
    ASSERT_TRUE(library.Load(path, error)) << error;
    plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    OpenSheet();
    EXPECT_TRUE(PaintsPreviewOf(CapturePage(sheet->sheet, Page()), SamplePicture(),
                                DefaultColorSettings(0)));
}

// Each page has a preview of its own: two sheets with large pictures (both cropped) paint each
// its own, and closing either leaves the other painting.
TEST_F(LifetimeTest, TwoDocumentSheetsPaintTheirOwnPreviews) {
    struct Open {
        std::unique_ptr<PluginSheet> sheet;
        Bytes file;
        ColorSettings settings;
        HWND page() const { return sheet->PluginPage(); }
    };
    Open opened[2];
    std::string error;
    for (int i = 0; i < 2; ++i) {
        Open& one = opened[i];
        one.file = MakePicture(1000 + 200 * i, 800, 11u + i);
        const std::wstring path = Folder() + L"\\picture" + std::to_wstring(i) + L".bmp";
        WriteFileBytes(path, one.file);
        one.sheet = std::make_unique<PluginSheet>();
        ASSERT_TRUE(
            one.sheet->Open(*plugin.get(), library.module(), PluginSheet::Kind::Document, 0, error))
            << error;
        auto* record = static_cast<PrivateDevmode*>(one.sheet->devmode->privatePart());
        std::copy(path.begin(), path.end(), record->previewImagePath);
        ASSERT_TRUE(one.sheet->sheet.SelectPage(1));
        one.settings = record->settings;
        // Side by side, so neither covers the other's preview on the screen.
        RECT bounds;
        GetWindowRect(one.sheet->sheet.window(), &bounds);
        SetWindowPos(one.sheet->sheet.window(), nullptr, i * (bounds.right - bounds.left + 10), 0,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    // The second sheet shows its picture sharper than the first.
    const HWND slider = GetDlgItem(opened[1].page(), IDC_SHARPNESS_SLIDER);
    SendMessageW(slider, TBM_SETPOS, TRUE, 4);
    SendMessageW(opened[1].page(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(slider));
    opened[1].settings.sharpness = 4;

    auto expectOwnPreview = [&](const Open& one) {
        InvalidateRect(one.page(), nullptr, FALSE);
        EXPECT_TRUE(PaintsPreviewOf(CapturePage(one.sheet->sheet, one.page()),
                                    LoadedPicture(one.file), one.settings));
    };
    expectOwnPreview(opened[0]);
    expectOwnPreview(opened[1]);

    opened[0].sheet.reset();  // the first page's dialog is destroyed
    expectOwnPreview(opened[1]);

    // And the other way round: a sheet opened after one closed loses nothing when it goes first.
    opened[0].sheet = std::make_unique<PluginSheet>();
    ASSERT_TRUE(opened[0].sheet->Open(*plugin.get(), library.module(), PluginSheet::Kind::Document,
                                      1, error))
        << error;
    opened[0].sheet.reset();
    expectOwnPreview(opened[1]);
}

}  // namespace
}  // namespace qzr::test
