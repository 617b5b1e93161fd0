// One write of a small file's whole content.
#pragma once

#include <cstdint>
#include <span>

#include "common/win/win_include.h"

namespace qzr::plugin {

// True only when every byte was written: a failed or short write must never pass for a saved
// file.
bool WriteWhole(HANDLE file, std::span<const std::uint8_t> bytes);

}  // namespace qzr::plugin
