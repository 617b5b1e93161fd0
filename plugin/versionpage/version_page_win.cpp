// VersionPageProc: at every activation the page gathers what it shows afresh and puts the texts
// in; the texts themselves are computed in version_texts.
#include "version_page_win.h"

#include <commctrl.h>
#include <prsht.h>

#include "common/win/wide_units.h"
#include "version_sources_win.h"

namespace qzr::plugin {

namespace {

void SetText(HWND dialog, int controlId, std::u16string_view text) {
    SetDlgItemTextW(dialog, controlId, win::ToWide(text).c_str());
}

void ShowGammaTableText(HWND dialog) {
    const HWND label = GetDlgItem(dialog, IDC_VERSION_GAMMA_LABEL);
    std::array<unsigned char, versionpage::kGammaFieldBytes> field{};
    if (ReadGammaTableText(field) != 1 || label == nullptr) {
        ShowWindow(label, SW_HIDE);
        SetText(dialog, IDC_VERSION_GAMMA_TEXT, u"");
        return;
    }
    ShowWindow(label, SW_SHOW);
    // One unit more than the field can convert to, so the text stays terminated even when the
    // field holds no zero byte.
    std::array<wchar_t, versionpage::kGammaFieldBytes + 1> converted{};
    const int units =
        MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, reinterpret_cast<const char*>(field.data()),
                            static_cast<int>(field.size()), converted.data(),
                            static_cast<int>(versionpage::kGammaFieldBytes));
    const std::u16string text =
        win::ToChar16(std::wstring_view(converted.data(), units > 0 ? units : 0));
    SetText(dialog, IDC_VERSION_GAMMA_TEXT, versionpage::GammaTableText(text));
}

void FillVersionPage(HWND dialog) {
    const int errorMessageSetting = ReadErrorMessageSetting();
    for (const versionpage::DriverFile& file : versionpage::kDriverFileTable) {
        std::array<wchar_t, versionpage::kPathBufferUnits> buffer{};
        FormatDriverFileDate(win::ToWide(file.fileName).c_str(), buffer, file.folder);
        SetDlgItemTextW(dialog, file.controlId, buffer.data());
    }
    ShowGammaTableText(dialog);
    SetText(dialog, IDC_VERSION_ERROR_LABEL, versionpage::ErrorMessageLabel(errorMessageSetting));
}

}  // namespace

INT_PTR CALLBACK VersionPageProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY || lParam == 0) return 0;
    if (reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(PSN_SETACTIVE)) return 0;
    try {
        FillVersionPage(dialog);
    } catch (...) {
        // Out of memory for a text: the page keeps what it showed; nothing unwinds into the sheet.
    }
    return 0;  // lets the page become active
}

}  // namespace qzr::plugin
