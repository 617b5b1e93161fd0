// One entry point per reader of outside bytes. Built with clang and libFuzzer (QZR_LIBFUZZER),
// each harness is a fuzzer of its own; built with g++, all harnesses register with one replay
// program that every test run feeds the committed corpora and crashers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qzr::fuzz {

using Entry = void (*)(const std::uint8_t* data, std::size_t size);

struct Registration {
    Registration(const char* name, Entry entry);
};

const std::vector<std::pair<std::string, Entry>>& Targets();

// An invariant does not hold: libFuzzer records the input as a crash; the replay program
// reports the input as a failed case.
[[noreturn]] void Fail(const char* condition, const char* file, int line);

}  // namespace qzr::fuzz

#define QZR_FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : ::qzr::fuzz::Fail(#condition, __FILE__, __LINE__))

#ifdef QZR_LIBFUZZER
#define QZR_FUZZ_TARGET(name)                                                         \
    static void FuzzTarget_##name(const std::uint8_t* data, std::size_t size);        \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        FuzzTarget_##name(data, size);                                                \
        return 0;                                                                     \
    }                                                                                 \
    static void FuzzTarget_##name(const std::uint8_t* data, std::size_t size)
#else
#define QZR_FUZZ_TARGET(name)                                                   \
    static void FuzzTarget_##name(const std::uint8_t* data, std::size_t size);  \
    static const ::qzr::fuzz::Registration fuzzRegistration_##name(#name,       \
                                                                   FuzzTarget_##name); \
    static void FuzzTarget_##name(const std::uint8_t* data, std::size_t size)
#endif
