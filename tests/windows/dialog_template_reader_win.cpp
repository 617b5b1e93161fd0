#include "dialog_template_reader_win.h"

#include <algorithm>
#include <cstring>

namespace qzr::test {

namespace {

// A bounds-checked reader over the template's bytes; once out of bounds it stays failed.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Read() {
        T value{};
        if (!ok_ || size_ - at_ < sizeof value) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + at_, sizeof value);
        at_ += sizeof value;
        return value;
    }

    std::wstring ReadText() {
        std::wstring text;
        for (wchar_t unit; ok_ && (unit = Read<wchar_t>()) != L'\0';) text += unit;
        return text;
    }

    // A name or, after 0xFFFF, a number.
    void ReadNameOrOrdinal(std::wstring& name, WORD& ordinal) {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            ordinal = Read<WORD>();
        } else if (first != 0) {
            name = static_cast<wchar_t>(first) + ReadText();
        }
    }

    void AlignTo(std::size_t bytes) { at_ = (at_ + bytes - 1) / bytes * bytes; }
    void Skip(std::size_t bytes) {
        if (size_ - std::min(at_, size_) < bytes) ok_ = false;
        at_ += bytes;
    }
    bool ok() const { return ok_ && at_ <= size_; }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(HMODULE module, WORD id) {
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
    const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return std::nullopt;
    Reader in(static_cast<const unsigned char*>(data), SizeofResource(module, resource));

    if (in.Read<WORD>() != 1 || in.Read<WORD>() != 0xFFFF) return std::nullopt;  // DIALOGEX
    DialogTemplate dialog;
    in.Read<DWORD>();  // help id
    dialog.exStyle = in.Read<DWORD>();
    dialog.style = in.Read<DWORD>();
    const WORD count = in.Read<WORD>();
    dialog.x = in.Read<short>();
    dialog.y = in.Read<short>();
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    std::wstring ignoredName;
    WORD ignoredOrdinal = 0;
    in.ReadNameOrOrdinal(ignoredName, ignoredOrdinal);  // menu
    in.ReadNameOrOrdinal(ignoredName, ignoredOrdinal);  // class
    dialog.caption = in.ReadText();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.Read<WORD>();
        in.Read<WORD>();  // weight
        in.Read<BYTE>();  // italic
        in.Read<BYTE>();  // character set
        dialog.font = in.ReadText();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.AlignTo(4);
        DialogItem item;
        in.Read<DWORD>();  // help id
        item.exStyle = in.Read<DWORD>();
        item.style = in.Read<DWORD>();
        item.x = in.Read<short>();
        item.y = in.Read<short>();
        item.cx = in.Read<short>();
        item.cy = in.Read<short>();
        item.id = static_cast<int>(in.Read<DWORD>());
        in.ReadNameOrOrdinal(item.className, item.classAtom);
        in.ReadNameOrOrdinal(item.text, item.textOrdinal);
        in.Skip(in.Read<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    if (!in.ok()) return std::nullopt;
    return dialog;
}

}  // namespace qzr::test
