// The few things the color-correction page asks of its dialog and property sheet. The Windows
// adapter sends the real messages; the native tests answer with a simulated dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "color_settings.h"
#include "private_devmode.h"

namespace qzr::colorpage {

// A rectangle in client pixels; right and bottom are exclusive.
struct ClientRect {
    int left, top, right, bottom;
};

class PageControls {
  public:
    // Sliders clamp a position set outside their range to the nearest end; neither call notifies.
    virtual void SetSliderRange(int id, int minimum, int maximum) = 0;
    virtual void SetSliderPosition(int id, int position) = 0;
    virtual std::int32_t SliderPosition(int id) = 0;

    // Auto buttons toggle (and radio pairs stay exclusive) before their click reaches the page.
    virtual void SetChecked(int id, bool checked) = 0;
    virtual bool IsChecked(int id) = 0;

    // Every write of a box's text raises EN_UPDATE to the page before it returns.
    virtual void SetBoxInteger(int id, std::int32_t value, bool isSigned) = 0;
    virtual void SetBoxText(int id, std::u16string_view text) = 0;
    // The integer the text holds (signed), 0 when it holds none.
    virtual std::int32_t BoxInteger(int id) = 0;
    // At most bufferUnits - 1 units of the box's text.
    virtual std::u16string BoxText(int id, std::size_t bufferUnits) = 0;

    virtual void SetUpDownRange(int id, int minimum, int maximum) = 0;

    virtual void TellSheetChanged() = 0;
    virtual void TellSheetUnchanged() = 0;
    // The page's settings were applied (CPSUI_OK to the common property sheet).
    virtual void TellSheetApplied() = 0;

    // Repaint without erasing the background.
    virtual void Invalidate(const ClientRect& area) = 0;

    virtual std::uint32_t UserLocale() = 0;

  protected:
    ~PageControls() = default;
};

// The driver's records that one page works on, both reached through its PageContext.
struct PageRecords {
    PrivateDevmode& devmode;       // the working copy the driver keeps
    ColorSettings& savedSettings;  // the settings applied last
};

}  // namespace qzr::colorpage
