// The color-correction page's controls and sheet, reached through the real dialog messages.
#pragma once

#include <optional>

#include "common/win/win_include.h"
#include "page_context_win.h"
#include "page_controls.h"

namespace qzr::plugin {

class DialogPageControls final : public colorpage::PageControls {
  public:
    explicit DialogPageControls(HWND dialog) : dialog_(dialog) {}

    void SetSliderRange(int id, int minimum, int maximum) override;
    void SetSliderPosition(int id, int position) override;
    std::int32_t SliderPosition(int id) override;
    void SetChecked(int id, bool checked) override;
    bool IsChecked(int id) override;
    void SetBoxInteger(int id, std::int32_t value, bool isSigned) override;
    void SetBoxText(int id, std::u16string_view text) override;
    std::int32_t BoxInteger(int id) override;
    std::u16string BoxText(int id, std::size_t bufferUnits) override;
    void SetUpDownRange(int id, int minimum, int maximum) override;
    void TellSheetChanged() override;
    void TellSheetUnchanged() override;
    void TellSheetApplied() override;
    void Invalidate(const colorpage::ClientRect& area) override;
    std::uint32_t UserLocale() override;

  private:
    HWND dialog_;
};

// The page's context as WM_INITDIALOG stored it in DWLP_USER; null before that.
PageContext* FindPageContext(HWND dialog);

// The driver's record and the applied copy behind a context; empty when the driver handed the
// page no private record.
std::optional<colorpage::PageRecords> RecordsOf(PageContext* context);

}  // namespace qzr::plugin
