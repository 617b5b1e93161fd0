// Hostile pictures and ".COL" files handed to the real page in a real document sheet: as the
// record's preview path, through "Select file" and through "Load configuration". Whatever the
// file, nothing crashes; a picture the page cannot use gives the sample and is forgotten, the
// file commands say what the page says, and a refused ".COL" file changes nothing.
#include <array>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <thread>

#include "color_config_record.h"
#include "color_page_fixture_win.h"
#include "common/win/unique_handle.h"
#include "hostile_pictures.h"
#include "preview_capture_win.h"
#include "res/resource_ids.h"
#include "value_boxes.h"

namespace qzr::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::HostileOutcome;
using testing_support::HostilePictures;

void WriteFileBytes(const std::wstring& path, const Bytes& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// A file held open by another program that shares nothing.
win::UniqueFile Lock(const std::wstring& path) {
    return win::UniqueFile(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// What "Select file" says of a file that opens: only its signature and bit count are looked at,
// and a header block too short to hold the bit count is no bitmap's.
std::optional<std::wstring> SelectFileMessage(const Bytes& file) {
    if (file.size() < 14 || file[0] != 'B' || file[1] != 'M')
        return L"This is not a bitmap image file.";
    std::uint32_t pixelOffset = 0;
    std::memcpy(&pixelOffset, file.data() + 10, sizeof pixelOffset);
    if (pixelOffset < 30 || file.size() < 30) return L"This is not a bitmap image file.";
    if (file[28] != 24 || file[29] != 0) return L"Select a 24-bit true color bitmap image file.";
    return std::nullopt;
}

class HostileFilesTest : public ColorPageTest {
  protected:
    // The record's path as the driver would hand it over, then a paint.
    void SetPreviewPath(std::u16string_view path) {
        std::fill(std::begin(Record().previewImagePath), std::end(Record().previewImagePath),
                  u'\0');
        std::copy_n(path.begin(), std::min(path.size(), kPathUnits), Record().previewImagePath);
        InvalidateRect(Page(), nullptr, FALSE);
    }
    std::u16string PreviewPath() {
        const char16_t* path = Record().previewImagePath;
        return std::u16string(path, std::find(path, path + kPathUnits, u'\0'));
    }
    host::RgbImage Capture() { return CapturePage(sheet->sheet, Page()); }

    // The sample painted and the path forgotten, or the file's picture painted and kept.
    void ExpectPainted(HostileOutcome outcome, const Bytes& file, const std::wstring& path) {
        const host::RgbImage image = Capture();
        if (outcome == HostileOutcome::Refused) {
            EXPECT_TRUE(PaintsPreviewOf(image, SamplePicture(), Record().settings));
            EXPECT_EQ(PreviewPath(), u"");
        } else {
            EXPECT_TRUE(PaintsPreviewOf(image, LoadedPicture(file), Record().settings));
            EXPECT_EQ(PreviewPath(), std::u16string(path.begin(), path.end()));
        }
    }

    // Outcomes by class of file, printed for the record of what was tried.
    using Tally = std::map<std::string, std::map<std::string, int>>;
    static const char* Painted(HostileOutcome outcome) {
        return outcome == HostileOutcome::Shown ? "shown" : "sample painted, path cleared";
    }
    void Report(const char* what, const Tally& tally) {
        std::cout << "  " << what << ":\n";
        for (const auto& [kind, outcomes] : tally) {
            std::cout << "    " << kind << ":";
            for (const auto& [outcome, count] : outcomes)
                std::cout << " " << count << " " << outcome << ";";
            std::cout << "\n";
        }
    }
};

TEST_F(HostileFilesTest, APreviewPathGivesThePictureOrTheSampleAndIsForgotten) {
    OpenSheet();
    Tally tally;
    for (const auto& picture : HostilePictures()) {
        SCOPED_TRACE(picture.name);
        const std::wstring path = Folder() + L"\\" + Wide(picture.name) + L".bmp";
        WriteFileBytes(path, picture.bytes);
        SetPreviewPath(std::u16string(path.begin(), path.end()));
        ExpectPainted(picture.outcome, picture.bytes, path);
        ++tally[picture.kind][Painted(picture.outcome)];
        DeleteFileW(path.c_str());
    }

    const std::wstring directory = Folder() + L"\\folder.bmp";
    ASSERT_TRUE(CreateDirectoryW(directory.c_str(), nullptr));
    const std::wstring locked = Folder() + L"\\locked.bmp";
    WriteFileBytes(locked, HostilePictures().back().bytes);
    const win::UniqueFile holder = Lock(locked);
    ASSERT_TRUE(holder);
    const std::u16string unterminated(kPathUnits, u'a');  // fills the record, no NUL
    const struct {
        const char* kind;
        std::u16string path;
    } places[] = {
        {"a directory", std::u16string(directory.begin(), directory.end())},
        {"a locked file", std::u16string(locked.begin(), locked.end())},
        {"a missing file", u"C:\\no such folder\\picture.bmp"},
        {"an unterminated path", unterminated},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.kind);
        SetPreviewPath(place.path);
        ExpectPainted(HostileOutcome::Refused, {}, {});
        ++tally[place.kind][Painted(HostileOutcome::Refused)];
    }
    RemoveDirectoryW(directory.c_str());
    Report("as the preview path", tally);
}

// A record may name anything that opens, such as a pipe whose writer never writes: reading it
// would hold the paint, and the user's program with it, for ever. Only a file is a picture.
TEST_F(HostileFilesTest, APipeAsThePreviewPathIsNoPicture) {
    OpenSheet();
    const std::wstring name = L"\\\\.\\pipe\\qzr-hostile-preview";
    const win::UniqueFile pipe(CreateNamedPipeW(
        name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr));
    ASSERT_TRUE(pipe) << GetLastError();
    // Should the paint wait on the pipe after all, the writer ends the wait after a while, so
    // the test fails instead of hanging.
    const win::UniqueHandle<win::KernelHandleTraits> painted(
        CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread writer([&] {
        if (WaitForSingleObject(painted.get(), 5000) == WAIT_OBJECT_0) return;
        DWORD written = 0;
        WriteFile(pipe.get(), "not a bitmap..", 14, &written, nullptr);
        DisconnectNamedPipe(pipe.get());
    });
    const DWORD start = GetTickCount();
    SetPreviewPath(std::u16string(name.begin(), name.end()));
    const host::RgbImage image = Capture();
    const DWORD elapsed = GetTickCount() - start;
    SetEvent(painted.get());
    writer.join();
    EXPECT_LT(elapsed, 2000u) << "the paint waited on the pipe";
    EXPECT_TRUE(PaintsPreviewOf(image, SamplePicture(), Record().settings));
    EXPECT_EQ(PreviewPath(), u"");
}

TEST_F(HostileFilesTest, SelectFileSaysWhatIsWrongAndTheNextPaintJudgesTheRest) {
    OpenSheet();
    Tally tally;
    for (const auto& picture : HostilePictures()) {
        SCOPED_TRACE(picture.name);
        const std::wstring path = Folder() + L"\\" + Wide(picture.name) + L".bmp";
        WriteFileBytes(path, picture.bytes);
        const std::optional<std::wstring> message = SelectFileMessage(picture.bytes);
        answerer.seen.clear();
        answerer.ChooseFile(path);
        if (message) answerer.AnswerMessage();
        ASSERT_TRUE(ClickAnswered(IDC_SELECT_FILE));
        if (message) {
            ASSERT_EQ(answerer.seen.size(), 2u);
            EXPECT_EQ(answerer.seen[1].text, *message);
            EXPECT_EQ(PreviewPath(), u"");
            ++tally[picture.kind]["\"" + std::string(message->begin(), message->end()) + "\""];
        } else {
            // Taken; the paint that follows decides whether the picture can be shown.
            EXPECT_EQ(answerer.seen.size(), 1u);
            ExpectPainted(picture.outcome, picture.bytes, path);
            ++tally[picture.kind][std::string("taken, then ") + Painted(picture.outcome)];
            SetPreviewPath(u"");
        }
        DeleteFileW(path.c_str());
    }

    const std::wstring locked = Folder() + L"\\locked.bmp";
    const win::UniqueFile holder = Lock(locked);
    ASSERT_TRUE(holder);
    EXPECT_EQ(MessageAfterChoosing(IDC_SELECT_FILE, locked), L"Could not open file.");
    EXPECT_EQ(PreviewPath(), u"");
    ++tally["a locked file"]["\"Could not open file.\""];
    Report("through \"Select file\"", tally);
}

// Every control the page shows, and the driver's record: what a refused file must leave alone.
struct PageState {
    std::vector<int> positions;
    std::vector<bool> checks;
    std::vector<std::wstring> boxes;
    Bytes record;
    bool applyEnabled;
    bool operator==(const PageState&) const = default;
};

TEST_F(HostileFilesTest, LoadConfigurationRefusesBrokenFilesAndChangesNothing) {
    OpenSheet();
    MoveSlider(IDC_CONTRAST_SLIDER, 2);
    MoveSlider(IDC_RADIUS_SLIDER, 17);
    Click(IDC_COLOR_MODE_MONOCHROME);
    auto state = [&] {
        PageState now;
        for (const colorpage::SliderRow& row : colorpage::kSliderRows) {
            now.positions.push_back(Position(row.sliderId));
            now.boxes.push_back(Text(row.boxId));
        }
        for (int id :
             {IDC_UNSHARP_MASK, IDC_NATURAL_COLOR, IDC_ORDER_ID_CHECK, IDC_COLOR_MODE_COLOR,
              IDC_COLOR_MODE_MONOCHROME, IDC_PRINT_MODE_HIGH_SPEED, IDC_PRINT_MODE_HIGH_QUALITY})
            now.checks.push_back(Checked(id));
        now.boxes.push_back(Text(IDC_ORDER_ID_BOX));
        const auto* record = reinterpret_cast<const std::uint8_t*>(&Record());
        now.record.assign(record, record + sizeof(PrivateDevmode));
        now.applyEnabled = ApplyEnabled();
        return now;
    };
    const PageState before = state();

    ColorSettings settings = DefaultColorSettings(0);
    settings.brightness = 7;
    const auto whole =
        colorpage::ColorConfigRecordBytes(colorpage::MakeColorConfigRecord(settings));
    const Bytes record(whole.begin(), whole.end());
    auto withHeader = [&](std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
        Bytes file = record;
        file[0] = a, file[1] = b, file[2] = c, file[3] = d;
        return file;
    };
    const struct {
        const char* name;
        Bytes bytes;
    } broken[] = {
        {"empty", {}},
        {"one-byte", {0x30}},
        {"header-only", {0x30, 0x00, 0x64, 0x00}},
        {"47-bytes", Bytes(record.begin(), record.end() - 1)},
        {"tag-101", withHeader(0x30, 0x00, 0x65, 0x00)},
        {"header-swapped", withHeader(0x64, 0x00, 0x30, 0x00)},
        {"header-big-endian", withHeader(0x00, 0x30, 0x00, 0x64)},
        {"header-zero", withHeader(0, 0, 0, 0)},
        {"all-ones", Bytes(48, 0xFF)},
        {"a-bitmap", HostilePictures().back().bytes},
    };
    int refused = 0;
    for (const auto& file : broken) {
        SCOPED_TRACE(file.name);
        const std::wstring path = Folder() + L"\\" + Wide(file.name) + L".COL";
        WriteFileBytes(path, file.bytes);
        EXPECT_EQ(MessageAfterChoosing(IDC_LOAD_CONFIGURATION, path),
                  L"This is not a color correction data file.");
        EXPECT_TRUE(state() == before);
        ++refused;
    }
    const std::wstring locked = Folder() + L"\\locked.COL";
    WriteFileBytes(locked, record);
    const win::UniqueFile holder = Lock(locked);
    ASSERT_TRUE(holder);
    EXPECT_EQ(MessageAfterChoosing(IDC_LOAD_CONFIGURATION, locked), L"Could not open file.");
    EXPECT_TRUE(state() == before);
    ++refused;

    // Every field beyond what its control can hold: taken as the controls take it, and the
    // driver's record still waits for the page to be left.
    ColorSettings wild{};
    for (auto* field :
         {&wild.brightness, &wild.contrast, &wild.saturation, &wild.cyanBalance,
          &wild.magentaBalance, &wild.yellowBalance, &wild.sharpness, &wild.unsharpAmount,
          &wild.unsharpRadius, &wild.unsharpThreshold, &wild.resize})
        *field = -32768;
    wild.unsharpEnabled = 2;
    wild.naturalColorOff = -1;
    wild.orderId = 0x7FFFFFFF;
    wild.colorMode = 7;
    wild.printMode = -1;
    const auto wildBytes =
        colorpage::ColorConfigRecordBytes(colorpage::MakeColorConfigRecord(wild));
    const std::wstring path = Folder() + L"\\wild.COL";
    WriteFileBytes(path, Bytes(wildBytes.begin(), wildBytes.end()));
    answerer.seen.clear();
    answerer.ChooseFile(path);
    ASSERT_TRUE(ClickAnswered(IDC_LOAD_CONFIGURATION));
    EXPECT_EQ(answerer.seen.size(), 1u);
    for (const colorpage::SliderRow& row : colorpage::kSliderRows)
        EXPECT_EQ(Position(row.sliderId), row.minimum) << row.sliderId;
    EXPECT_FALSE(Checked(IDC_UNSHARP_MASK));
    EXPECT_TRUE(Checked(IDC_NATURAL_COLOR));
    EXPECT_TRUE(Checked(IDC_COLOR_MODE_MONOCHROME));  // a mode of 7 leaves the pair
    EXPECT_EQ(Text(IDC_ORDER_ID_BOX), before.boxes.back());
    EXPECT_TRUE(state().record == before.record);
    EXPECT_TRUE(PaintsPreviewOf(Capture(), SamplePicture(), [&] {
        ColorSettings shown{};
        for (const colorpage::SliderRow& row : colorpage::kSliderRows)
            shown.*(row.field) = row.minimum;
        shown.colorMode = 1;
        return shown;
    }()));
    std::cout << "  through \"Load configuration\": " << refused << " refused, 1 taken\n";
}

}  // namespace
}  // namespace qzr::test
