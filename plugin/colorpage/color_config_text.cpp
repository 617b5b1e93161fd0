#include "color_config_text.h"

#include <charconv>

#include "private_devmode_text.h"
#include "settings_fields.h"

namespace qzr::colorpage {

std::string DescribeColorConfig(const ColorConfigRecord& record) {
    return "recordSize " + std::to_string(record.recordSize) + "\nrecordTag " +
           std::to_string(record.recordTag) + '\n' + DescribeColorSettings(record.settings);
}

bool ApplyFieldSetting(ColorSettings& settings, std::string_view assignment, std::string& error) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        error = "expected FIELD=VALUE, got \"" + std::string(assignment) + '"';
        return false;
    }
    const std::string_view name = assignment.substr(0, equals);
    const std::string_view text = assignment.substr(equals + 1);
    const SettingsField* field = FindSettingsField(name);
    if (field == nullptr) {
        error = "no field \"" + std::string(name) + "\" in a color configuration";
        return false;
    }
    std::int32_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size()) {
        error = std::string(name) + ": \"" + std::string(text) + "\" is not a whole number";
        return false;
    }
    if (value < field->controlMin || value > field->controlMax) {
        error = std::string(name) + ": " + std::to_string(value) + " is outside " +
                std::to_string(field->controlMin) + ".." + std::to_string(field->controlMax) +
                ", what the page can show";
        return false;
    }
    WriteField(settings, *field, value);
    return true;
}

}  // namespace qzr::colorpage
