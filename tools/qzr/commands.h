// The subcommands of qzr. Each takes the arguments after its name, writes what it reports to out
// and its errors to err, and returns the process exit code: 0 done, 1 an output could not be
// written, 2 bad usage or an input that cannot be used.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace qzr::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitBadInput = 2;

int RunPreview(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunCol(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace qzr::tool
