// The Version page end to end: files placed in the folders the page reads, a real printer sheet
// from what the plug-in registers, and the texts the page shows. The test runs with TZ=JST-9
// (nine hours east of UTC, no daylight saving), so the local times below are fixed.
#include <algorithm>
#include <memory>
#include <string>

#include "placed_files_win.h"
#include "plugin_fixture_win.h"
#include "plugin_sheet_win.h"
#include "res/resource_ids.h"
#include "window_capture_win.h"

#include <winspool.h>

namespace qzr::test {
namespace {

constexpr std::wstring_view kZeroed = L"   0/00/00 00:00";
constexpr std::size_t kGammaOffset = 5910;

std::wstring SpoolerFolder(BOOL(WINAPI* query)(LPWSTR, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD)) {
    wchar_t folder[MAX_PATH] = L"";
    DWORD needed = 0;
    return query(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), sizeof folder, &needed)
               ? folder
               : L"";
}

std::wstring Folder(UINT(WINAPI* query)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH] = L"";
    return query(folder, MAX_PATH) != 0 ? folder : L"";
}

// MRX9100.BIN with field at the gamma table's offset, then tail.
std::string GammaFile(std::string_view field, std::string_view tail = {}) {
    std::string bytes(kGammaOffset, '\x7F');
    bytes += field;
    bytes += tail;
    return bytes;
}

std::string Field(std::string_view text) {
    std::string field(text);
    field.resize(128, '\0');
    return field;
}

class VersionPageTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        plugin = CreatePlugin();
        ASSERT_TRUE(plugin);
        TIME_ZONE_INFORMATION zone;
        GetTimeZoneInformation(&zone);
        ASSERT_EQ(zone.Bias, -540) << "run with TZ=JST-9 (CTest sets it)";

        driverFolder = SpoolerFolder(GetPrinterDriverDirectoryW) + L"\\3";
        systemFolder = Folder(GetSystemDirectoryW);
        processorFolder = SpoolerFolder(GetPrintProcessorDirectoryW);
        windowsFolder = Folder(GetWindowsDirectoryW);
        ASSERT_TRUE(files.EnsureFolder(driverFolder));
        ASSERT_TRUE(files.EnsureFolder(processorFolder));
    }
    void TearDown() override {
        sheet.reset();
        plugin.reset();
        PluginTest::TearDown();
    }

    // The five files, the settings and the gamma table as a driver installation leaves them.
    void PlaceInstallation() {
        ASSERT_TRUE(
            files.Write(driverFolder + L"\\qzr7300.gpd", "*GPD", UtcFileTime(2021, 3, 5, 0, 7)));
        ASSERT_TRUE(
            files.Write(driverFolder + L"\\qzr7300ui.dll", "MZ", UtcFileTime(2019, 12, 31, 15, 0)));
        ASSERT_TRUE(files.Write(driverFolder + L"\\qzr7300ud.dll", "MZ",
                                UtcFileTime(2022, 11, 30, 23, 59)));
        ASSERT_TRUE(
            files.Write(systemFolder + L"\\qzr7300lm.dll", "MZ", UtcFileTime(2020, 6, 15, 12, 34)));
        ASSERT_TRUE(
            files.Write(processorFolder + L"\\qzr7300pt.dll", "MZ", UtcFileTime(2018, 1, 2, 3, 4)));
        ASSERT_TRUE(files.Write(systemFolder + L"\\ERR_7300.INI", "[Setting]\r\nErrorMsg=0\r\n"));
        ASSERT_TRUE(files.Write(windowsFolder + L"\\MRX9100.BIN",
                                GammaFile(Field("GAMMA 7300 REV.B"), "tail")));
    }

    // The printer sheet, opened on the host's Layout page.
    void OpenSheet() {
        sheet = std::make_unique<PluginSheet>();
        std::string error;
        ASSERT_TRUE(
            sheet->Open(*plugin.get(), library.module(), PluginSheet::Kind::Printer, 0, error))
            << error;
    }

    // Leaves the Version page (when it is shown) and comes back to it.
    HWND ActivateVersionPage() {
        EXPECT_TRUE(sheet->sheet.SelectPage(0));
        EXPECT_TRUE(sheet->sheet.SelectPage(1));
        return sheet->PluginPage();
    }

    std::wstring Text(HWND page, int id) const { return sheet->Text(page, id); }
    static bool Visible(HWND page, int id) {
        return (GetWindowLongW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
    }

    win::ComPtr<printoem::IPrintOemUI> plugin;
    PlacedFiles files;
    std::unique_ptr<PluginSheet> sheet;
    std::wstring driverFolder, systemFolder, processorFolder, windowsFolder;
};

// The files are placed after the sheet opened: the page reads them when it becomes active.
TEST_F(VersionPageTest, ShowsWhatItReadsWhenActivated) {
    OpenSheet();
    EXPECT_EQ(sheet->PluginPage(), nullptr) << "the page is not made before it is chosen";
    PlaceInstallation();
    const HWND page = ActivateVersionPage();
    ASSERT_NE(page, nullptr);

    EXPECT_EQ(Text(page, IDC_VERSION_GPD_DATE), L"2021/03/05 09:07");
    EXPECT_EQ(Text(page, IDC_VERSION_UI_DATE), L"2020/01/01 00:00");
    EXPECT_EQ(Text(page, IDC_VERSION_RENDER_DATE), L"2022/12/01 08:59");
    EXPECT_EQ(Text(page, IDC_VERSION_MONITOR_DATE), L"2020/06/15 21:34");
    EXPECT_EQ(Text(page, IDC_VERSION_PROCESSOR_DATE), L"2018/01/02 12:04");
    EXPECT_EQ(Text(page, IDC_VERSION_ERROR_LABEL),
              L"Printer Driver(Error message is not displayed)");
    EXPECT_TRUE(Visible(page, IDC_VERSION_GAMMA_LABEL));
    EXPECT_EQ(Text(page, IDC_VERSION_GAMMA_TEXT), L"GAMMA 7300 REV.B");
}

TEST_F(VersionPageTest, FollowsTheFilesAtEveryActivation) {
    PlaceInstallation();
    OpenSheet();
    HWND page = ActivateVersionPage();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(Text(page, IDC_VERSION_GPD_DATE), L"2021/03/05 09:07");

    // A missing file, a file another program holds open, a new date, another setting, and a
    // gamma table too short to reach its field.
    ASSERT_TRUE(files.Remove(driverFolder + L"\\qzr7300.gpd"));
    const win::UniqueFile held(CreateFileW((driverFolder + L"\\qzr7300ui.dll").c_str(),
                                           GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                           nullptr));
    ASSERT_TRUE(held);
    ASSERT_TRUE(
        files.Write(processorFolder + L"\\qzr7300pt.dll", "MZ", UtcFileTime(2024, 2, 29, 14, 30)));
    ASSERT_TRUE(files.Write(systemFolder + L"\\ERR_7300.INI", "[Setting]\r\nErrorMsg=2\r\n"));
    ASSERT_TRUE(files.Write(windowsFolder + L"\\MRX9100.BIN", GammaFile("")));
    page = ActivateVersionPage();
    EXPECT_EQ(Text(page, IDC_VERSION_GPD_DATE), kZeroed);
    EXPECT_EQ(Text(page, IDC_VERSION_UI_DATE), kZeroed);
    EXPECT_EQ(Text(page, IDC_VERSION_RENDER_DATE), L"2022/12/01 08:59");
    EXPECT_EQ(Text(page, IDC_VERSION_PROCESSOR_DATE), L"2024/02/29 23:30");
    EXPECT_EQ(Text(page, IDC_VERSION_ERROR_LABEL), L"Printer Driver");
    EXPECT_TRUE(Visible(page, IDC_VERSION_GAMMA_LABEL)) << "a short read still succeeds";
    EXPECT_EQ(Text(page, IDC_VERSION_GAMMA_TEXT), L"");

    // No gamma table at all; the settings file in the Windows folder is not the one read.
    ASSERT_TRUE(files.Remove(windowsFolder + L"\\MRX9100.BIN"));
    ASSERT_TRUE(files.Remove(systemFolder + L"\\ERR_7300.INI"));
    ASSERT_TRUE(files.Write(windowsFolder + L"\\ERR_7300.INI", "[Setting]\r\nErrorMsg=0\r\n"));
    page = ActivateVersionPage();
    EXPECT_FALSE(Visible(page, IDC_VERSION_GAMMA_LABEL));
    EXPECT_EQ(Text(page, IDC_VERSION_GAMMA_TEXT), L"");
    EXPECT_EQ(Text(page, IDC_VERSION_ERROR_LABEL), L"Printer Driver");
}

// A field with no zero byte still makes a terminated text of its 128 characters, and nothing
// beyond them.
TEST_F(VersionPageTest, GammaFieldWithoutAZeroByte) {
    PlaceInstallation();
    ASSERT_TRUE(files.Write(windowsFolder + L"\\MRX9100.BIN",
                            GammaFile(std::string(128, 'G'), "BEYOND THE FIELD")));
    OpenSheet();
    const HWND page = ActivateVersionPage();
    EXPECT_EQ(Text(page, IDC_VERSION_GAMMA_TEXT), std::wstring(128, L'G'));
}

TEST_F(VersionPageTest, ShowsTheMakersLogo) {
    OpenSheet();
    const HWND page = ActivateVersionPage();
    ASSERT_NE(page, nullptr);
    HWND logo = nullptr;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr && logo == nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) logo = child;
    ASSERT_NE(logo, nullptr);
    const auto bitmap =
        reinterpret_cast<HBITMAP>(SendMessageW(logo, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 257);
    EXPECT_EQ(info.bmHeight, 44);

    // On screen: the sheet's picture holds the logo's black letters on white.
    sheet->sheet.PaintNow();
    const auto image = host::CaptureWindow(sheet->sheet.window());
    ASSERT_TRUE(image);
    RECT area;
    GetWindowRect(logo, &area);
    MapWindowPoints(HWND_DESKTOP, sheet->sheet.window(), reinterpret_cast<POINT*>(&area), 2);
    int dark = 0, white = 0;
    for (LONG y = std::max(area.top, 0L); y < area.bottom && y < LONG(image->height); ++y)
        for (LONG x = std::max(area.left, 0L); x < area.right && x < LONG(image->width); ++x) {
            const std::uint32_t pixel = image->Pixel(x, y);
            dark += pixel == 0x000000;
            white += pixel == 0xFFFFFF;
        }
    EXPECT_GT(dark, 200);
    EXPECT_GT(white, 2000);
}

}  // namespace
}  // namespace qzr::test
