#include "fuzz_target.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace qzr::fuzz {

namespace {
std::vector<std::pair<std::string, Entry>>& MutableTargets() {
    static std::vector<std::pair<std::string, Entry>> targets;
    return targets;
}
}  // namespace

Registration::Registration(const char* name, Entry entry) {
    MutableTargets().emplace_back(name, entry);
}

const std::vector<std::pair<std::string, Entry>>& Targets() { return MutableTargets(); }

void Fail(const char* condition, const char* file, int line) {
    const std::string message =
        std::string(file) + ":" + std::to_string(line) + ": invariant broken: " + condition;
#ifdef QZR_LIBFUZZER
    std::fprintf(stderr, "%s\n", message.c_str());
    std::abort();
#else
    throw std::runtime_error(message);
#endif
}

}  // namespace qzr::fuzz
