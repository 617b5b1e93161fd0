// The dialog templates and the logo bitmap the pages are made from, as the DLL carries them.
#include <cstring>
#include <cwchar>
#include <string>

#include "dialog_template_reader_win.h"
#include "plugin_fixture_win.h"

namespace qzr::test {
namespace {

constexpr WORD kStatic = 0x0082;
constexpr DWORD kText = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;

TEST_F(PluginTest, VersionPageTemplate) {
    const auto dialog = ReadDialogTemplate(library.module(), 106);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption, L"Version");
    EXPECT_EQ(dialog->style, DWORD{WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SHELLFONT});
    EXPECT_EQ(dialog->cx, 263);
    EXPECT_EQ(dialog->cy, 194);
    EXPECT_EQ(dialog->font, L"MS Shell Dlg");
    EXPECT_EQ(dialog->pointSize, 10);

    const struct Control {
        int id;
        const wchar_t* text;  // null: bitmap 124
        short x, y, cx, cy;
        DWORD style = kText;
    } controls[] = {
        {-1, L"ZORELL QZR-7300 Printer Driver Ver 1.030", 31, 42, 196, 12},
        {-1, nullptr, 29, 52, 152, 12},  // the legal notice: any text
        {-1, L"", 27, 65, 160, 2, WS_CHILD | WS_VISIBLE | SS_GRAYRECT},
        {-1, L"Windows (R) XP/Vista/7/8", 29, 71, 159, 12},
        {1030, L"Printer Driver", 29, 83, 157, 12},
        {-1, L"QZR7300.GPD", 29, 101, 60, 12},
        {111, L"", 89, 101, 64, 12},
        {-1, L"QZR7300UI.DLL", 29, 113, 60, 12},
        {112, L"", 89, 113, 64, 12},
        {-1, L"QZR7300UD.DLL", 29, 125, 60, 12},
        {113, L"", 89, 125, 64, 12},
        {-1, L"QZR7300LM.DLL", 29, 137, 60, 12},
        {114, L"", 89, 137, 64, 12},
        {1031, L"Gamma Table", 29, 162, 60, 12, WS_CHILD | WS_GROUP | SS_LEFT},
        {115, L"", 86, 162, 170, 23},
        {-1, L"QZR7300PT.dll", 29, 150, 60, 12},
        {116, L"", 89, 150, 64, 12},
        {-1, nullptr, 7, 8, 26, 12, WS_CHILD | WS_VISIBLE | SS_BITMAP},
    };
    ASSERT_EQ(dialog->items.size(), std::size(controls));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        SCOPED_TRACE(testing::Message() << "control " << i);
        const Control& want = controls[i];
        const DialogItem& item = dialog->items[i];
        EXPECT_EQ(item.id, want.id);
        EXPECT_TRUE(item.classAtom == kStatic || _wcsicmp(item.className.c_str(), L"Static") == 0);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        if (want.text != nullptr) {
            EXPECT_EQ(item.text, want.text);
        }
    }
    EXPECT_FALSE(dialog->items[1].text.empty());
    EXPECT_EQ(dialog->items.back().textOrdinal, 124);
}

TEST_F(PluginTest, ColorPageTemplate) {
    const auto dialog = ReadDialogTemplate(library.module(), 120);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption, L"Color correction");
    EXPECT_EQ(dialog->style,
              DWORD{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS});
    EXPECT_EQ(dialog->cx, 358);
    EXPECT_EQ(dialog->cy, 294);
    EXPECT_EQ(dialog->font, L"MS Shell Dlg");
    EXPECT_EQ(dialog->pointSize, 8);
}

TEST_F(PluginTest, LogoBitmapIs257By44At24Bits) {
    const HRSRC resource = FindResourceW(library.module(), MAKEINTRESOURCEW(124), RT_BITMAP);
    ASSERT_NE(resource, nullptr);
    ASSERT_GE(SizeofResource(library.module(), resource), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, LockResource(LoadResource(library.module(), resource)), sizeof header);
    EXPECT_EQ(header.biWidth, 257);
    EXPECT_EQ(header.biHeight, 44);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, DWORD{BI_RGB});
}

}  // namespace
}  // namespace qzr::test
