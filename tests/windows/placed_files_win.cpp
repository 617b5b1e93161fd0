#include "placed_files_win.h"

#include <algorithm>

#include "common/win/unique_handle.h"

namespace qzr::test {

FILETIME UtcFileTime(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    FILETIME result{};
    SystemTimeToFileTime(&time, &result);
    return result;
}

PlacedFiles::~PlacedFiles() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder)
        RemoveDirectoryW(folder->c_str());
}

bool PlacedFiles::EnsureFolder(const std::wstring& folder) {
    if (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    const auto slash = folder.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash > 2 && !EnsureFolder(folder.substr(0, slash)))
        return false;
    if (!CreateDirectoryW(folder.c_str(), nullptr)) return false;
    folders_.push_back(folder);
    return true;
}

bool PlacedFiles::Write(const std::wstring& path, std::string_view bytes,
                        std::optional<FILETIME> lastWrite) {
    if (std::find(files_.begin(), files_.end(), path) == files_.end()) files_.push_back(path);
    const win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &written, nullptr) ||
                           written != bytes.size()))
        return false;
    return !lastWrite || SetFileTime(file.get(), nullptr, nullptr, &*lastWrite);
}

bool PlacedFiles::Remove(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != 0;
}

}  // namespace qzr::test
