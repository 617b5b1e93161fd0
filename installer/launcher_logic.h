// What the launcher decides, apart from the system calls it makes: which installer to start, the
// command that starts it, and when to tell the user that it could not be started.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qzr::launcher {

// The buffers of the current directory and of the command line, in UTF-16 units with the NUL.
inline constexpr std::size_t kPathUnits = 260;

inline constexpr std::uint32_t kErrorCallNotImplemented = 120;

inline constexpr std::u16string_view kFailureMessage =
    u"Can not proceed.\nPlease proceed by administrator.";

// What became of asking kernel32.dll for GetSystemWow64DirectoryW and calling it.
struct WordSizeProbe {
    enum class Outcome { NoKernel32, NoExport, Succeeded, Failed };
    Outcome outcome;
    std::uint32_t lastError;  // read right after a Failed call
};

// The operations the launcher needs of the system, so that tests can stand in for it. (Named
// apart from the Windows functions, whose names windows.h turns into macros.)
class LauncherSystem {
  public:
    virtual ~LauncherSystem() = default;
    virtual WordSizeProbe ProbeWordSize() = 0;
    // As GetCurrentDirectoryW: the length without the NUL when it fits, the size it needs when it
    // does not, 0 on failure.
    virtual std::uint32_t ReadCurrentDirectory(std::span<char16_t, kPathUnits> buffer) = 0;
    // As CreateProcessW with an application name; true when the process was created.
    virtual bool StartProcess(const char16_t* applicationName, char16_t* commandLine) = 0;
    virtual void ShowFailureMessage(std::u16string_view text) = 0;
};

// The installer's full path, which alone decides the program the system starts, and the command
// line that names it quoted, so that a directory with spaces cannot be read as another program.
struct InstallerCommand {
    std::array<char16_t, kPathUnits> applicationName;
    std::array<char16_t, kPathUnits> commandLine;  // writable: CreateProcessW may change it
};

bool Is64BitWindows(const WordSizeProbe& probe);

// Nothing when the command line would not fit its 260 units.
std::optional<InstallerCommand> FormatInstallerCommand(std::u16string_view currentDirectory,
                                                       bool is64BitWindows);

// True when the installer process was created.
bool StartDriverInstaller(LauncherSystem& system);

// The launcher's whole task: start the installer, and report a start that failed.
void StartDriverInstallerOrReport(LauncherSystem& system);

}  // namespace qzr::launcher
