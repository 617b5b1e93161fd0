#include "preview_file_win.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "file_byte_source_win.h"
#include "file_dialog_win.h"
#include "page_message_win.h"
#include "page_settings.h"
#include "private_devmode.h"

namespace qzr::plugin {

namespace {

constexpr wchar_t kFilter[] = L"24-bit true color bitmap image file\0*.BMP\0All\0*.*\0";

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kBitCountOffset = kFileHeaderBytes + 14;  // biBitCount in the info header

enum class Verdict { Usable, CannotOpen, NotBitmap, NotTwentyFourBits };

// Only the signature and the bit count are looked at; the paint judges the rest. The bit count
// is read only when the file's header block reaches it.
Verdict Examine(const wchar_t* path) {
    FileHandleByteSource file(path);
    if (!file.IsOpen()) return Verdict::CannotOpen;
    std::uint8_t header[kFileHeaderBytes] = {};
    if (file.ReadAt(0, header) != sizeof header || header[0] != 'B' || header[1] != 'M')
        return Verdict::NotBitmap;
    std::uint32_t pixelOffset = 0;
    std::memcpy(&pixelOffset, header + 10, sizeof pixelOffset);
    std::uint8_t bitCount[2] = {};
    if (pixelOffset < kBitCountOffset + sizeof bitCount ||
        file.ReadAt(kBitCountOffset, bitCount) != sizeof bitCount)
        return Verdict::NotBitmap;
    return bitCount[0] == 24 && bitCount[1] == 0 ? Verdict::Usable : Verdict::NotTwentyFourBits;
}

}  // namespace

void SelectPreviewFile(HWND dialog, const colorpage::PageRecords& records,
                       colorpage::PageControls& controls) {
    wchar_t file[kDialogPathUnits] = {};
    OPENFILENAMEW setup = FileDialogSetup(dialog, kFilter, file);
    setup.Flags = OFN_READONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (GetOpenFileNameW(&setup) != TRUE) return;

    switch (Examine(file)) {
        case Verdict::CannotOpen:
            ShowPageMessage(L"Could not open file.");
            return;
        case Verdict::NotBitmap:
            ShowPageMessage(L"This is not a bitmap image file.");
            return;
        case Verdict::NotTwentyFourBits:
            ShowPageMessage(L"Select a 24-bit true color bitmap image file.");
            return;
        case Verdict::Usable:
            break;
    }
    char16_t* stored = records.devmode.previewImagePath;
    std::fill(stored, stored + kPathUnits, u'\0');
    std::copy(file, file + std::min<std::size_t>(wcslen(file), kPathUnits - 1), stored);
    colorpage::InvalidatePreview(controls);
}

}  // namespace qzr::plugin
