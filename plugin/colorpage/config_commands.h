// The page's side of "Save configuration" and "Load configuration": what goes into a ".COL"
// file and what a file does to the controls. The dialogs and the file itself are the caller's.
#pragma once

#include <cstdint>
#include <span>

#include "color_config_record.h"
#include "page_controls.h"

namespace qzr::colorpage {

// What the controls show at this moment, applied or not; rewrites the value boxes as every
// reading of the controls does.
ColorConfigBytes SaveConfigurationBytes(PageControls& controls);

// Puts a file's settings into the controls (never into the driver's record), then tells the
// sheet whether the page is changed and repaints the preview. A refused file changes nothing.
// The file's orderId is not used: the Order ID box keeps its number.
ColorConfigError LoadConfigurationBytes(PageControls& controls, const PageRecords& records,
                                        std::span<const std::uint8_t> fileStart);

}  // namespace qzr::colorpage
