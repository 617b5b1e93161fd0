#include "preview_settings.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <fstream>

#include "settings_fields.h"

namespace qzr::tool {

namespace {

// A ".COL" file: recordSize 48 and recordTag 100 (little-endian 16-bit), then the 44-byte
// ColorSettings block as the record stores it.
constexpr std::size_t kColRecordSize = 48;
constexpr std::uint16_t kColRecordTag = 100;
static_assert(std::endian::native == std::endian::little, "records are little-endian");

ColorSettings TakenByControls(const ColorSettings& file, const ColorSettings& shown) {
    ColorSettings result = shown;
    for (const SettingsField& field : kSettingsFields) {
        const std::int32_t value = ReadField(file, field);
        const std::string_view name = field.name;
        if (name == "unsharpEnabled" || name == "naturalColorOff") {
            WriteField(result, field, value == 1 ? 1 : 0);  // a check box: checked for 1
        } else if (name == "orderIdEnabled") {
            WriteField(result, field, value != 0 ? 1 : 0);
        } else if (name == "colorMode" || name == "printMode") {
            if (value == 0 || value == 1) WriteField(result, field, value);
        } else if (name != "orderId") {  // a slider
            WriteField(result, field, std::clamp(value, field.controlMin, field.controlMax));
        }
    }
    return result;
}

std::string FieldNames() {
    std::string names;
    for (const SettingsField& field : kSettingsFields) {
        if (!names.empty()) names += ", ";
        names += field.name;
    }
    return names;
}

}  // namespace

ColorSettings PageDefaultSettings() {
    return DefaultColorSettings(0);
}

bool LoadColSettings(const std::string& path, ColorSettings& shown, std::string& reason) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reason = "cannot open the file";
        return false;
    }
    unsigned char record[kColRecordSize] = {};
    file.read(reinterpret_cast<char*>(record), kColRecordSize);
    const auto size = static_cast<std::uint16_t>(record[0] | record[1] << 8);
    const auto tag = static_cast<std::uint16_t>(record[2] | record[3] << 8);
    if (file.gcount() != std::streamsize(kColRecordSize)) {
        reason = "not a color correction data file (shorter than 48 bytes)";
        return false;
    }
    if (size != kColRecordSize || tag != kColRecordTag) {
        reason = "not a color correction data file (header " + std::to_string(size) + ", " +
                 std::to_string(tag) + " instead of 48, 100)";
        return false;
    }
    ColorSettings fromFile;
    std::memcpy(&fromFile, record + 4, sizeof fromFile);
    shown = TakenByControls(fromFile, shown);
    return true;
}

bool ApplySetting(std::string_view assignment, ColorSettings& settings, std::string& reason) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        reason = "expected FIELD=VALUE";
        return false;
    }
    const std::string_view name = assignment.substr(0, equals);
    const std::string_view text = assignment.substr(equals + 1);
    const SettingsField* field = FindSettingsField(name);
    if (field == nullptr) {
        reason = "unknown field '" + std::string(name) + "' (fields: " + FieldNames() + ")";
        return false;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = error == std::errc() && end == text.data() + text.size() && !text.empty();
    if (!whole || value < field->controlMin || value > field->controlMax) {
        reason = std::string(name) + " must be a whole number in " +
                 std::to_string(field->controlMin) + ".." + std::to_string(field->controlMax);
        return false;
    }
    WriteField(settings, *field, value);
    return true;
}

}  // namespace qzr::tool
