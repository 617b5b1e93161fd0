// Replays every committed corpus input and minimised crasher through its harness: one test per
// harness, one failure per input that breaks an invariant (sanitizers abort the program).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "fuzz_target.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Inputs(const std::string& target) {
    std::vector<fs::path> inputs;
    for (const char* kind : {"corpus", "crashers"}) {
        const fs::path dir = fs::path(QZR_FUZZ_DIR) / kind / target;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void Replay(const std::string& name, qzr::fuzz::Entry entry) {
    const std::vector<fs::path> inputs = Inputs(name);
    EXPECT_FALSE(inputs.empty()) << "no corpus for " << name;
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
        try {
            entry(bytes.data(), bytes.size());
        } catch (const std::exception& broken) {
            ADD_FAILURE() << input.filename() << ": " << broken.what();
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (const auto& [name, entry] : qzr::fuzz::Targets()) {
        testing::RegisterTest("FuzzReplay", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                              [name = name, entry = entry]() -> testing::Test* {
                                  struct Case : testing::Test {
                                      std::string name;
                                      qzr::fuzz::Entry entry;
                                      void TestBody() override { Replay(name, entry); }
                                  };
                                  auto* test = new Case;
                                  test->name = name;
                                  test->entry = entry;
                                  return test;
                              });
    }
    return RUN_ALL_TESTS();
}
