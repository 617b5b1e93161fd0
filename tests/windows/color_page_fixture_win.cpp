#include "color_page_fixture_win.h"

#include <commctrl.h>

namespace qzr::test {

namespace {

constexpr int kApplyButton = 0x3021;  // the sheet's "Apply"

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                const std::wstring path = folder + L"\\" + name;
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

void ColorPageTest::SetUp() {
    PluginTest::SetUp();
    plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    GetCurrentDirectoryW(MAX_PATH, startFolder_);
    wchar_t temporary[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, temporary), 0u);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    folder_ = std::wstring(temporary) + L"qzr-" + std::wstring(name.begin(), name.end());
    RemoveFolder(folder_);
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << GetLastError();
}

void ColorPageTest::TearDown() {
    sheet.reset();
    plugin = {};
    SetCurrentDirectoryW(startFolder_);
    RemoveFolder(folder_);
    PluginTest::TearDown();
}

void ColorPageTest::OpenSheet(bool onLayoutPage) {
    sheet = std::make_unique<PluginSheet>();
    std::string error;
    ASSERT_TRUE(sheet->Open(*plugin.get(), library.module(), PluginSheet::Kind::Document,
                            onLayoutPage ? 0 : 1, error))
        << error;
    if (!onLayoutPage) {
        ASSERT_NE(Page(), nullptr);
    }
}

PrivateDevmode& ColorPageTest::Record() {
    return *static_cast<PrivateDevmode*>(sheet->devmode->privatePart());
}

plugin::PageContext& ColorPageTest::Context() {
    return *reinterpret_cast<plugin::PageContext*>(GetWindowLongPtrW(Page(), DWLP_USER));
}

void ColorPageTest::MoveSlider(int id, int position) {
    const HWND slider = GetDlgItem(Page(), id);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(Page(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(slider));
    SendMessageW(Page(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
    Pump();
}

void ColorPageTest::Click(int id) {
    SendDlgItemMessageW(Page(), id, BM_CLICK, 0, 0);
    Pump();
}

bool ColorPageTest::ClickAnswered(int id) {
    answerer.While([&] { SendDlgItemMessageW(Page(), id, BM_CLICK, 0, 0); });
    Pump();
    return answerer.Done();
}

std::optional<std::wstring> ColorPageTest::MessageAfterChoosing(int id,
                                                                const std::wstring& path) {
    answerer.seen.clear();
    answerer.ChooseFile(path);
    answerer.AnswerMessage();
    if (!ClickAnswered(id) || answerer.seen.size() != 2) return std::nullopt;
    return answerer.seen[1].text;
}

int ColorPageTest::Position(int id) const {
    return static_cast<int>(SendDlgItemMessageW(Page(), id, TBM_GETPOS, 0, 0));
}

bool ColorPageTest::Checked(int id) const {
    return SendDlgItemMessageW(Page(), id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool ColorPageTest::ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(sheet->sheet.window(), kApplyButton)) != FALSE;
}

}  // namespace qzr::test
