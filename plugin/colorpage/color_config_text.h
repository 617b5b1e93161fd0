// ".COL" records as text, for the command-line tool: one "field value" line per field, and
// "FIELD=VALUE" settings checked against what the page's controls can hold.
#pragma once

#include <string>
#include <string_view>

#include "color_config_record.h"

namespace qzr::colorpage {

// "recordSize 48", "recordTag 100", then every settings field in record order.
std::string DescribeColorConfig(const ColorConfigRecord& record);

// Sets one field from "FIELD=VALUE". False with a message when the field is unknown, the value
// is not a whole decimal number, or the page could not show it (a saved file never holds such a
// value).
bool ApplyFieldSetting(ColorSettings& settings, std::string_view assignment, std::string& error);

}  // namespace qzr::colorpage
