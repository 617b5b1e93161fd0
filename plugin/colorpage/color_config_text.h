// ".COL" records as text, for the command-line tool: one "field value" line per field.
#pragma once

#include <string>

#include "color_config_record.h"

namespace qzr::colorpage {

// "recordSize 48", "recordTag 100", then every settings field in record order.
std::string DescribeColorConfig(const ColorConfigRecord& record);

}  // namespace qzr::colorpage
