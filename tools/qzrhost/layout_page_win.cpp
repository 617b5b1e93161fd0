#include "layout_page_win.h"

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace qzr::host {

namespace {

static_assert(sizeof(DLGTEMPLATE) == 18);
static_assert(sizeof(DLGITEMTEMPLATE) == 18);
static_assert(offsetof(DLGTEMPLATE, cdit) == 8);

constexpr WORD kStaticClass = 0x0082;
constexpr WORD kButtonClass = 0x0080;

// A dialog template in the classic in-memory layout: the header, then items each starting on a
// DWORD boundary.
class TemplateWriter {
public:
    TemplateWriter(DWORD style, short cx, short cy, std::wstring_view caption) {
        DLGTEMPLATE header{};
        header.style = style | DS_SETFONT;
        header.cx = cx;
        header.cy = cy;
        Append(header);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        AppendText(caption);
        words_.push_back(8);  // font size in points
        AppendText(L"MS Shell Dlg");
    }

    void AddItem(WORD windowClass, DWORD style, short x, short y, short cx, short cy,
                 std::wstring_view text) {
        if (words_.size() % 2 != 0) words_.push_back(0);
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = static_cast<WORD>(-1);
        Append(item);
        words_.push_back(0xFFFF);
        words_.push_back(windowClass);
        AppendText(text);
        words_.push_back(0);  // no creation data
        ++words_[offsetof(DLGTEMPLATE, cdit) / sizeof(WORD)];
    }

    std::vector<WORD> Finish() { return std::move(words_); }

private:
    template <typename Block>
    void Append(const Block& block) {
        static_assert(sizeof block % sizeof(WORD) == 0);
        const std::size_t at = words_.size();
        words_.resize(at + sizeof block / sizeof(WORD));
        std::memcpy(words_.data() + at, &block, sizeof block);
    }
    void AppendText(std::wstring_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

// Kept for the life of the process: a page made from it reads it whenever its dialog is created.
const std::vector<WORD>& LayoutTemplate() {
    static const std::vector<WORD> words = [] {
        TemplateWriter writer(WS_CHILD | WS_DISABLED | WS_CAPTION, 263, 194, L"Layout");
        writer.AddItem(kButtonClass, BS_GROUPBOX, 7, 7, 249, 48, L"Page layout");
        writer.AddItem(kStaticClass, SS_LEFT, 16, 22, 232, 26,
                       L"The printer driver's own layout settings. qzrhost shows this page "
                       L"beside the plug-in's pages, as the driver does.");
        return writer.Finish();
    }();
    return words;
}

INT_PTR CALLBACK LayoutPageProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

}  // namespace

HPROPSHEETPAGE CreateLayoutPage() {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT;
    page.hInstance = GetModuleHandleW(nullptr);
    page.pResource = reinterpret_cast<LPCDLGTEMPLATEW>(LayoutTemplate().data());
    page.pfnDlgProc = LayoutPageProc;
    return CreatePropertySheetPageW(&page);
}

}  // namespace qzr::host
