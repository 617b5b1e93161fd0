// The subcommands of qzrhost. Each returns the process exit code.
#pragma once

#include <string>

namespace qzr::host {

int RunInfo(const std::wstring& dllPath);

}  // namespace qzr::host
