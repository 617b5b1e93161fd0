// The launcher's operations on the real system.
#pragma once

#include "launcher_logic.h"

namespace qzr::launcher {

class WindowsLauncherSystem final : public LauncherSystem {
  public:
    WordSizeProbe ProbeWordSize() override;
    std::uint32_t ReadCurrentDirectory(std::span<char16_t, kPathUnits> buffer) override;
    bool StartProcess(const char16_t* applicationName, char16_t* commandLine) override;
    // Through the framework's message box, so it carries the program's title; returns when the
    // user has closed it.
    void ShowFailureMessage(std::u16string_view text) override;
};

}  // namespace qzr::launcher
