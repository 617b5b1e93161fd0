// "Save configuration" and "Load configuration" through the real file dialogs, answered as a
// user would answer them, and the ".COL" files they write and read.
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "color_config_record.h"
#include "color_page_fixture_win.h"
#include "common/win/unique_handle.h"
#include "res/resource_ids.h"
#include "whole_write_win.h"

namespace qzr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const Bytes& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes FileOf(const ColorSettings& settings) {
    const auto bytes =
        colorpage::ColorConfigRecordBytes(colorpage::MakeColorConfigRecord(settings));
    return Bytes(bytes.begin(), bytes.end());
}

ColorSettings SettingsIn(const Bytes& file) {
    ColorSettings settings{};
    if (file.size() >= 48) std::memcpy(&settings, file.data() + 4, sizeof settings);
    return settings;
}

// A file held open by another program that shares nothing.
win::UniqueFile Lock(const std::wstring& path) {
    return win::UniqueFile(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

using ColorConfigTest = ColorPageTest;

TEST_F(ColorConfigTest, SaveWritesWhatTheControlsShow) {
    OpenSheet();
    MoveSlider(IDC_YELLOW_SLIDER, -6);
    Click(IDC_COLOR_MODE_MONOCHROME);
    const std::wstring path = Folder() + L"\\mine";  // the dialog adds ".COL"
    answerer.ChooseFile(path);
    ASSERT_TRUE(ClickAnswered(IDC_SAVE_CONFIGURATION));

    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].isFileDialog);
    EXPECT_EQ(answerer.seen[0].types,
              (std::vector<std::wstring>{L"Color correction data file", L"All"}));
    const Bytes file = ReadFileBytes(path + L".COL");
    ASSERT_EQ(file.size(), 48u);
    EXPECT_EQ((Bytes(file.begin(), file.begin() + 4)), (Bytes{0x30, 0x00, 0x64, 0x00}));
    const ColorSettings saved = SettingsIn(file);
    EXPECT_EQ(saved.yellowBalance, -6);
    EXPECT_EQ(saved.colorMode, 1);
    EXPECT_EQ(saved.unsharpAmount, 5);
    EXPECT_EQ(saved.alignment[0], 0);
    EXPECT_EQ(saved.alignment[1], 0);
    EXPECT_EQ(Record().settings.yellowBalance, 0);  // the record is not the file's source
}

TEST_F(ColorConfigTest, SaveOverAnExistingFileAsksFirst) {
    OpenSheet();
    const std::wstring path = Folder() + L"\\old.COL";
    WriteFileBytes(path, Bytes(100, 0xAA));
    MoveSlider(IDC_SHARPNESS_SLIDER, 3);
    answerer.ChooseFile(path);
    answerer.AnswerMessage();  // "replace it?"
    ASSERT_TRUE(ClickAnswered(IDC_SAVE_CONFIGURATION));
    const Bytes file = ReadFileBytes(path);
    ASSERT_EQ(file.size(), 48u);
    EXPECT_EQ(SettingsIn(file).sharpness, 3);
}

TEST_F(ColorConfigTest, SaveReportsAFileItCannotOpen) {
    OpenSheet();
    const std::wstring locked = Folder() + L"\\locked.COL";
    const win::UniqueFile holder = Lock(locked);
    ASSERT_TRUE(holder);
    answerer.ChooseFile(locked);
    answerer.AnswerMessage();  // "replace it?"
    answerer.AnswerMessage();
    ASSERT_TRUE(ClickAnswered(IDC_SAVE_CONFIGURATION));
    ASSERT_EQ(answerer.seen.size(), 3u);
    EXPECT_EQ(answerer.seen[2].text, L"Could not open file.");
}

// Saving reports "Could not write file." whenever this says no. No file that opens for writing
// refuses bytes under Wine, so the check is tried on a handle that may only read.
TEST_F(ColorConfigTest, AWriteThatFailsIsNeverTakenForSaved) {
    const std::wstring path = Folder() + L"\\record.COL";
    const Bytes record = FileOf(ColorSettings{});
    {
        const win::UniqueFile readOnly(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr,
                                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(readOnly);
        EXPECT_FALSE(plugin::WriteWhole(readOnly.get(), record));
    }
    const win::UniqueFile writable(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writable);
    EXPECT_TRUE(plugin::WriteWhole(writable.get(), record));
}

TEST_F(ColorConfigTest, LoadPutsTheFileIntoTheControls) {
    OpenSheet();
    ColorSettings settings = Record().settings;
    settings.brightness = 25;  // beyond the slider: it clamps
    settings.magentaBalance = -3;
    settings.orderId = 500;  // not used
    settings.printMode = 2;  // leaves the buttons
    settings.unsharpEnabled = 1;
    const std::wstring path = Folder() + L"\\theirs.COL";
    Bytes file = FileOf(settings);
    file.resize(60, 0x55);  // only the first 48 bytes are read
    WriteFileBytes(path, file);
    answerer.ChooseFile(path);
    ASSERT_TRUE(ClickAnswered(IDC_LOAD_CONFIGURATION));

    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].types,
              (std::vector<std::wstring>{L"Color compensation file.", L"ALL"}));
    EXPECT_EQ(Position(IDC_BRIGHTNESS_SLIDER), 10);
    EXPECT_EQ(Text(IDC_BRIGHTNESS_BOX), L"10");
    EXPECT_EQ(Text(IDC_MAGENTA_BOX), L"-3");
    EXPECT_EQ(Text(IDC_ORDER_ID_BOX), L"0");
    EXPECT_TRUE(Checked(IDC_PRINT_MODE_HIGH_SPEED));
    EXPECT_TRUE(Checked(IDC_UNSHARP_MASK));
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(Record().settings.brightness, 0);  // it reaches the record when the page is left
    ASSERT_TRUE(sheet->sheet.SelectPage(0));
    EXPECT_EQ(Record().settings.brightness, 10);
}

TEST_F(ColorConfigTest, LoadRefusesWhatIsNotAWholeRecord) {
    OpenSheet();
    MoveSlider(IDC_CONTRAST_SLIDER, 2);
    ColorSettings settings{};
    settings.contrast = -9;
    Bytes wrongTag = FileOf(settings);
    wrongTag[2] = 101;
    Bytes shortFile = FileOf(settings);
    shortFile.resize(47);
    const std::wstring locked = Folder() + L"\\locked.COL";
    const win::UniqueFile holder = Lock(locked);
    ASSERT_TRUE(holder);
    struct Case {
        const wchar_t* name;
        Bytes bytes;
        const wchar_t* message;
    } cases[] = {
        {L"\\tag.COL", wrongTag, L"This is not a color correction data file."},
        {L"\\short.COL", shortFile, L"This is not a color correction data file."},
        {L"\\locked.COL", {}, L"Could not open file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.message, c.message + wcslen(c.message)));
        const std::wstring path = Folder() + c.name;
        if (!c.bytes.empty()) WriteFileBytes(path, c.bytes);
        EXPECT_EQ(MessageAfterChoosing(IDC_LOAD_CONFIGURATION, path), c.message);
        EXPECT_EQ(Text(IDC_CONTRAST_BOX), L"2");
    }
    answerer.seen.clear();
    answerer.ChooseFile(L"");  // cancelled
    ASSERT_TRUE(ClickAnswered(IDC_LOAD_CONFIGURATION));
    EXPECT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(Text(IDC_CONTRAST_BOX), L"2");
}

}  // namespace
}  // namespace qzr::test
