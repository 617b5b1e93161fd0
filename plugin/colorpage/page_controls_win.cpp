#include "page_controls_win.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace qzr::plugin {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

void DialogPageControls::SetSliderRange(int id, int minimum, int maximum) {
    SendDlgItemMessageW(dialog_, id, TBM_SETRANGE, TRUE,
                        MAKELPARAM(static_cast<WORD>(minimum), static_cast<WORD>(maximum)));
}

void DialogPageControls::SetSliderPosition(int id, int position) {
    SendDlgItemMessageW(dialog_, id, TBM_SETPOS, TRUE, position);
}

std::int32_t DialogPageControls::SliderPosition(int id) {
    return static_cast<std::int32_t>(SendDlgItemMessageW(dialog_, id, TBM_GETPOS, 0, 0));
}

void DialogPageControls::SetChecked(int id, bool checked) {
    SendDlgItemMessageW(dialog_, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DialogPageControls::IsChecked(int id) {
    return static_cast<std::int16_t>(SendDlgItemMessageW(dialog_, id, BM_GETCHECK, 0, 0)) > 0;
}

void DialogPageControls::SetBoxInteger(int id, std::int32_t value, bool isSigned) {
    SetDlgItemInt(dialog_, id, static_cast<UINT>(value), isSigned);
}

void DialogPageControls::SetBoxText(int id, std::u16string_view text) {
    const std::wstring terminated(text.begin(), text.end());
    SetDlgItemTextW(dialog_, id, terminated.c_str());
}

std::int32_t DialogPageControls::BoxInteger(int id) {
    return static_cast<std::int32_t>(GetDlgItemInt(dialog_, id, nullptr, TRUE));
}

std::u16string DialogPageControls::BoxText(int id, std::size_t bufferUnits) {
    if (bufferUnits == 0) return {};
    std::vector<wchar_t> buffer(bufferUnits, L'\0');
    const UINT copied = GetDlgItemTextW(dialog_, id, buffer.data(), static_cast<int>(bufferUnits));
    return std::u16string(buffer.begin(), buffer.begin() + copied);
}

void DialogPageControls::SetUpDownRange(int id, int minimum, int maximum) {
    SendDlgItemMessageW(dialog_, id, UDM_SETRANGE32, minimum, maximum);
}

void DialogPageControls::TellSheetChanged() {
    SendMessageW(GetParent(dialog_), PSM_CHANGED, reinterpret_cast<WPARAM>(dialog_), 0);
}

void DialogPageControls::TellSheetUnchanged() {
    SendMessageW(GetParent(dialog_), PSM_UNCHANGED, reinterpret_cast<WPARAM>(dialog_), 0);
}

void DialogPageControls::TellSheetApplied() {
    const PageContext* context = FindPageContext(dialog_);
    if (context == nullptr || context->comPropSheet == nullptr) return;
    context->comPropSheet(context->sheetHandle, CPSFUNC_SET_RESULT,
                          reinterpret_cast<LPARAM>(context->pageHandle), CPSUI_OK);
}

void DialogPageControls::Invalidate(const colorpage::ClientRect& area) {
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(dialog_, &rect, FALSE);
}

std::uint32_t DialogPageControls::UserLocale() {
    return GetUserDefaultLCID();
}

PageContext* FindPageContext(HWND dialog) {
    return reinterpret_cast<PageContext*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

std::optional<colorpage::PageRecords> RecordsOf(PageContext* context) {
    if (context == nullptr || context->uiParams == nullptr || context->uiParams->pOEMDM == nullptr)
        return std::nullopt;
    auto* devmode = static_cast<PrivateDevmode*>(context->uiParams->pOEMDM);
    return colorpage::PageRecords{*devmode, context->savedSettings};
}

}  // namespace qzr::plugin
