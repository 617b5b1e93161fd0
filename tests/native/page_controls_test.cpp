// The page against a simulated dialog: what the controls show and what the sheet is told.
#include <gtest/gtest.h>

#include <cstring>

#include "page_fixture.h"
#include "page_settings.h"
#include "res/resource_ids.h"
#include "value_boxes.h"

namespace qzr::colorpage::testing {
namespace {

TEST_F(PageTest, OpeningShowsTheRecordAndReportsUnchanged) {
    devmode.settings.brightness = -3;
    devmode.settings.sharpness = 4;
    devmode.settings.unsharpEnabled = 1;
    devmode.settings.unsharpRadius = 25;
    devmode.settings.orderId = 42;
    devmode.settings.colorMode = 1;
    devmode.settings.printMode = 1;
    Open();
    EXPECT_EQ(openingMessages, Messages{"unchanged"});
    EXPECT_EQ(page->Range(IDC_BRIGHTNESS_SLIDER), std::make_pair(-10, 10));
    EXPECT_EQ(page->Range(IDC_SHARPNESS_SLIDER), std::make_pair(-4, 4));
    EXPECT_EQ(page->Range(IDC_AMOUNT_SLIDER), std::make_pair(0, 12));
    EXPECT_EQ(page->Range(IDC_RADIUS_SLIDER), std::make_pair(1, 30));
    EXPECT_EQ(page->Range(IDC_THRESHOLD_SLIDER), std::make_pair(0, 20));
    EXPECT_EQ(page->Range(IDC_ORDER_ID_SPIN), std::make_pair(0, 999));
    EXPECT_EQ(page->Text(IDC_BRIGHTNESS_BOX), u"-3");
    EXPECT_EQ(page->Text(IDC_SHARPNESS_BOX), u"4");
    EXPECT_EQ(page->Text(IDC_RADIUS_BOX), u"2.5");
    EXPECT_EQ(page->Text(IDC_AMOUNT_BOX), u"150");
    EXPECT_EQ(page->Text(IDC_RESIZE_BOX), u"100");
    EXPECT_EQ(page->Text(IDC_ORDER_ID_BOX), u"42");
    EXPECT_TRUE(page->Checked(IDC_UNSHARP_MASK));
    EXPECT_TRUE(page->Checked(IDC_NATURAL_COLOR));
    EXPECT_FALSE(page->Checked(IDC_ORDER_ID_CHECK));
    EXPECT_FALSE(page->Checked(IDC_COLOR_MODE_COLOR));
    EXPECT_TRUE(page->Checked(IDC_COLOR_MODE_MONOCHROME));
    EXPECT_FALSE(page->Checked(IDC_PRINT_MODE_HIGH_SPEED));
    EXPECT_TRUE(page->Checked(IDC_PRINT_MODE_HIGH_QUALITY));
}

TEST_F(PageTest, ValueBoxesShowTheSliderValueInTheirForm) {
    Open();
    struct Case {
        int slider;
        int position;  // beyond the range: the slider clamps
        int box;
        std::u16string shown;
    } cases[] = {
        {IDC_BRIGHTNESS_SLIDER, -10, IDC_BRIGHTNESS_BOX, u"-10"},
        {IDC_BRIGHTNESS_SLIDER, 15, IDC_BRIGHTNESS_BOX, u"10"},
        {IDC_CONTRAST_SLIDER, -7, IDC_CONTRAST_BOX, u"-7"},
        {IDC_SATURATION_SLIDER, 10, IDC_SATURATION_BOX, u"10"},
        {IDC_CYAN_SLIDER, -10, IDC_CYAN_BOX, u"-10"},
        {IDC_MAGENTA_SLIDER, 3, IDC_MAGENTA_BOX, u"3"},
        {IDC_YELLOW_SLIDER, 10, IDC_YELLOW_BOX, u"10"},
        {IDC_SHARPNESS_SLIDER, -4, IDC_SHARPNESS_BOX, u"-4"},
        {IDC_SHARPNESS_SLIDER, 9, IDC_SHARPNESS_BOX, u"4"},
        {IDC_AMOUNT_SLIDER, 0, IDC_AMOUNT_BOX, u"25"},
        {IDC_AMOUNT_SLIDER, 5, IDC_AMOUNT_BOX, u"150"},
        {IDC_AMOUNT_SLIDER, 12, IDC_AMOUNT_BOX, u"325"},
        {IDC_AMOUNT_SLIDER, -1, IDC_AMOUNT_BOX, u"25"},
        {IDC_RADIUS_SLIDER, 1, IDC_RADIUS_BOX, u"0.1"},
        {IDC_RADIUS_SLIDER, 10, IDC_RADIUS_BOX, u"1.0"},
        {IDC_RADIUS_SLIDER, 30, IDC_RADIUS_BOX, u"3.0"},
        {IDC_RADIUS_SLIDER, 0, IDC_RADIUS_BOX, u"0.1"},
        {IDC_THRESHOLD_SLIDER, 0, IDC_THRESHOLD_BOX, u"0"},
        {IDC_THRESHOLD_SLIDER, 20, IDC_THRESHOLD_BOX, u"20"},
        {IDC_RESIZE_SLIDER, -10, IDC_RESIZE_BOX, u"90"},
        {IDC_RESIZE_SLIDER, 0, IDC_RESIZE_BOX, u"100"},
        {IDC_RESIZE_SLIDER, 10, IDC_RESIZE_BOX, u"110"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "slider " << c.slider << " at " << c.position);
        page->MoveSlider(c.slider, c.position);
        EXPECT_EQ(page->Text(c.box), c.shown);
    }
}

TEST_F(PageTest, MovingASliderAwayReportsChangedAndBackUnchanged) {
    Open();
    const PrivateDevmode before = devmode;
    page->MoveSlider(IDC_CONTRAST_SLIDER, 4);
    // The contrast box's rewrite reaches the page first and already differs from the record.
    EXPECT_EQ(page->TakeSheetMessages(), (Messages{"changed", "changed"}));
    EXPECT_EQ(page->TakeInvalidations(), 1);
    page->MoveSlider(IDC_CONTRAST_SLIDER, 0);
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"unchanged"});
    EXPECT_EQ(page->TakeInvalidations(), 1);
    EXPECT_EQ(std::memcmp(&devmode, &before, sizeof devmode), 0);
}

TEST_F(PageTest, ModeClicksSetTheirPairAndCompareWithTheRecord) {
    Open();
    page->Click(IDC_COLOR_MODE_MONOCHROME);
    EXPECT_FALSE(page->Checked(IDC_COLOR_MODE_COLOR));
    EXPECT_TRUE(page->Checked(IDC_COLOR_MODE_MONOCHROME));
    EXPECT_EQ(page->TakeSheetMessages().back(), "changed");
    EXPECT_EQ(page->TakeInvalidations(), 1);
    EXPECT_EQ(devmode.settings.colorMode, 0);

    page->Click(IDC_PRINT_MODE_HIGH_QUALITY);
    EXPECT_FALSE(page->Checked(IDC_PRINT_MODE_HIGH_SPEED));
    EXPECT_TRUE(page->Checked(IDC_PRINT_MODE_HIGH_QUALITY));
    EXPECT_EQ(page->TakeSheetMessages().back(), "changed");

    page->Click(IDC_COLOR_MODE_COLOR);
    page->Click(IDC_PRINT_MODE_HIGH_SPEED);
    EXPECT_TRUE(page->Checked(IDC_COLOR_MODE_COLOR));
    EXPECT_TRUE(page->Checked(IDC_PRINT_MODE_HIGH_SPEED));
    EXPECT_EQ(page->TakeSheetMessages().back(), "unchanged");
}

TEST_F(PageTest, OtherClicksAndCodesDoOnlyTheirOwnPart) {
    Open();
    EXPECT_EQ(page->Click(IDC_SELECT_FILE), FileCommand::SelectPreviewFile);
    EXPECT_EQ(page->Click(IDC_SAVE_CONFIGURATION), FileCommand::SaveConfiguration);
    EXPECT_EQ(page->Click(IDC_LOAD_CONFIGURATION), FileCommand::LoadConfiguration);
    EXPECT_TRUE(page->TakeSheetMessages().empty());
    EXPECT_EQ(page->TakeInvalidations(), 0);

    // "Unsharp mask" repaints but leaves the changed state alone.
    EXPECT_EQ(page->Click(IDC_UNSHARP_MASK), FileCommand::None);
    EXPECT_TRUE(page->Checked(IDC_UNSHARP_MASK));
    EXPECT_TRUE(page->TakeSheetMessages().empty());
    EXPECT_EQ(page->TakeInvalidations(), 1);

    // The hidden toggles' clicks are not handled; their state counts at the next reading.
    page->Click(IDC_NATURAL_COLOR);
    page->Click(IDC_ORDER_ID_CHECK);
    page->Command(0x300, IDC_BRIGHTNESS_BOX);  // EN_CHANGE
    EXPECT_TRUE(page->TakeSheetMessages().empty());
    EXPECT_EQ(page->TakeInvalidations(), 0);

    page->Command(kAcceleratorCommand, 0);
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"changed"});
    EXPECT_EQ(page->TakeInvalidations(), 0);
}

TEST_F(PageTest, DefaultSettingsFollowTheLocaleAndKeepTheOrderId) {
    struct Case {
        std::uint32_t locale;
        int printModeButton;
    } cases[] = {{0x0411, IDC_PRINT_MODE_HIGH_QUALITY},
                 {0x0409, IDC_PRINT_MODE_HIGH_SPEED},
                 {0x0412, IDC_PRINT_MODE_HIGH_SPEED}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        WritePrivateDevmodeDefaults(devmode, 0x0409);
        ColorSettings& s = devmode.settings;
        s.brightness = 5;
        s.unsharpEnabled = 1;
        s.unsharpAmount = 12;
        s.naturalColorOff = 1;
        s.orderId = 77;
        s.orderIdEnabled = 1;
        s.colorMode = 1;
        s.printMode = c.printModeButton == IDC_PRINT_MODE_HIGH_SPEED ? 1 : 0;
        const std::u16string path = u"C:\\pictures\\beach.bmp";
        path.copy(devmode.previewImagePath, path.size());
        Open(c.locale);
        const ColorSettings stored = devmode.settings;

        page->Click(IDC_DEFAULT_SETTINGS);
        for (char16_t unit : devmode.previewImagePath) ASSERT_EQ(unit, u'\0');
        EXPECT_EQ(std::memcmp(&devmode.settings, &stored, sizeof stored), 0);
        EXPECT_EQ(page->TakeSheetMessages().back(), "changed");
        EXPECT_EQ(page->TakeInvalidations(), 1);
        for (int box : {IDC_BRIGHTNESS_BOX, IDC_CONTRAST_BOX, IDC_SATURATION_BOX, IDC_SHARPNESS_BOX,
                        IDC_CYAN_BOX, IDC_MAGENTA_BOX, IDC_YELLOW_BOX})
            EXPECT_EQ(page->Text(box), u"0") << box;
        EXPECT_EQ(page->Text(IDC_AMOUNT_BOX), u"150");
        EXPECT_EQ(page->Text(IDC_RADIUS_BOX), u"1.0");
        EXPECT_EQ(page->Text(IDC_THRESHOLD_BOX), u"5");
        EXPECT_EQ(page->Text(IDC_RESIZE_BOX), u"100");
        EXPECT_EQ(page->Text(IDC_ORDER_ID_BOX), u"77");
        EXPECT_FALSE(page->Checked(IDC_UNSHARP_MASK));
        EXPECT_TRUE(page->Checked(IDC_NATURAL_COLOR));
        EXPECT_FALSE(page->Checked(IDC_ORDER_ID_CHECK));
        EXPECT_TRUE(page->Checked(IDC_COLOR_MODE_COLOR));
        EXPECT_FALSE(page->Checked(IDC_COLOR_MODE_MONOCHROME));
        EXPECT_TRUE(page->Checked(c.printModeButton));
    }
}

TEST_F(PageTest, ModeOutsideZeroAndOneLeavesItsPairClearAndItsFieldAlone) {
    devmode.settings.colorMode = 7;
    Open();
    EXPECT_EQ(openingMessages, Messages{"changed"});
    EXPECT_FALSE(page->Checked(IDC_COLOR_MODE_COLOR));
    EXPECT_FALSE(page->Checked(IDC_COLOR_MODE_MONOCHROME));
    ColorSettings read{};
    ReadSettings(*page, read);
    EXPECT_EQ(read.colorMode, 0);
    page->Notify(SheetNotification::KillActive);
    EXPECT_EQ(devmode.settings.colorMode, 7);
}

TEST_F(PageTest, OddTogglesShowAsTheirUsualStateAndReadBackNormalised) {
    devmode.settings.naturalColorOff = 2;
    devmode.settings.orderIdEnabled = 2;
    Open();
    EXPECT_EQ(openingMessages, Messages{"changed"});
    EXPECT_TRUE(page->Checked(IDC_NATURAL_COLOR));
    EXPECT_TRUE(page->Checked(IDC_ORDER_ID_CHECK));
    page->Notify(SheetNotification::KillActive);
    EXPECT_EQ(devmode.settings.naturalColorOff, 0);
    EXPECT_EQ(devmode.settings.orderIdEnabled, 1);
}

TEST_F(PageTest, AlignmentBytesMakeThePageChangedAndAreNeverWritten) {
    devmode.settings.alignment[0] = 0x5A;
    devmode.settings.alignment[1] = 0x01;
    Open();
    EXPECT_EQ(openingMessages, Messages{"changed"});
    page->Notify(SheetNotification::KillActive);
    EXPECT_EQ(devmode.settings.alignment[0], 0x5A);
    EXPECT_EQ(devmode.settings.alignment[1], 0x01);
}

TEST_F(PageTest, OrderIdBoxIsReadInSixteenBitsAndRewritten) {
    Open();
    page->TypeIntoBox(IDC_ORDER_ID_BOX, u"65537");
    ColorSettings read{};
    ReadSettings(*page, read);
    EXPECT_EQ(read.orderId, 1);
    EXPECT_EQ(page->Text(IDC_ORDER_ID_BOX), u"1");
    page->TypeIntoBox(IDC_ORDER_ID_BOX, u"40000");
    page->Notify(SheetNotification::KillActive);
    EXPECT_EQ(devmode.settings.orderId, 40000 - 65536);
    EXPECT_EQ(page->Text(IDC_ORDER_ID_BOX), u"40000");  // leaving the page writes no box
}

}  // namespace
}  // namespace qzr::colorpage::testing
