#include "version_sources_win.h"

#include <algorithm>
#include <cwchar>

#include "common/win/unique_handle.h"
#include "common/win/wide_units.h"

#include <winspool.h>

namespace qzr::plugin {

namespace {

using versionpage::DriverFolderKind;
using versionpage::kPathBufferUnits;

using PathBuffer = std::array<wchar_t, kPathBufferUnits>;

// The answer of a folder query, when it is a terminated text of the buffer.
std::optional<std::u16string> TerminatedFolder(const PathBuffer& buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), L'\0');
    if (end == buffer.end()) return std::nullopt;
    return win::ToChar16(std::wstring_view(buffer.data(), end - buffer.begin()));
}

// GetSystemDirectoryW and GetWindowsDirectoryW answer the length, or the size they would need.
template <typename Query>
std::optional<std::u16string> QueryDirectory(Query query) {
    PathBuffer buffer{};
    const UINT length = query(buffer.data(), kPathBufferUnits);
    if (length == 0 || length >= kPathBufferUnits) return std::nullopt;
    return TerminatedFolder(buffer);
}

// The spooler's folder queries take the buffer's size in bytes.
template <typename Query>
std::optional<std::u16string> QuerySpoolerDirectory(Query query) {
    PathBuffer buffer{};
    DWORD needed = 0;
    if (!query(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer.data()),
               static_cast<DWORD>(sizeof buffer), &needed))
        return std::nullopt;
    return TerminatedFolder(buffer);
}

void CopyTerminated(std::u16string_view text, std::span<wchar_t, kPathBufferUnits> buffer) {
    const std::size_t length = std::min(text.size(), kPathBufferUnits - 1);
    std::copy_n(text.begin(), length, buffer.begin());
    buffer[length] = L'\0';
}

win::UniqueFile OpenForReading(const wchar_t* path) {
    // No sharing: a file that another process holds open counts as unreadable.
    return win::UniqueFile(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

std::optional<versionpage::CalendarTime> LastWriteLocalTime(const wchar_t* path) {
    const win::UniqueFile file = OpenForReading(path);
    FILETIME written;
    if (!file || !GetFileTime(file.get(), nullptr, nullptr, &written)) return std::nullopt;
    // The bias in force now applies, not the one in force at the file's date.
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &fields))
        return std::nullopt;
    return versionpage::CalendarTime{fields.wYear, fields.wMonth, fields.wDay, fields.wHour,
                                     fields.wMinute};
}

}  // namespace

std::optional<std::u16string> QueryFolder(DriverFolderKind kind) {
    switch (kind) {
        case DriverFolderKind::SystemDirectory:
            return QueryDirectory(GetSystemDirectoryW);
        case DriverFolderKind::DriverVersion3Directory:
            return QuerySpoolerDirectory(GetPrinterDriverDirectoryW);
        case DriverFolderKind::PrintProcessorDirectory:
            return QuerySpoolerDirectory(GetPrintProcessorDirectoryW);
    }
    return std::nullopt;
}

std::optional<std::u16string> QueryWindowsDirectory() {
    return QueryDirectory(GetWindowsDirectoryW);
}

void FormatDriverFileDate(const wchar_t* fileName, std::span<wchar_t, kPathBufferUnits> buffer,
                          DriverFolderKind kind) {
    const std::optional<std::u16string> folder = QueryFolder(kind);
    const std::optional<std::u16string> path = versionpage::DriverFilePath(
        folder, kind, fileName != nullptr ? win::ToChar16(fileName) : std::u16string());
    CopyTerminated(path.value_or(u""), buffer);
    std::optional<versionpage::CalendarTime> time;
    if (path) time = LastWriteLocalTime(buffer.data());
    CopyTerminated(versionpage::DateText(time), buffer);
}

int ReadGammaTableText(std::span<unsigned char, versionpage::kGammaFieldBytes> field) {
    const std::optional<std::u16string> path =
        versionpage::JoinPath(QueryWindowsDirectory(), versionpage::kGammaTableFile);
    if (!path) return 0;
    const win::UniqueFile file = OpenForReading(win::ToWide(*path).c_str());
    if (!file) return 0;
    if (SetFilePointer(file.get(), versionpage::kGammaFieldOffset, nullptr, FILE_BEGIN) ==
        INVALID_SET_FILE_POINTER)
        return 0;
    DWORD read = 0;
    const BOOL succeeded =
        ReadFile(file.get(), field.data(), static_cast<DWORD>(field.size()), &read, nullptr);
    return succeeded ? 1 : 0;
}

int ReadErrorMessageSetting() {
    const std::optional<std::u16string> path = versionpage::JoinPath(
        QueryFolder(DriverFolderKind::SystemDirectory), versionpage::kErrorSettingsFile);
    if (!path) return versionpage::kErrorSettingsDefault;
    return static_cast<int>(
        GetPrivateProfileIntW(win::ToWide(versionpage::kErrorSettingsSection).c_str(),
                              win::ToWide(versionpage::kErrorSettingsKey).c_str(),
                              versionpage::kErrorSettingsDefault, win::ToWide(*path).c_str()));
}

}  // namespace qzr::plugin
