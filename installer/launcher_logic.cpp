#include "launcher_logic.h"

#include <algorithm>

namespace qzr::launcher {
namespace {

constexpr std::u16string_view kInstaller64 = u"\\W2k_XP\\dpinst64.exe";
constexpr std::u16string_view kInstaller32 = u"\\W2k_XP\\dpinst32.exe";
constexpr std::u16string_view kSwitches = u" /F /D";

// Appends pieces to a fixed buffer and always leaves it terminated.
class FixedText {
  public:
    explicit FixedText(std::span<char16_t, kPathUnits> buffer) : buffer_(buffer) {}

    bool Append(std::u16string_view text) {
        if (text.size() >= buffer_.size() - length_) return false;
        std::copy(text.begin(), text.end(), buffer_.begin() + length_);
        length_ += text.size();
        buffer_[length_] = u'\0';
        return true;
    }

  private:
    std::span<char16_t, kPathUnits> buffer_;
    std::size_t length_ = 0;
};

}  // namespace

bool Is64BitWindows(const WordSizeProbe& probe) {
    switch (probe.outcome) {
        case WordSizeProbe::Outcome::NoKernel32:
        case WordSizeProbe::Outcome::NoExport:
            return false;
        case WordSizeProbe::Outcome::Succeeded:
            return true;
        case WordSizeProbe::Outcome::Failed:
            // Only 32-bit Windows answers that it has no WOW64 directory to give.
            return probe.lastError != kErrorCallNotImplemented;
    }
    return false;
}

std::optional<InstallerCommand> FormatInstallerCommand(std::u16string_view currentDirectory,
                                                       bool is64BitWindows) {
    // A directory that ends in a backslash (a drive's root) keeps it: "D:\\W2k_XP" is a valid path.
    const std::u16string_view installer = is64BitWindows ? kInstaller64 : kInstaller32;
    InstallerCommand command{};
    FixedText applicationName(command.applicationName);
    FixedText commandLine(command.commandLine);
    const bool fits = applicationName.Append(currentDirectory) &&
                      applicationName.Append(installer) && commandLine.Append(u"\"") &&
                      commandLine.Append(currentDirectory) && commandLine.Append(installer) &&
                      commandLine.Append(u"\"") && commandLine.Append(kSwitches);
    if (!fits) return std::nullopt;
    return command;
}

bool StartDriverInstaller(LauncherSystem& system) {
    std::array<char16_t, kPathUnits> directory{};
    const std::uint32_t length = system.ReadCurrentDirectory(directory);
    if (length == 0 || length >= directory.size()) return false;

    auto command = FormatInstallerCommand(std::u16string_view(directory.data(), length),
                                          Is64BitWindows(system.ProbeWordSize()));
    if (!command) return false;
    return system.StartProcess(command->applicationName.data(), command->commandLine.data());
}

void StartDriverInstallerOrReport(LauncherSystem& system) {
    if (!StartDriverInstaller(system)) system.ShowFailureMessage(kFailureMessage);
}

}  // namespace qzr::launcher
