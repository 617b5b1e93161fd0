#include "launcher_system_win.h"

#include <string>

#include "common/win/unique_handle.h"
#include "framework/win_app_win.h"

namespace qzr::launcher {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units on both sides");
// The launcher is a 32-bit program: the structure it hands CreateProcessW is the 32-bit one.
static_assert(sizeof(STARTUPINFOW) == 68);
static_assert(sizeof(PROCESS_INFORMATION) == 16);

const wchar_t* Wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
wchar_t* Wide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}

}  // namespace

WordSizeProbe WindowsLauncherSystem::ProbeWordSize() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return {WordSizeProbe::Outcome::NoKernel32, 0};
    // Looked up by name: Windows before XP has no such export, and the launcher must still run.
    using Wow64DirectoryFn = UINT(WINAPI*)(LPWSTR, UINT);
    const auto wow64Directory = reinterpret_cast<Wow64DirectoryFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetSystemWow64DirectoryW")));
    if (wow64Directory == nullptr) return {WordSizeProbe::Outcome::NoExport, 0};
    wchar_t directory[kPathUnits];
    if (wow64Directory(directory, kPathUnits) != 0) return {WordSizeProbe::Outcome::Succeeded, 0};
    return {WordSizeProbe::Outcome::Failed, GetLastError()};
}

std::uint32_t WindowsLauncherSystem::ReadCurrentDirectory(std::span<char16_t, kPathUnits> buffer) {
    return GetCurrentDirectoryW(kPathUnits, Wide(buffer.data()));
}

bool WindowsLauncherSystem::StartProcess(const char16_t* applicationName, char16_t* commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL created = CreateProcessW(Wide(applicationName), Wide(commandLine), nullptr, nullptr,
                                        FALSE, 0, nullptr, nullptr, &startup, &process);
    // The installer runs on its own: the launcher neither waits for it nor reads its handles.
    const win::UniqueKernelHandle processHandle(process.hProcess);
    const win::UniqueKernelHandle threadHandle(process.hThread);
    return created != FALSE;
}

void WindowsLauncherSystem::ShowFailureMessage(std::u16string_view text) {
    const std::wstring message(text.begin(), text.end());
    AfxMessageBox(message.c_str(), MB_OK);
}

}  // namespace qzr::launcher
