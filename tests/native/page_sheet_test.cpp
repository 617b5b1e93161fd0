// The settings cycle between the controls, the driver's record and the applied copy, as the
// property sheet drives it.
#include <gtest/gtest.h>

#include <cstring>

#include "page_fixture.h"
#include "res/resource_ids.h"

namespace qzr::colorpage::testing {
namespace {

bool Same(const ColorSettings& a, const ColorSettings& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(PageTest, LeavingApplyingAndReturningMoveTheSettingsAround) {
    Open();
    page->MoveSlider(IDC_BRIGHTNESS_SLIDER, 3);
    page->Click(IDC_COLOR_MODE_MONOCHROME);
    EXPECT_EQ(devmode.settings.brightness, 0);  // edits live in the controls until left

    page->Notify(SheetNotification::KillActive);
    EXPECT_EQ(devmode.settings.brightness, 3);
    EXPECT_EQ(devmode.settings.colorMode, 1);
    EXPECT_EQ(saved.brightness, 0);
    page->TakeSheetMessages();

    page->Notify(SheetNotification::Apply);
    EXPECT_TRUE(Same(saved, devmode.settings));
    EXPECT_EQ(page->TakeSheetMessages(), Messages{"applied"});

    // Another tab, then back: the applied copy returns to the record, the controls keep the
    // edits made since, and OK writes them again before applying.
    page->MoveSlider(IDC_BRIGHTNESS_SLIDER, 5);
    page->Notify(SheetNotification::KillActive);
    EXPECT_EQ(devmode.settings.brightness, 5);
    page->Notify(SheetNotification::SetActive);
    EXPECT_EQ(devmode.settings.brightness, 3);
    EXPECT_EQ(page->Position(IDC_BRIGHTNESS_SLIDER), 5);
    EXPECT_EQ(page->Text(IDC_BRIGHTNESS_BOX), u"5");
    page->Notify(SheetNotification::KillActive);
    page->Notify(SheetNotification::Apply);
    EXPECT_EQ(saved.brightness, 5);
    EXPECT_EQ(devmode.settings.brightness, 5);
}

TEST_F(PageTest, NotificationsTouchNeitherBoxesNorPathNorOtherState) {
    const std::u16string path = u"D:\\a.bmp";
    path.copy(devmode.previewImagePath, path.size());
    Open();
    page->TypeIntoBox(IDC_CONTRAST_BOX, u"99");  // a text the page would never write
    page->TakeSheetMessages();
    page->Notify(SheetNotification::KillActive);
    page->Notify(SheetNotification::Other);
    page->Notify(SheetNotification::SetActive);
    EXPECT_EQ(page->Text(IDC_CONTRAST_BOX), u"99");
    EXPECT_EQ(std::u16string(devmode.previewImagePath), path);
    EXPECT_TRUE(page->TakeSheetMessages().empty());
    EXPECT_EQ(page->TakeInvalidations(), 0);
}

}  // namespace
}  // namespace qzr::colorpage::testing
