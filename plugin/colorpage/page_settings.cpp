#include "page_settings.h"

#include <cstring>

#include "res/resource_ids.h"
#include "value_boxes.h"

namespace qzr::colorpage {

namespace {

void ShowSlider(PageControls& controls, const SliderRow& row, const ColorSettings& settings) {
    controls.SetSliderPosition(row.sliderId, settings.*(row.field));
}

void ReadSlider(PageControls& controls, const SliderRow& row, ColorSettings& settings,
                BoxWrites boxWrites) {
    const auto value = static_cast<std::int16_t>(controls.SliderPosition(row.sliderId));
    settings.*(row.field) = value;
    if (boxWrites == BoxWrites::Rewrite) ShowInValueBox(controls, row, value);
}

void ShowPair(PageControls& controls, std::int16_t mode, int zeroId, int oneId) {
    if (mode != 0 && mode != 1) return;
    controls.SetChecked(zeroId, mode == 0);
    controls.SetChecked(oneId, mode == 1);
}

void ReadPair(PageControls& controls, std::int16_t& mode, int zeroId, int oneId) {
    if (controls.IsChecked(zeroId))
        mode = 0;
    else if (controls.IsChecked(oneId))
        mode = 1;
}

}  // namespace

void ShowSettings(PageControls& controls, const ColorSettings& settings) {
    for (std::size_t i = 0; i < kSlidersBeforeUnsharpMask; ++i)
        ShowSlider(controls, kSliderRows[i], settings);
    controls.SetChecked(IDC_UNSHARP_MASK, settings.unsharpEnabled == 1);
    for (std::size_t i = kSlidersBeforeUnsharpMask; i < kSliderRows.size(); ++i)
        ShowSlider(controls, kSliderRows[i], settings);
    controls.SetChecked(IDC_NATURAL_COLOR, settings.naturalColorOff != 1);
    controls.SetChecked(IDC_ORDER_ID_CHECK, settings.orderIdEnabled != 0);
    ShowPair(controls, settings.colorMode, IDC_COLOR_MODE_COLOR, IDC_COLOR_MODE_MONOCHROME);
    ShowPair(controls, settings.printMode, IDC_PRINT_MODE_HIGH_SPEED, IDC_PRINT_MODE_HIGH_QUALITY);
}

void ReadSettings(PageControls& controls, ColorSettings& settings, BoxWrites boxWrites) {
    for (std::size_t i = 0; i < kSlidersBeforeUnsharpMask; ++i)
        ReadSlider(controls, kSliderRows[i], settings, boxWrites);
    settings.unsharpEnabled = controls.IsChecked(IDC_UNSHARP_MASK) ? 1 : 0;
    for (std::size_t i = kSlidersBeforeUnsharpMask; i < kSliderRows.size(); ++i)
        ReadSlider(controls, kSliderRows[i], settings, boxWrites);
    settings.naturalColorOff = controls.IsChecked(IDC_NATURAL_COLOR) ? 0 : 1;
    settings.orderId = static_cast<std::int16_t>(controls.BoxInteger(IDC_ORDER_ID_BOX));
    if (boxWrites == BoxWrites::Rewrite)
        controls.SetBoxInteger(IDC_ORDER_ID_BOX, settings.orderId, true);
    settings.orderIdEnabled = controls.IsChecked(IDC_ORDER_ID_CHECK) ? 1 : 0;
    ReadPair(controls, settings.colorMode, IDC_COLOR_MODE_COLOR, IDC_COLOR_MODE_MONOCHROME);
    ReadPair(controls, settings.printMode, IDC_PRINT_MODE_HIGH_SPEED, IDC_PRINT_MODE_HIGH_QUALITY);
}

int DetectChanges(PageControls& controls, const ColorSettings& reference) {
    ColorSettings shown{};
    ReadSettings(controls, shown);
    if (std::memcmp(&shown, &reference, sizeof shown) == 0) {
        controls.TellSheetUnchanged();
        return 0;
    }
    controls.TellSheetChanged();
    return 1;
}

void InvalidatePreview(PageControls& controls) {
    controls.Invalidate(kPreviewPicture);
}

}  // namespace qzr::colorpage
