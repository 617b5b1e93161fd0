// qzr col, run in-process as the program runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "color_config_record.h"
#include "commands.h"

namespace qzr::tool {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "qzr_col_" + name;
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Col(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCol(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(QzrCol, MakeWritesThePagesDefaultsWithTheSettingsGiven) {
    const std::string path = TempPath("made.COL");
    const Outcome made =
        Col({"make", "--set", "brightness=-3", "--set", "colorMode=1", "-o", path});
    ASSERT_EQ(made.status, kExitOk) << made.err;
    const Bytes file = ReadAll(path);
    ASSERT_EQ(file.size(), 48u);
    const auto reading = colorpage::ReadColorConfigRecord(file);
    ASSERT_EQ(reading.error, colorpage::ColorConfigError::None);
    ColorSettings expected = DefaultColorSettings(0);
    expected.brightness = -3;
    expected.colorMode = 1;
    EXPECT_EQ(std::memcmp(&reading.record.settings, &expected, sizeof expected), 0);

    const Outcome shown = Col({"show", path});
    ASSERT_EQ(shown.status, kExitOk) << shown.err;
    EXPECT_EQ(shown.out.substr(0, 45), "recordSize 48\nrecordTag 100\nbrightness -3\ncon");
    EXPECT_NE(shown.out.find("\nunsharpRadius 10\n"), std::string::npos);
    EXPECT_NE(shown.out.find("\ncolorMode 1\n"), std::string::npos);
    std::remove(path.c_str());
}

TEST(QzrCol, ShowRefusesWhatThePageRefuses) {
    ColorSettings settings{};
    const auto record =
        colorpage::ColorConfigRecordBytes(colorpage::MakeColorConfigRecord(settings));
    Bytes shortFile(record.begin(), record.end() - 1);
    Bytes wrongTag(record.begin(), record.end());
    wrongTag[2] = 101;
    Bytes longer(record.begin(), record.end());
    longer.resize(64, 0xEE);
    struct Case {
        const char* name;
        Bytes bytes;
        int status;
        const char* said;
    } cases[] = {
        {"short.COL", shortFile, kExitBadInput, "(47 bytes, shorter than 48)"},
        {"tag.COL", wrongTag, kExitBadInput, "(header 48, 101 instead of 48, 100)"},
        {"longer.COL", longer, kExitOk, "recordTag 100\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = TempPath(c.name);
        WriteAll(path, c.bytes);
        const Outcome shown = Col({"show", path});
        EXPECT_EQ(shown.status, c.status);
        EXPECT_NE((shown.out + shown.err).find(c.said), std::string::npos) << shown.err;
        std::remove(path.c_str());
    }
    EXPECT_EQ(Col({"show", TempPath("missing.COL")}).status, kExitBadInput);
}

TEST(QzrCol, BadUsageWritesNothing) {
    const std::string path = TempPath("never.COL");
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"edit", path},
        {"show"},
        {"make"},
        {"make", "--set", "sharpness=5", "-o", path},
        {"make", "--set", "alignment=0", "-o", path},
        {"make", "--set", "brightness=two", "-o", path},
        {"make", "-o", path, "-o", path},
        {"make", "--set"},
    };
    for (const auto& usage : usages) {
        const Outcome outcome = Col(usage);
        EXPECT_EQ(outcome.status, kExitBadInput);
        EXPECT_FALSE(outcome.err.empty());
    }
    EXPECT_TRUE(ReadAll(path).empty());
    const Outcome help = Col({"make", "--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("usage: qzr col show FILE.COL"), std::string::npos);
}

TEST(QzrCol, AnOutputThatCannotBeWrittenIsReported) {
    const Outcome made = Col({"make", "-o", ::testing::TempDir() + "no-such-folder/x.COL"});
    EXPECT_EQ(made.status, kExitWriteFailed);
    EXPECT_NE(made.err.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace qzr::tool
