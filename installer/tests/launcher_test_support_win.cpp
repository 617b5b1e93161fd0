#include "launcher_test_support_win.h"

#include <atomic>
#include <cstdlib>

namespace qzr::test {
namespace {

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
using UniqueFind = win::UniqueHandle<FindTraits>;

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    if (UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry)); find) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find.get(), &entry));
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::wstring PathFromEnvironment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    if (value == nullptr) return {};
    std::wstring path = value;
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> serial{0};
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    // The long form: a short 8.3 name would not match what the programs report.
    wchar_t longTemp[MAX_PATH];
    const DWORD longLength = GetLongPathNameW(temp, longTemp, MAX_PATH);
    std::wstring base = longLength > 0 && longLength < MAX_PATH ? std::wstring(longTemp, longLength)
                                                                : std::wstring(temp, length);
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    path_ = base + L"\\qzr-launcher-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++serial);
    RemoveTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> ReadUtf16Lines(const std::wstring& path) {
    const win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::wstring text(GetFileSize(file.get(), nullptr) / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (!ReadFile(file.get(), text.data(), bytes, &read, nullptr) || read != bytes) return {};
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

}  // namespace qzr::test
