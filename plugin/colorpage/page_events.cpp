#include "page_events.h"

#include <algorithm>

#include "page_settings.h"
#include "res/resource_ids.h"
#include "value_boxes.h"

namespace qzr::colorpage {

namespace {

// The up-down offers one less than the record accepts (1000), as it always has.
constexpr int kOrderIdSpinMaximum = 999;

void ClickMode(PageControls& controls, const PageRecords& records, int id) {
    ColorSettings shown{};
    ReadSettings(controls, shown);
    switch (id) {
        case IDC_COLOR_MODE_COLOR:
            shown.colorMode = 0;
            break;
        case IDC_COLOR_MODE_MONOCHROME:
            shown.colorMode = 1;
            break;
        case IDC_PRINT_MODE_HIGH_SPEED:
            shown.printMode = 0;
            break;
        case IDC_PRINT_MODE_HIGH_QUALITY:
            shown.printMode = 1;
            break;
    }
    ShowSettings(controls, shown);
    DetectChanges(controls, records.devmode.settings);
    InvalidatePreview(controls);
}

// The path goes at once and for good, even if the sheet is then cancelled; the settings wait
// for the page to be left like any other edit.
void RestoreDefaults(PageControls& controls, const PageRecords& records) {
    std::fill(std::begin(records.devmode.previewImagePath),
              std::end(records.devmode.previewImagePath), u'\0');
    ShowSettings(controls, DefaultColorSettings(controls.UserLocale()));
    DetectChanges(controls, records.devmode.settings);
    InvalidatePreview(controls);
}

FileCommand OnClick(PageControls& controls, const PageRecords& records, int id) {
    switch (id) {
        case IDC_SELECT_FILE:
            return FileCommand::SelectPreviewFile;
        case IDC_SAVE_CONFIGURATION:
            return FileCommand::SaveConfiguration;
        case IDC_LOAD_CONFIGURATION:
            return FileCommand::LoadConfiguration;
        case IDC_DEFAULT_SETTINGS:
            RestoreDefaults(controls, records);
            break;
        case IDC_UNSHARP_MASK:
            InvalidatePreview(controls);
            break;
        case IDC_COLOR_MODE_COLOR:
        case IDC_COLOR_MODE_MONOCHROME:
        case IDC_PRINT_MODE_HIGH_SPEED:
        case IDC_PRINT_MODE_HIGH_QUALITY:
            ClickMode(controls, records, id);
            break;
        default:
            break;
    }
    return FileCommand::None;
}

}  // namespace

void SetUpControls(PageControls& controls, const ColorSettings& stored) {
    for (const SliderRow& row : kSliderRows)
        controls.SetSliderRange(row.sliderId, row.minimum, row.maximum);
    controls.SetUpDownRange(IDC_ORDER_ID_SPIN, 0, kOrderIdSpinMaximum);
    ShowSettings(controls, stored);
}

void FillBoxes(PageControls& controls, const PrivateDevmode& devmode) {
    controls.SetBoxInteger(IDC_ORDER_ID_BOX, devmode.settings.orderId, true);
    DetectChanges(controls, devmode.settings);
}

void OnSliderMoved(PageControls& controls, const PageRecords& records) {
    DetectChanges(controls, records.devmode.settings);
    InvalidatePreview(controls);
}

FileCommand OnCommand(PageControls& controls, const PageRecords& records, std::uint16_t code,
                      int id) {
    switch (code) {
        case kButtonClicked:
            return OnClick(controls, records, id);
        case kAcceleratorCommand:
            DetectChanges(controls, records.devmode.settings);
            break;
        case kBoxLostFocus:
            ClampValueBox(controls, records.devmode.settings, id);
            InvalidatePreview(controls);
            break;
        case kBoxUpdate:
            SyncValueBox(controls, records.devmode.settings, id);
            break;
        default:
            break;
    }
    return FileCommand::None;
}

void OnSheetNotification(PageControls& controls, const PageRecords& records,
                         SheetNotification notification) {
    switch (notification) {
        case SheetNotification::SetActive:
            records.devmode.settings = records.savedSettings;
            break;
        case SheetNotification::KillActive:
            // Field by field, without touching the boxes, the alignment bytes or the path.
            ReadSettings(controls, records.devmode.settings, BoxWrites::Skip);
            break;
        case SheetNotification::Apply:
            records.savedSettings = records.devmode.settings;
            controls.TellSheetApplied();
            break;
        case SheetNotification::Other:
            break;
    }
}

}  // namespace qzr::colorpage
