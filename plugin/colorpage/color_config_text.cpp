#include "color_config_text.h"

#include "private_devmode_text.h"

namespace qzr::colorpage {

std::string DescribeColorConfig(const ColorConfigRecord& record) {
    return "recordSize " + std::to_string(record.recordSize) + "\nrecordTag " +
           std::to_string(record.recordTag) + '\n' + DescribeColorSettings(record.settings);
}

}  // namespace qzr::colorpage
