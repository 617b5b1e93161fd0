// The page in a document sheet: its controls, the sheet's Apply button, the private record and
// the applied copy, as the user's actions and the sheet's notifications change them.
#include <cstring>

#include "color_page_fixture_win.h"
#include "res/resource_ids.h"

namespace qzr::test {
namespace {

TEST_F(ColorPageTest, SlidersShowInTheirBoxesAndTheApplyButton) {
    OpenSheet();
    EXPECT_EQ(Text(IDC_AMOUNT_BOX), L"150");
    EXPECT_EQ(Text(IDC_RADIUS_BOX), L"1.0");
    EXPECT_EQ(Text(IDC_RESIZE_BOX), L"100");
    EXPECT_FALSE(ApplyEnabled());

    MoveSlider(IDC_BRIGHTNESS_SLIDER, -7);
    MoveSlider(IDC_RADIUS_SLIDER, 30);
    MoveSlider(IDC_AMOUNT_SLIDER, 40);  // the trackbar keeps to its range
    EXPECT_EQ(Text(IDC_BRIGHTNESS_BOX), L"-7");
    EXPECT_EQ(Text(IDC_RADIUS_BOX), L"3.0");
    EXPECT_EQ(Text(IDC_AMOUNT_BOX), L"325");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(Record().settings.brightness, 0);  // nothing written before the page is left

    MoveSlider(IDC_BRIGHTNESS_SLIDER, 0);
    MoveSlider(IDC_RADIUS_SLIDER, 10);
    MoveSlider(IDC_AMOUNT_SLIDER, 5);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ColorPageTest, ButtonsSwitchModesAndRestoreDefaults) {
    OpenSheet();
    Click(IDC_COLOR_MODE_MONOCHROME);
    EXPECT_TRUE(Checked(IDC_COLOR_MODE_MONOCHROME));
    EXPECT_FALSE(Checked(IDC_COLOR_MODE_COLOR));
    EXPECT_TRUE(ApplyEnabled());
    Click(IDC_COLOR_MODE_COLOR);
    EXPECT_FALSE(ApplyEnabled());

    Click(IDC_UNSHARP_MASK);  // repaints only: the sheet is not told
    EXPECT_TRUE(Checked(IDC_UNSHARP_MASK));
    EXPECT_FALSE(ApplyEnabled());

    MoveSlider(IDC_CONTRAST_SLIDER, 9);
    Click(IDC_PRINT_MODE_HIGH_QUALITY);
    const std::u16string path = u"C:\\pictures\\umbrella.bmp";
    path.copy(Record().previewImagePath, path.size());
    Click(IDC_DEFAULT_SETTINGS);
    EXPECT_EQ(Text(IDC_CONTRAST_BOX), L"0");
    EXPECT_FALSE(Checked(IDC_UNSHARP_MASK));
    EXPECT_TRUE(Checked(IDC_PRINT_MODE_HIGH_SPEED));  // the prefix's locale is not Japanese
    EXPECT_EQ(Record().previewImagePath[0], u'\0');
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ColorPageTest, LeavingApplyingAndReturningKeepTheCycle) {
    OpenSheet();
    MoveSlider(IDC_SATURATION_SLIDER, 4);
    ASSERT_TRUE(sheet->sheet.SelectPage(0));
    EXPECT_EQ(Record().settings.saturation, 4);
    EXPECT_EQ(Context().savedSettings.saturation, 0);

    ASSERT_TRUE(sheet->sheet.SelectPage(1));
    EXPECT_EQ(Record().settings.saturation, 0);  // the applied copy is back
    EXPECT_EQ(Position(IDC_SATURATION_SLIDER), 4);

    sheet->sheet.PressButton(PSBTN_APPLYNOW);
    EXPECT_EQ(Record().settings.saturation, 4);
    EXPECT_EQ(std::memcmp(&Context().savedSettings, &Record().settings, sizeof(ColorSettings)), 0);
    const auto& calls = sheet->host.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().function, static_cast<UINT>(CPSFUNC_SET_RESULT));
    EXPECT_EQ(calls.back().lParam1, reinterpret_cast<LPARAM>(Context().pageHandle));
    EXPECT_EQ(calls.back().lParam2, CPSUI_OK);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ColorPageTest, ABoxWriteMovesItsSliderAndLeavingItStoresTheBound) {
    OpenSheet();
    const HWND box = GetDlgItem(Page(), IDC_BRIGHTNESS_BOX);
    SetWindowTextW(box, L"25");  // the box tells the page before the write returns
    EXPECT_EQ(Position(IDC_BRIGHTNESS_SLIDER), 10);
    EXPECT_TRUE(ApplyEnabled());
    SetFocus(box);
    SetFocus(GetDlgItem(Page(), IDC_SELECT_FILE));
    Pump();
    EXPECT_EQ(Text(IDC_BRIGHTNESS_BOX), L"10");
    EXPECT_EQ(Record().settings.brightness, 10);
}

TEST_F(ColorPageTest, OddStoredValuesShowAsTheyAlwaysHave) {
    OpenSheet(true);
    Record().settings.colorMode = 7;
    Record().settings.naturalColorOff = 2;
    Record().settings.resize = 40;
    ASSERT_TRUE(sheet->sheet.SelectPage(1));
    EXPECT_FALSE(Checked(IDC_COLOR_MODE_COLOR));
    EXPECT_FALSE(Checked(IDC_COLOR_MODE_MONOCHROME));
    EXPECT_TRUE(Checked(IDC_NATURAL_COLOR));
    EXPECT_EQ(Text(IDC_RESIZE_BOX), L"110");
    // Entering the page put the applied copy back; leaving it leaves a mode alone when neither
    // of its buttons is set.
    Record().settings.colorMode = 7;
    ASSERT_TRUE(sheet->sheet.SelectPage(0));
    EXPECT_EQ(Record().settings.colorMode, 7);
    EXPECT_EQ(Record().settings.naturalColorOff, 0);
    EXPECT_EQ(Record().settings.resize, 10);
}

}  // namespace
}  // namespace qzr::test
