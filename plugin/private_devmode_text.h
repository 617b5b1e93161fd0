// Human-readable printouts of the private record, one "name value" pair per line, as the
// command-line tools show it.
#pragma once

#include <string>

#include "color_settings.h"
#include "private_devmode.h"

namespace qzr {

// Four signature bytes as text; bytes outside printable ASCII appear as \xNN.
std::string SignatureText(std::uint32_t signature);

// "brightness 0" ... one line per field, each line starting with indent.
std::string DescribeColorSettings(const ColorSettings& settings, const std::string& indent = "");

std::string DescribePrivateDevmode(const PrivateDevmode& record, const std::string& indent = "");

}  // namespace qzr
