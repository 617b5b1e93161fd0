// ".COL" records: their bytes, the reading rules, and what saving and loading do to the page.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "color_config_text.h"
#include "config_commands.h"
#include "page_fixture.h"
#include "page_settings.h"
#include "res/resource_ids.h"

namespace qzr::colorpage::testing {
namespace {

std::vector<std::uint8_t> FileOf(const ColorSettings& settings) {
    const ColorConfigBytes bytes = ColorConfigRecordBytes(MakeColorConfigRecord(settings));
    return {bytes.begin(), bytes.end()};
}

TEST(ColorConfigRecord, StartsWithItsHeaderAndCarriesTheBlockAsIs) {
    ColorSettings settings{};
    settings.brightness = -2;
    settings.printMode = 1;
    const std::vector<std::uint8_t> file = FileOf(settings);
    ASSERT_EQ(file.size(), 48u);
    EXPECT_EQ((std::vector<std::uint8_t>(file.begin(), file.begin() + 6)),
              (std::vector<std::uint8_t>{0x30, 0x00, 0x64, 0x00, 0xFE, 0xFF}));
    EXPECT_EQ(file[46], 1);
    EXPECT_EQ(std::memcmp(file.data() + 4, &settings, sizeof settings), 0);
}

TEST(ColorConfigRecord, ReadingRefusesShortFilesAndForeignHeaders) {
    ColorSettings settings{};
    settings.contrast = 9;
    std::vector<std::uint8_t> file = FileOf(settings);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        ColorConfigError error;
    } cases[] = {
        {"whole record", file, ColorConfigError::None},
        {"longer file",
         [&] {
             auto f = file;
             f.resize(300, 0xAB);
             return f;
         }(),
         ColorConfigError::None},
        {"47 bytes", {file.begin(), file.end() - 1}, ColorConfigError::TooShort},
        {"empty", {}, ColorConfigError::TooShort},
        {"48, 101",
         [&] {
             auto f = file;
             f[2] = 101;
             return f;
         }(),
         ColorConfigError::WrongHeader},
        {"100, 48",
         [&] {
             auto f = file;
             f[0] = 100;
             f[2] = 48;
             return f;
         }(),
         ColorConfigError::WrongHeader},
        {"48 + 256, 100",
         [&] {
             auto f = file;
             f[1] = 1;
             return f;
         }(),
         ColorConfigError::WrongHeader},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ColorConfigReading reading = ReadColorConfigRecord(c.bytes);
        EXPECT_EQ(reading.error, c.error);
        if (c.error == ColorConfigError::None)
            EXPECT_EQ(reading.record.settings.contrast, 9);
        else
            EXPECT_EQ(reading.record.settings.contrast, 0);
    }
}

TEST(ColorConfigText, ShowsEveryFieldOnItsOwnLine) {
    ColorSettings settings = DefaultColorSettings(0x0411);
    settings.magentaBalance = -7;
    const std::string text = DescribeColorConfig(MakeColorConfigRecord(settings));
    EXPECT_EQ(text.substr(0, 28), "recordSize 48\nrecordTag 100\n");
    EXPECT_NE(text.find("\nmagentaBalance -7\n"), std::string::npos);
    EXPECT_NE(text.find("\nunsharpAmount 5\n"), std::string::npos);
    EXPECT_NE(text.find("\nprintMode 1\n"), std::string::npos);
}

TEST_F(PageTest, SavingStoresWhatTheControlsShowInAZeroStartedRecord) {
    devmode.settings.alignment[0] = 0xEE;
    devmode.settings.alignment[1] = 0xEE;
    devmode.settings.printMode = 3;  // neither speed button set
    Open();
    page->MoveSlider(IDC_YELLOW_SLIDER, -6);  // not applied, not left
    const ColorConfigBytes bytes = SaveConfigurationBytes(*page);
    ColorConfigRecord record;
    std::memcpy(&record, bytes.data(), sizeof record);
    EXPECT_EQ(record.recordSize, 48);
    EXPECT_EQ(record.recordTag, 100);
    EXPECT_EQ(record.settings.yellowBalance, -6);
    EXPECT_EQ(record.settings.unsharpRadius, 10);
    EXPECT_EQ(record.settings.alignment[0], 0);
    EXPECT_EQ(record.settings.alignment[1], 0);
    EXPECT_EQ(record.settings.printMode, 0);
    EXPECT_EQ(devmode.settings.yellowBalance, 0);
}

TEST_F(PageTest, LoadingPutsAFileIntoTheControlsOnly) {
    devmode.settings.orderId = 12;
    devmode.settings.printMode = 1;
    Open();
    ColorSettings file = devmode.settings;
    file.brightness = 25;  // the slider clamps it
    file.cyanBalance = -4;
    file.unsharpEnabled = 1;
    file.naturalColorOff = 1;
    file.orderId = 500;  // never used: the box keeps its number
    file.colorMode = 1;
    file.printMode = 2;  // leaves the pair as it is
    const PrivateDevmode before = devmode;

    EXPECT_EQ(LoadConfigurationBytes(*page, {devmode, saved}, FileOf(file)),
              ColorConfigError::None);
    EXPECT_EQ(page->Position(IDC_BRIGHTNESS_SLIDER), 10);
    EXPECT_EQ(page->Text(IDC_BRIGHTNESS_BOX), u"10");
    EXPECT_EQ(page->Text(IDC_CYAN_BOX), u"-4");
    EXPECT_EQ(page->Text(IDC_ORDER_ID_BOX), u"12");
    EXPECT_TRUE(page->Checked(IDC_UNSHARP_MASK));
    EXPECT_FALSE(page->Checked(IDC_NATURAL_COLOR));
    EXPECT_TRUE(page->Checked(IDC_COLOR_MODE_MONOCHROME));
    EXPECT_TRUE(page->Checked(IDC_PRINT_MODE_HIGH_QUALITY));
    EXPECT_EQ(page->TakeSheetMessages().back(), "changed");
    EXPECT_EQ(page->TakeInvalidations(), 1);
    EXPECT_EQ(std::memcmp(&devmode, &before, sizeof devmode), 0);

    ColorSettings read{};
    ReadSettings(*page, read);
    EXPECT_EQ(read.brightness, 10);
}

TEST_F(PageTest, LoadingTheRecordsOwnSettingsLeavesThePageUnchanged) {
    devmode.settings.sharpness = -2;
    Open();
    page->MoveSlider(IDC_SHARPNESS_SLIDER, 3);
    ColorSettings file = devmode.settings;
    file.orderId = 999;
    file.alignment[0] = 7;  // not read
    EXPECT_EQ(LoadConfigurationBytes(*page, {devmode, saved}, FileOf(file)),
              ColorConfigError::None);
    EXPECT_EQ(page->Text(IDC_SHARPNESS_BOX), u"-2");
    EXPECT_EQ(page->TakeSheetMessages().back(), "unchanged");
}

TEST_F(PageTest, ARefusedFileChangesNothing) {
    Open();
    page->MoveSlider(IDC_CONTRAST_SLIDER, 2);
    page->TakeSheetMessages();
    page->TakeInvalidations();
    ColorSettings file{};
    file.contrast = -9;
    std::vector<std::uint8_t> shortFile = FileOf(file);
    shortFile.resize(47);
    std::vector<std::uint8_t> wrongTag = FileOf(file);
    wrongTag[2] = 101;

    EXPECT_EQ(LoadConfigurationBytes(*page, {devmode, saved}, shortFile),
              ColorConfigError::TooShort);
    EXPECT_EQ(LoadConfigurationBytes(*page, {devmode, saved}, wrongTag),
              ColorConfigError::WrongHeader);
    EXPECT_EQ(page->Position(IDC_CONTRAST_SLIDER), 2);
    EXPECT_EQ(page->Text(IDC_CONTRAST_BOX), u"2");
    EXPECT_TRUE(page->TakeSheetMessages().empty());
    EXPECT_EQ(page->TakeInvalidations(), 0);
}

}  // namespace
}  // namespace qzr::colorpage::testing
