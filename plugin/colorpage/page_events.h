// What the color-correction page does for each message its dialog procedure receives. The
// Windows dialog procedure finds the page's records and hands the message on; the file commands,
// which need the platform's dialogs and files, come back to it as a FileCommand.
#pragma once

#include <cstdint>

#include "color_settings.h"
#include "page_controls.h"

namespace qzr::colorpage {

// WM_COMMAND notification codes the page tells apart (the values are the platform's).
inline constexpr std::uint16_t kButtonClicked = 0;       // BN_CLICKED
inline constexpr std::uint16_t kAcceleratorCommand = 1;  // a command from an accelerator
inline constexpr std::uint16_t kBoxLostFocus = 0x200;    // EN_KILLFOCUS
inline constexpr std::uint16_t kBoxUpdate = 0x400;       // EN_UPDATE

enum class SheetNotification { SetActive, KillActive, Apply, Other };

enum class FileCommand { None, SelectPreviewFile, SaveConfiguration, LoadConfiguration };

// WM_INITDIALOG, before the page's records are reachable from its window: slider ranges, the
// Order ID range and the stored settings into the controls.
void SetUpControls(PageControls& controls, const ColorSettings& stored);

// WM_INITDIALOG, once the records are reachable (every box write calls back into the page):
// the Order ID box and, through DetectChanges, every value box.
void FillBoxes(PageControls& controls, const PrivateDevmode& devmode);

// WM_HSCROLL from any slider, whatever the scroll code.
void OnSliderMoved(PageControls& controls, const PageRecords& records);

FileCommand OnCommand(PageControls& controls, const PageRecords& records, std::uint16_t code,
                      int id);

void OnSheetNotification(PageControls& controls, const PageRecords& records,
                         SheetNotification notification);

}  // namespace qzr::colorpage
