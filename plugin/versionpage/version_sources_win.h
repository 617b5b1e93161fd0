// What the Version page reads from the system: folder paths, file dates, the error-message
// setting and the gamma table's field. Each call reads afresh and falls back on its own.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "common/win/win_include.h"
#include "version_texts.h"

namespace qzr::plugin {

// The folder of that kind as the platform reports it; nothing when the query fails or the answer
// does not fit a path buffer.
std::optional<std::u16string> QueryFolder(versionpage::DriverFolderKind kind);
std::optional<std::u16string> QueryWindowsDirectory();

// Puts the path of fileName in the folder of that kind into buffer, then replaces it with the
// file's last-write date (local time) or the zeroed date when the date cannot be read.
void FormatDriverFileDate(const wchar_t* fileName,
                          std::span<wchar_t, versionpage::kPathBufferUnits> buffer,
                          versionpage::DriverFolderKind kind);

// Reads the 128-byte field of the gamma table file into field, which the caller zeroed; 1 when
// the file was opened, positioned and read, else 0. A short file leaves the rest of field zero.
int ReadGammaTableText(std::span<unsigned char, versionpage::kGammaFieldBytes> field);

// The "ErrorMsg" setting, 1 when the file, section or key is missing.
int ReadErrorMessageSetting();

}  // namespace qzr::plugin
