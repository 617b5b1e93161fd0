#include "dialog_template_win.h"

#include <cstring>

namespace qzr::test {

namespace {

class TemplateReader {
  public:
    TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }

    template <typename T>
    T Read() {
        T value{};
        if (offset_ + sizeof value > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + offset_, sizeof value);
        offset_ += sizeof value;
        return value;
    }

    std::wstring ReadString() {
        std::wstring text;
        for (WCHAR unit = Read<WCHAR>(); ok_ && unit != 0; unit = Read<WCHAR>()) text += unit;
        return text;
    }

    // A string, or 0xFFFF followed by an ordinal.
    std::wstring ReadStringOrOrdinal(bool isClass) {
        const WCHAR first = Read<WCHAR>();
        if (first == 0) return {};
        if (first == 0xFFFF) {
            const WORD ordinal = Read<WORD>();
            if (isClass) {
                switch (ordinal) {
                    case 0x80:
                        return L"Button";
                    case 0x81:
                        return L"Edit";
                    case 0x82:
                        return L"Static";
                    case 0x83:
                        return L"ListBox";
                    case 0x84:
                        return L"ScrollBar";
                    case 0x85:
                        return L"ComboBox";
                }
            }
            return L"#" + std::to_wstring(ordinal);
        }
        offset_ -= sizeof(WCHAR);
        return ReadString();
    }

    void AlignToDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }
    void Skip(std::size_t bytes) { offset_ += bytes; }

  private:
    const BYTE* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

}  // namespace

bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate& out) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    if (found == nullptr) return false;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    if (data == nullptr) return false;
    TemplateReader reader(data, SizeofResource(module, found));
    if (reader.Read<WORD>() != 1 || reader.Read<WORD>() != 0xFFFF) return false;
    reader.Read<DWORD>();  // help id
    reader.Read<DWORD>();  // extended style
    out.style = reader.Read<DWORD>();
    const WORD count = reader.Read<WORD>();
    reader.Skip(2 * sizeof(short));  // x, y
    out.width = reader.Read<short>();
    out.height = reader.Read<short>();
    reader.ReadStringOrOrdinal(false);  // menu
    reader.ReadStringOrOrdinal(true);   // class
    out.caption = reader.ReadString();
    if (out.style & (DS_SETFONT | DS_SHELLFONT)) {
        out.fontPoints = reader.Read<WORD>();
        reader.Skip(sizeof(WORD) + 2);  // weight, italic, character set
        out.fontName = reader.ReadString();
    }
    out.items.clear();
    for (WORD i = 0; i < count && reader.ok(); ++i) {
        reader.AlignToDword();
        TemplateItem item;
        reader.Read<DWORD>();  // help id
        item.exStyle = reader.Read<DWORD>();
        item.style = reader.Read<DWORD>();
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.width = reader.Read<short>();
        item.height = reader.Read<short>();
        item.id = static_cast<int>(reader.Read<DWORD>());
        item.className = reader.ReadStringOrOrdinal(true);
        item.text = reader.ReadStringOrOrdinal(false);
        reader.Skip(reader.Read<WORD>());  // creation data
        out.items.push_back(item);
    }
    return reader.ok();
}

}  // namespace qzr::test
