// The settings that qzr preview renders with, gathered the way the page's controls hold them.
#pragma once

#include <string>
#include <string_view>

#include "color_settings.h"

namespace qzr::tool {

// What the page shows after "Default settings": every field 0 but unsharpAmount 5,
// unsharpRadius 10 and unsharpThreshold 5.
ColorSettings PageDefaultSettings();

// A ".COL" file's settings as "Load configuration" puts them into the controls that show
// `shown`: sliders clamp to their ranges, "Unsharp mask" is on only for 1, a mode of 0 or 1 sets
// its buttons and any other value leaves them, the Order ID keeps its number. False, with a
// reason, when the file cannot be read or is not a color correction data file.
bool LoadColSettings(const std::string& path, ColorSettings& shown, std::string& reason);

// "FIELD=VALUE" with a field's record name. False, with a reason naming the field and its
// range, when the field is unknown or the value is not one its control can hold.
bool ApplySetting(std::string_view assignment, ColorSettings& settings, std::string& reason);

}  // namespace qzr::tool
