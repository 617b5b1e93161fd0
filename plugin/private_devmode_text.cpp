#include "private_devmode_text.h"

#include <cstdio>

#include "settings_fields.h"
#include "utf16.h"

namespace qzr {

std::string SignatureText(std::uint32_t signature) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const unsigned byte = (signature >> (8 * i)) & 0xFF;
        if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text;
}

std::string DescribeColorSettings(const ColorSettings& settings, const std::string& indent) {
    std::string text;
    for (const SettingsField& field : kSettingsFields) {
        text += indent;
        text += field.name;
        text += ' ';
        text += std::to_string(ReadField(settings, field));
        text += '\n';
    }
    return text;
}

std::string DescribePrivateDevmode(const PrivateDevmode& record, const std::string& indent) {
    std::string text;
    text += indent + "size " + std::to_string(record.size) + '\n';
    text += indent + "signature " + SignatureText(record.signature) + '\n';
    text += indent + "version " + std::to_string(record.version) + '\n';
    text += DescribeColorSettings(record.settings, indent);
    text += indent + "previewImagePath \"" +
            Utf16ToUtf8(TerminatedView(record.previewImagePath, kPathUnits)) + "\"\n";
    return text;
}

}  // namespace qzr
