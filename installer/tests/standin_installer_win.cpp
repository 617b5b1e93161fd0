// A stand-in for the driver package installer, copied as "dpinst32.exe" and "dpinst64.exe" by the
// launcher's tests. It records how it was started in "<its own path>.txt" (UTF-16 lines: command
// line, working directory, own path, process id), then, when QZR_STANDIN_EVENTS names a pair of
// events, signals "<name>-recorded" and stays until "<name>-release" (at most a minute), so that a
// test sees whether the launcher waited for it.
#include <string>

#include "common/win/unique_handle.h"

namespace {

using qzr::win::UniqueFile;
using qzr::win::UniqueKernelHandle;

constexpr DWORD kLongestHold = 60'000;

std::wstring ProgramPath() {
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, 32768);
    return std::wstring(path, length < 32768 ? length : 0);
}

std::wstring CurrentDirectory() {
    wchar_t path[32768];
    const DWORD length = GetCurrentDirectoryW(32768, path);
    return std::wstring(path, length < 32768 ? length : 0);
}

bool WriteRecord(const std::wstring& path, const std::wstring& text) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    DWORD written = 0;
    return WriteFile(file.get(), text.data(), bytes, &written, nullptr) && written == bytes;
}

std::wstring EnvironmentValue(const wchar_t* name) {
    wchar_t value[256];
    const DWORD length = GetEnvironmentVariableW(name, value, 256);
    return length > 0 && length < 256 ? std::wstring(value, length) : std::wstring();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring self = ProgramPath();
    const std::wstring record = std::wstring(GetCommandLineW()) + L"\n" + CurrentDirectory() +
                                L"\n" + self + L"\n" + std::to_wstring(GetCurrentProcessId()) +
                                L"\n";
    if (!WriteRecord(self + L".txt", record)) return 1;

    const std::wstring events = EnvironmentValue(L"QZR_STANDIN_EVENTS");
    if (events.empty()) return 0;
    const UniqueKernelHandle recorded(
        OpenEventW(EVENT_MODIFY_STATE, FALSE, (events + L"-recorded").c_str()));
    const UniqueKernelHandle release(
        OpenEventW(SYNCHRONIZE, FALSE, (events + L"-release").c_str()));
    if (!recorded || !release) return 2;
    SetEvent(recorded.get());
    return WaitForSingleObject(release.get(), kLongestHold) == WAIT_OBJECT_0 ? 0 : 3;
}
