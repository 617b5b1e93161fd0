// Template 120 and the page's pictures as the built DLL carries them: every control created from
// the template with its class, text, id, styles and place, and the icons and colour bars at their
// sizes and depths.
#include <string>
#include <vector>

#include "dialog_template_reader_win.h"
#include "plugin_fixture_win.h"
// After windows.h, which the fixture brings.
#include <commctrl.h>

#include "res/resource_ids.h"

namespace qzr::test {
namespace {

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

struct DestroyWindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyWindow(h); }
};
using UniqueWindow = win::UniqueHandle<DestroyWindowTraits>;

constexpr DWORD kSlider = TBS_AUTOTICKS | WS_TABSTOP;
constexpr DWORD kValueBox = WS_BORDER | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL;
constexpr DWORD kPushLike = BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP;

struct Expected {
    const wchar_t* className;
    const wchar_t* text;  // "#N": the picture resource N
    int id;
    int x, y, width, height;  // dialog units
    DWORD stylesSet;
    DWORD stylesClear;  // WS_VISIBLE here: created hidden
};

// In template order; the up-down follows its buddy, which UDS_AUTOBUDDY relies on.
const Expected kControls[] = {
    {L"Button", L"Correction", -1, 141, 1, 211, 119, BS_GROUPBOX | BS_CENTER, 0},
    {L"Static", L"#128", -1, 191, 8, 20, 20, SS_ICON, 0},
    {L"Static", L"Brightness", -1, 143, 16, 44, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1004, 216, 12, 91, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1015, 308, 12, 18, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"#129", -1, 191, 30, 20, 20, SS_ICON, 0},
    {L"Static", L"Contrast", -1, 143, 37, 44, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1005, 216, 34, 91, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1016, 308, 34, 18, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"#130", -1, 191, 52, 20, 20, SS_ICON, 0},
    {L"Static", L"Saturation", -1, 143, 58, 44, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1007, 216, 55, 92, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1017, 308, 56, 18, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"#134", -1, 191, 74, 20, 20, SS_ICON, 0},
    {L"Static", L"Sharpness", -1, 143, 80, 44, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1010, 216, 77, 92, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1018, 308, 77, 18, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"#140", -1, 192, 95, 20, 20, SS_ICON, 0},
    {L"Static", L"Resize", -1, 143, 102, 44, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1030, 216, 98, 91, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1031, 307, 98, 19, 12, kValueBox, WS_TABSTOP},
    {L"Button", L"Color balance", -1, 141, 121, 211, 88, BS_GROUPBOX | BS_CENTER, 0},
    {L"Static", L"#127", -1, 200, 134, 87, 6, SS_BITMAP, 0},
    {L"Static", L"Cyan", 1035, 146, 142, 39, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1008, 197, 140, 92, 12, kSlider, TBS_VERT},
    {L"Static", L"Red", 1041, 290, 140, 27, 8, SS_CENTER, 0},
    {L"Edit", L"", 1019, 326, 138, 18, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"#128", -1, 201, 156, 87, 6, SS_BITMAP, 0},
    {L"Static", L"Magenta", 1037, 146, 164, 39, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1006, 198, 163, 92, 12, kSlider, TBS_VERT},
    {L"Static", L"Green", 1042, 290, 165, 27, 8, SS_CENTER, 0},
    {L"Edit", L"", 1020, 326, 162, 18, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"#129", -1, 201, 181, 87, 6, SS_BITMAP, 0},
    {L"Static", L"Yellow", 1039, 146, 188, 39, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1009, 198, 187, 92, 12, kSlider, TBS_VERT},
    {L"Static", L"Blue", 1043, 290, 189, 27, 8, SS_CENTER, 0},
    {L"Edit", L"", 1021, 326, 187, 18, 12, kValueBox, WS_TABSTOP},
    {L"Button", L"", -1, 142, 208, 210, 83, BS_GROUPBOX | BS_CENTER, 0},
    {L"Button", L"Unsharp mask", 1028, 144, 216, 207, 14, kPushLike, 0},
    {L"Static", L"Amount(%)", 1036, 146, 239, 65, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1022, 211, 237, 93, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1025, 317, 234, 19, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"Radius(pixel)", 1038, 146, 255, 65, 8, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1023, 211, 254, 93, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1026, 317, 250, 19, 12, kValueBox, WS_TABSTOP},
    {L"Static", L"Threshold(level)", 1040, 146, 273, 65, 9, SS_CENTER, 0},
    {L"msctls_trackbar32", L"", 1024, 211, 271, 94, 12, kSlider, TBS_VERT},
    {L"Edit", L"", 1027, 317, 268, 19, 12, kValueBox, WS_TABSTOP},
    {L"Button", L"Natural color", 1003, 0, 60, 205, 15, kPushLike, WS_VISIBLE},
    {L"Button", L"Order ID", -1, 34, 79, 65, 31, BS_GROUPBOX | BS_CENTER, WS_VISIBLE},
    {L"Button", L"", 1034, 40, 90, 9, 11, BS_AUTOCHECKBOX | WS_TABSTOP, WS_VISIBLE},
    {L"Edit", L"", 1032, 53, 89, 31, 14, WS_BORDER | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP,
     WS_VISIBLE | ES_READONLY},
    {L"msctls_updown32", L"", 1033, 82, 89, 11, 13,
     UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS, WS_VISIBLE | UDS_HORZ},
    {L"Button", L"Select file", 1011, 6, 145, 124, 15, BS_PUSHBUTTON | WS_TABSTOP, 0},
    {L"Button", L"Default settings", 1014, 6, 166, 124, 15, BS_PUSHBUTTON | WS_TABSTOP, 0},
    {L"Button", L"Save configuration", 1012, 6, 188, 124, 15, BS_PUSHBUTTON | WS_TABSTOP, 0},
    {L"Button", L"Load configuration", 1013, 6, 210, 124, 15, BS_PUSHBUTTON | WS_TABSTOP, 0},
    {L"Button", L"Color mode", -1, 5, 228, 133, 31, BS_GROUPBOX | BS_CENTER, 0},
    {L"Button", L"Color", 1044, 13, 241, 48, 12, BS_AUTORADIOBUTTON | WS_GROUP, 0},
    {L"Button", L"Monochrome", 1045, 71, 241, 59, 12, BS_AUTORADIOBUTTON, WS_GROUP},
    {L"Button", L"Print mode", -1, 5, 260, 133, 31, BS_GROUPBOX | BS_CENTER, 0},
    {L"Button", L"High speed", 1046, 13, 273, 48, 12, BS_AUTORADIOBUTTON | WS_GROUP, 0},
    {L"Button", L"High quality", 1047, 73, 273, 59, 12, BS_AUTORADIOBUTTON, WS_GROUP},
};

// Predefined classes may be stored as atoms, pictures' texts as resource numbers.
std::wstring ClassOf(const DialogItem& item) {
    switch (item.classAtom) {
        case 0x80:
            return L"Button";
        case 0x81:
            return L"Edit";
        case 0x82:
            return L"Static";
        default:
            return item.className;
    }
}

std::wstring TextOf(const DialogItem& item) {
    return item.textOrdinal != 0 ? L"#" + std::to_wstring(item.textOrdinal) : item.text;
}

std::wstring WindowClass(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

class ColorPageTemplate : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        const auto read = ReadDialogTemplate(library.module(), IDD_COLOR_PAGE);
        ASSERT_TRUE(read);
        stored = *read;
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                           ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&classes));
        dialog.reset(CreateDialogParamW(library.module(), MAKEINTRESOURCEW(IDD_COLOR_PAGE), nullptr,
                                        InertDialogProc, 0));
        ASSERT_TRUE(dialog) << GetLastError();
    }
    void TearDown() override {
        dialog.reset();
        PluginTest::TearDown();
    }

    DialogTemplate stored;
    UniqueWindow dialog;
};

TEST_F(ColorPageTemplate, EveryControlIsStoredAsThePageNeedsIt) {
    ASSERT_EQ(stored.items.size(), std::size(kControls));
    for (std::size_t i = 0; i < stored.items.size(); ++i) {
        const Expected& want = kControls[i];
        const DialogItem& item = stored.items[i];
        SCOPED_TRACE(::testing::Message() << "control " << i << " id " << want.id);
        EXPECT_EQ(item.id, want.id);
        // Class names are compared without case, as the window manager does.
        const std::wstring className = ClassOf(item);
        EXPECT_EQ(CompareStringOrdinal(className.c_str(), -1, want.className, -1, TRUE), CSTR_EQUAL)
            << std::string(className.begin(), className.end());
        EXPECT_EQ(TextOf(item), want.text);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.width);
        EXPECT_EQ(item.cy, want.height);
        const DWORD visible = (want.stylesClear & WS_VISIBLE) ? 0 : WS_VISIBLE;
        EXPECT_EQ(item.style & (want.stylesSet | want.stylesClear | WS_VISIBLE | WS_CHILD),
                  want.stylesSet | visible | WS_CHILD)
            << std::hex << item.style;
    }
}

TEST_F(ColorPageTemplate, EveryControlIsCreatedFromTheTemplate) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog.get(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    ASSERT_EQ(children.size(), std::size(kControls));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Expected& want = kControls[i];
        SCOPED_TRACE(::testing::Message() << "control " << i << " id " << want.id);
        EXPECT_EQ(GetDlgCtrlID(children[i]), want.id);
        EXPECT_EQ(
            CompareStringOrdinal(WindowClass(children[i]).c_str(), -1, want.className, -1, TRUE),
            CSTR_EQUAL);
        const bool visible = GetWindowLongPtrW(children[i], GWL_STYLE) & WS_VISIBLE;
        EXPECT_EQ(visible, !(want.stylesClear & WS_VISIBLE));
    }
    // The up-down took the Order ID box as its buddy.
    EXPECT_EQ(reinterpret_cast<HWND>(
                  SendDlgItemMessageW(dialog.get(), IDC_ORDER_ID_SPIN, UDM_GETBUDDY, 0, 0)),
              GetDlgItem(dialog.get(), IDC_ORDER_ID_BOX));
}

TEST_F(ColorPageTemplate, ThePreviewCornerHoldsNoVisibleControl) {
    const RECT preview{4, 4, 198, 198};
    for (HWND child = GetWindow(dialog.get(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, dialog.get(), reinterpret_cast<POINT*>(&place), 2);
        RECT overlap{};
        EXPECT_FALSE(IntersectRect(&overlap, &place, &preview)) << GetDlgCtrlID(child);
    }
}

TEST_F(ColorPageTemplate, IconsAndColourBarsHaveTheirSizeAndDepth) {
    for (int id : {IDI_BRIGHTNESS, IDI_CONTRAST, IDI_SATURATION, IDI_SHARPNESS, IDI_RESIZE}) {
        SCOPED_TRACE(id);
        const HRSRC group = FindResourceW(library.module(), MAKEINTRESOURCEW(id), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr);
        const auto* directory =
            static_cast<const BYTE*>(LockResource(LoadResource(library.module(), group)));
        ASSERT_NE(directory, nullptr);
        // One entry: 32 x 32, 16 colours, 4 bits per pixel.
        EXPECT_EQ(directory[4], 1);
        EXPECT_EQ(directory[6], 32);
        EXPECT_EQ(directory[7], 32);
        EXPECT_EQ(directory[8], 16);
        EXPECT_EQ(directory[12], 4);
    }
    for (int id : {IDB_CYAN_RED_BAR, IDB_MAGENTA_GREEN_BAR, IDB_YELLOW_BLUE_BAR}) {
        SCOPED_TRACE(id);
        const HRSRC found = FindResourceW(library.module(), MAKEINTRESOURCEW(id), RT_BITMAP);
        ASSERT_NE(found, nullptr);
        const auto* header = static_cast<const BITMAPINFOHEADER*>(
            LockResource(LoadResource(library.module(), found)));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biWidth, 130);
        EXPECT_EQ(header->biHeight, 8);
        EXPECT_EQ(header->biBitCount, 4);
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    }
}

}  // namespace
}  // namespace qzr::test
