// The eleven sliders of the page and the read-only value boxes that mirror them: how a value is
// shown, how a box's text is read back, and what happens when a box is rewritten or left.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "color_settings.h"
#include "page_controls.h"
#include "res/resource_ids.h"

namespace qzr::colorpage {

enum class BoxForm {
    Signed,     // the value, with a minus sign
    Threshold,  // the value, written unsigned
    Resize,     // value + 100
    Amount,     // (value + 1) x 25
    Radius,     // tenths as "%d.%d"
};

struct SliderRow {
    int sliderId;
    int boxId;
    std::int16_t ColorSettings::*field;
    std::int16_t minimum;
    std::int16_t maximum;
    BoxForm form;
};

// In the order in which the page sets ranges, shows and reads the sliders. "Unsharp mask" is
// shown and read between sharpness and the amount.
inline constexpr std::array<SliderRow, 11> kSliderRows = {{
    {IDC_BRIGHTNESS_SLIDER, IDC_BRIGHTNESS_BOX, &ColorSettings::brightness, -10, 10,
     BoxForm::Signed},
    {IDC_CONTRAST_SLIDER, IDC_CONTRAST_BOX, &ColorSettings::contrast, -10, 10, BoxForm::Signed},
    {IDC_SATURATION_SLIDER, IDC_SATURATION_BOX, &ColorSettings::saturation, -10, 10,
     BoxForm::Signed},
    {IDC_CYAN_SLIDER, IDC_CYAN_BOX, &ColorSettings::cyanBalance, -10, 10, BoxForm::Signed},
    {IDC_MAGENTA_SLIDER, IDC_MAGENTA_BOX, &ColorSettings::magentaBalance, -10, 10, BoxForm::Signed},
    {IDC_YELLOW_SLIDER, IDC_YELLOW_BOX, &ColorSettings::yellowBalance, -10, 10, BoxForm::Signed},
    {IDC_SHARPNESS_SLIDER, IDC_SHARPNESS_BOX, &ColorSettings::sharpness, -4, 4, BoxForm::Signed},
    {IDC_AMOUNT_SLIDER, IDC_AMOUNT_BOX, &ColorSettings::unsharpAmount, 0, 12, BoxForm::Amount},
    {IDC_RADIUS_SLIDER, IDC_RADIUS_BOX, &ColorSettings::unsharpRadius, 1, 30, BoxForm::Radius},
    {IDC_THRESHOLD_SLIDER, IDC_THRESHOLD_BOX, &ColorSettings::unsharpThreshold, 0, 20,
     BoxForm::Threshold},
    {IDC_RESIZE_SLIDER, IDC_RESIZE_BOX, &ColorSettings::resize, -10, 10, BoxForm::Resize},
}};
inline constexpr std::size_t kSlidersBeforeUnsharpMask = 7;

const SliderRow* FindValueBox(int boxId);

// Writes the text that the row's box shows for a slider value.
void ShowInValueBox(PageControls& controls, const SliderRow& row, std::int16_t value);

// The slider value that the box's text stands for, in 16 bits. Empty only for a radius box
// with no text.
std::optional<std::int16_t> ReadValueBox(PageControls& controls, const SliderRow& row);

// EN_UPDATE of a box: the slider follows the text, and a text that differs from the reference
// marks the sheet changed (never unchanged). Other controls are ignored. Always 1.
int SyncValueBox(PageControls& controls, const ColorSettings& reference, int id);

// EN_KILLFOCUS of a box: an out-of-range text is rewritten with the bound, and the value is
// stored in the target and the slider at once. Other controls are ignored. Always 1.
int ClampValueBox(PageControls& controls, ColorSettings& target, int id);

}  // namespace qzr::colorpage
