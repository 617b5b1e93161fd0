// The value boxes: what a written text does to its slider and the sheet, and what leaving a box
// stores.
#include <gtest/gtest.h>

#include <cstring>

#include "page_fixture.h"
#include "res/resource_ids.h"
#include "value_boxes.h"

namespace qzr::colorpage::testing {
namespace {

TEST_F(PageTest, LeavingABoxClampsItToItsBoundsAndStoresItAtOnce) {
    struct Case {
        int box;
        std::u16string typed;
        std::u16string shownAfter;  // the bound when the text was beyond it
        std::int16_t stored;
        std::int16_t ColorSettings::*field;
        int slider;
    } cases[] = {
        {IDC_BRIGHTNESS_BOX, u"-10", u"-10", -10, &ColorSettings::brightness,
         IDC_BRIGHTNESS_SLIDER},
        {IDC_BRIGHTNESS_BOX, u"-11", u"-10", -10, &ColorSettings::brightness,
         IDC_BRIGHTNESS_SLIDER},
        {IDC_BRIGHTNESS_BOX, u"10", u"10", 10, &ColorSettings::brightness, IDC_BRIGHTNESS_SLIDER},
        {IDC_BRIGHTNESS_BOX, u"300", u"10", 10, &ColorSettings::brightness, IDC_BRIGHTNESS_SLIDER},
        {IDC_CONTRAST_BOX, u"-32768", u"-10", -10, &ColorSettings::contrast, IDC_CONTRAST_SLIDER},
        {IDC_CONTRAST_BOX, u"11", u"10", 10, &ColorSettings::contrast, IDC_CONTRAST_SLIDER},
        {IDC_SATURATION_BOX, u"-12", u"-10", -10, &ColorSettings::saturation,
         IDC_SATURATION_SLIDER},
        {IDC_SATURATION_BOX, u"abc", u"abc", 0, &ColorSettings::saturation, IDC_SATURATION_SLIDER},
        {IDC_SHARPNESS_BOX, u"-4", u"-4", -4, &ColorSettings::sharpness, IDC_SHARPNESS_SLIDER},
        {IDC_SHARPNESS_BOX, u"-5", u"-4", -4, &ColorSettings::sharpness, IDC_SHARPNESS_SLIDER},
        {IDC_SHARPNESS_BOX, u"5", u"4", 4, &ColorSettings::sharpness, IDC_SHARPNESS_SLIDER},
        {IDC_CYAN_BOX, u"-11", u"-10", -10, &ColorSettings::cyanBalance, IDC_CYAN_SLIDER},
        {IDC_CYAN_BOX, u"11", u"10", 10, &ColorSettings::cyanBalance, IDC_CYAN_SLIDER},
        {IDC_MAGENTA_BOX, u"-11", u"-10", -10, &ColorSettings::magentaBalance, IDC_MAGENTA_SLIDER},
        {IDC_MAGENTA_BOX, u"11", u"10", 10, &ColorSettings::magentaBalance, IDC_MAGENTA_SLIDER},
        {IDC_YELLOW_BOX, u"-11", u"-10", -10, &ColorSettings::yellowBalance, IDC_YELLOW_SLIDER},
        {IDC_YELLOW_BOX, u"11", u"10", 10, &ColorSettings::yellowBalance, IDC_YELLOW_SLIDER},
        // The amount reads (text - 25) / 25, truncating toward zero.
        {IDC_AMOUNT_BOX, u"0", u"25", 0, &ColorSettings::unsharpAmount, IDC_AMOUNT_SLIDER},
        {IDC_AMOUNT_BOX, u"1", u"1", 0, &ColorSettings::unsharpAmount, IDC_AMOUNT_SLIDER},
        {IDC_AMOUNT_BOX, u"24", u"24", 0, &ColorSettings::unsharpAmount, IDC_AMOUNT_SLIDER},
        {IDC_AMOUNT_BOX, u"325", u"325", 12, &ColorSettings::unsharpAmount, IDC_AMOUNT_SLIDER},
        {IDC_AMOUNT_BOX, u"349", u"349", 12, &ColorSettings::unsharpAmount, IDC_AMOUNT_SLIDER},
        {IDC_AMOUNT_BOX, u"350", u"325", 12, &ColorSettings::unsharpAmount, IDC_AMOUNT_SLIDER},
        {IDC_RADIUS_BOX, u"0.1", u"0.1", 1, &ColorSettings::unsharpRadius, IDC_RADIUS_SLIDER},
        {IDC_RADIUS_BOX, u"0.0", u"0.1", 1, &ColorSettings::unsharpRadius, IDC_RADIUS_SLIDER},
        {IDC_RADIUS_BOX, u"3.0", u"3.0", 30, &ColorSettings::unsharpRadius, IDC_RADIUS_SLIDER},
        {IDC_RADIUS_BOX, u"3.1", u"3.0", 30, &ColorSettings::unsharpRadius, IDC_RADIUS_SLIDER},
        {IDC_RADIUS_BOX, u"", u"0.1", 1, &ColorSettings::unsharpRadius, IDC_RADIUS_SLIDER},
        {IDC_RADIUS_BOX, u"12", u"0.1", 1, &ColorSettings::unsharpRadius, IDC_RADIUS_SLIDER},
        {IDC_THRESHOLD_BOX, u"0", u"0", 0, &ColorSettings::unsharpThreshold, IDC_THRESHOLD_SLIDER},
        {IDC_THRESHOLD_BOX, u"-1", u"0", 0, &ColorSettings::unsharpThreshold, IDC_THRESHOLD_SLIDER},
        {IDC_THRESHOLD_BOX, u"20", u"20", 20, &ColorSettings::unsharpThreshold,
         IDC_THRESHOLD_SLIDER},
        {IDC_THRESHOLD_BOX, u"21", u"20", 20, &ColorSettings::unsharpThreshold,
         IDC_THRESHOLD_SLIDER},
        {IDC_RESIZE_BOX, u"90", u"90", -10, &ColorSettings::resize, IDC_RESIZE_SLIDER},
        {IDC_RESIZE_BOX, u"89", u"90", -10, &ColorSettings::resize, IDC_RESIZE_SLIDER},
        {IDC_RESIZE_BOX, u"110", u"110", 10, &ColorSettings::resize, IDC_RESIZE_SLIDER},
        {IDC_RESIZE_BOX, u"111", u"110", 10, &ColorSettings::resize, IDC_RESIZE_SLIDER},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "box " << c.box << " typed \""
                                          << std::string(c.typed.begin(), c.typed.end()) << '"');
        page->TypeIntoBox(c.box, c.typed);
        page->TakeInvalidations();
        page->LeaveBox(c.box);
        EXPECT_EQ(page->Text(c.box), c.shownAfter);
        EXPECT_EQ(devmode.settings.*(c.field), c.stored);
        EXPECT_EQ(page->Position(c.slider), c.stored);
        EXPECT_EQ(page->TakeInvalidations(), 1);
    }
}

TEST_F(PageTest, AStoredBoxValueNoLongerCountsAsAChange) {
    Open();
    page->MoveSlider(IDC_SATURATION_SLIDER, 6);
    EXPECT_EQ(page->TakeSheetMessages().back(), "changed");
    page->LeaveBox(IDC_SATURATION_BOX);
    EXPECT_EQ(devmode.settings.saturation, 6);
    EXPECT_EQ(saved.saturation, 0);  // nothing applied
    page->MoveSlider(IDC_BRIGHTNESS_SLIDER, 0);
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"unchanged"});
}

TEST_F(PageTest, WritingABoxMovesItsSliderAndCanOnlyMarkTheSheetChanged) {
    Open();
    page->TypeIntoBox(IDC_AMOUNT_BOX, u"275");
    EXPECT_EQ(page->Position(IDC_AMOUNT_SLIDER), 10);
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"changed"});

    page->TypeIntoBox(IDC_AMOUNT_BOX, u"150");  // the record's value: nothing said
    EXPECT_EQ(page->Position(IDC_AMOUNT_SLIDER), 5);
    EXPECT_TRUE(page->TakeSheetMessages().empty());

    page->TypeIntoBox(IDC_RADIUS_BOX, u"2.7");
    EXPECT_EQ(page->Position(IDC_RADIUS_SLIDER), 27);
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"changed"});

    page->TypeIntoBox(IDC_RADIUS_BOX, u"");  // changed at once, the slider stays
    EXPECT_EQ(page->Position(IDC_RADIUS_SLIDER), 27);
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"changed"});

    page->TypeIntoBox(IDC_RESIZE_BOX, u"95");
    EXPECT_EQ(page->Position(IDC_RESIZE_SLIDER), -5);
    page->TypeIntoBox(IDC_ORDER_ID_BOX, u"5");  // not a value box
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"changed"});
    EXPECT_EQ(page->TakeInvalidations(), 0);
}

TEST_F(PageTest, BoxOperationsIgnoreOtherControls) {
    Open();
    const PrivateDevmode before = devmode;
    for (int id : {IDC_ORDER_ID_BOX, IDC_BRIGHTNESS_SLIDER, IDC_UNSHARP_MASK, 0}) {
        EXPECT_EQ(SyncValueBox(*page, devmode.settings, id), 1);
        EXPECT_EQ(ClampValueBox(*page, devmode.settings, id), 1);
    }
    EXPECT_TRUE(page->TakeSheetMessages().empty());
    EXPECT_EQ(std::memcmp(&devmode, &before, sizeof devmode), 0);
}

}  // namespace
}  // namespace qzr::colorpage::testing
