#include "file_io_win.h"

#include "common/win/unique_handle.h"

namespace qzr::host {

namespace {

std::string ErrorText(const char* what) {
    return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

std::optional<std::vector<std::byte>> ReadWholeFile(const std::wstring& path, std::size_t maxBytes,
                                                    std::string& error) {
    const win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = ErrorText("cannot open it");
        return std::nullopt;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) {
        error = ErrorText("cannot learn its size");
        return std::nullopt;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        error = "it holds more than " + std::to_string(maxBytes) + " bytes";
        return std::nullopt;
    }
    std::vector<std::byte> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        error = ErrorText("cannot read it");
        return std::nullopt;
    }
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, std::span<const std::byte> bytes,
                    std::string& error) {
    const win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = ErrorText("cannot create it");
        return false;
    }
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &written, nullptr) ||
                           written != bytes.size())) {
        error = ErrorText("cannot write it");
        return false;
    }
    return true;
}

}  // namespace qzr::host
