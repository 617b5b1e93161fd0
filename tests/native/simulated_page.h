// A stand-in for the color-correction page's dialog and its property sheet, holding the controls
// of template 120 that the page addresses. It behaves as the page relies on the real ones to:
// sliders clamp to their range, auto buttons toggle (radio pairs stay exclusive) before the
// click reaches the page, and a box text write sends EN_UPDATE, then EN_CHANGE, to the page
// before it returns. Touching a control the template does not have fails the test.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "page_controls.h"
#include "page_events.h"

namespace qzr::colorpage::testing {

class SimulatedPage final : public PageControls {
  public:
    SimulatedPage(PrivateDevmode& devmode, ColorSettings& savedSettings,
                  std::uint32_t userLocale = 0x0409);

    // WM_INITDIALOG, in the order of the Windows dialog procedure.
    void Create();

    // What the user, the sheet or the window system does.
    void MoveSlider(int id, int position);  // TBM_SETPOS, then WM_HSCROLL
    FileCommand Click(int id);              // the button's own toggle, then BN_CLICKED
    void TypeIntoBox(int id, const std::u16string& text);  // a text write, as a program does
    void LeaveBox(int id);                                 // EN_KILLFOCUS
    FileCommand Command(std::uint16_t code, int id);
    void Notify(SheetNotification notification);

    // What the page left in its controls and told its sheet.
    std::u16string Text(int id) const;
    int Position(int id) const;
    bool Checked(int id) const;
    std::pair<int, int> Range(int id) const;
    // "changed", "unchanged" and "applied", in the order sent; Take... clears the log.
    std::vector<std::string> TakeSheetMessages();
    int TakeInvalidations();

    // PageControls
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
    void Invalidate(const ClientRect& area) override;
    std::uint32_t UserLocale() override;

  private:
    enum class Kind { Slider, CheckBox, Radio, PushButton, Box, UpDown };
    struct Control {
        explicit Control(Kind kind = Kind::Box) : kind(kind) {}
        Kind kind;
        int minimum = 0, maximum = 100, position = 0;  // a new trackbar's range
        bool checked = false;
        std::u16string text;
        int partner = 0;  // the other button of a radio pair
    };

    Control& Find(int id, Kind kind);
    const Control& Find(int id, Kind kind) const;

    std::map<int, Control> controls_;
    PageRecords records_;
    bool recordsStored_ = false;  // the DWLP_USER slot
    std::uint32_t userLocale_;
    std::vector<std::string> sheetMessages_;
    int invalidations_ = 0;
};

}  // namespace qzr::colorpage::testing
