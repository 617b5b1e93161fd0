// Files a test puts into the Wine prefix's real folders, with chosen contents and last-write
// times; everything placed, and every folder made for it, is removed again at the end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/win/win_include.h"

namespace qzr::test {

// A UTC time as a FILETIME.
FILETIME UtcFileTime(WORD year, WORD month, WORD day, WORD hour, WORD minute);

class PlacedFiles {
public:
    PlacedFiles() = default;
    PlacedFiles(const PlacedFiles&) = delete;
    PlacedFiles& operator=(const PlacedFiles&) = delete;
    ~PlacedFiles();

    // Makes the folder (and its parents) if it is missing; false when that fails.
    bool EnsureFolder(const std::wstring& folder);
    // Writes the file whole and, if given, sets its last-write time; false on any failure.
    bool Write(const std::wstring& path, std::string_view bytes,
               std::optional<FILETIME> lastWrite = std::nullopt);
    bool Remove(const std::wstring& path);

private:
    std::vector<std::wstring> files_;
    std::vector<std::wstring> folders_;  // made here, removed deepest first
};

}  // namespace qzr::test
