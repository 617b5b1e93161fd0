// What the launcher's Windows tests share: paths handed in by CTest, scratch folders, records.
#pragma once

#include <string>
#include <vector>

#include "common/win/unique_handle.h"

namespace qzr::test {

// A program path from the environment (a Unix path is taken as a path on Wine's Z: drive).
std::wstring PathFromEnvironment(const wchar_t* name);

// A fresh folder in the temporary directory (without spaces in its own name), removed with
// everything in it at the end.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
};

bool FileExists(const std::wstring& path);
// The lines of a UTF-16 text file without their line feeds; empty when it cannot be read.
std::vector<std::wstring> ReadUtf16Lines(const std::wstring& path);

// Class name and window text of a window, for checks and failure messages.
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

}  // namespace qzr::test
