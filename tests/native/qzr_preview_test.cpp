// qzr preview, run in-process as the program runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands.h"
#include "preview_test_support.h"
#include "reference_preview.h"
#include "sample_picture.h"
#include "settings_fields.h"

namespace qzr::tool {
namespace {

using testing_support::BmpLayout;
using testing_support::MakeBmp;

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "qzr_" + name;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Preview(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunPreview(args, out, err);
    return {status, out.str(), err.str()};
}

std::uint64_t Fnv1a(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::uint8_t b : bytes) hash = (hash ^ b) * 0x100000001b3u;
    return hash;
}

// The sample picture through the reference pipeline, as a BMP file's pixel rows.
std::vector<std::uint8_t> ReferenceRender(const ColorSettings& settings) {
    MemoryByteSource sample(SamplePictureBmp());
    auto picture = reference::LoadPreviewBitmap(sample);
    EXPECT_TRUE(picture.has_value());
    reference::RenderPreview(settings, picture->pixels.data(), picture->width, picture->height);
    return picture->pixels;
}

// Golden files of the sample picture, pinned by digest, and each equal to the reference.
TEST(QzrPreview, RawOutputOfTheSamplePicture) {
    struct Case {
        std::vector<std::string> sets;
        std::uint64_t digest;
    } cases[] = {
        {{}, 4958669886729487456u},
        {{"colorMode=1", "sharpness=4", "unsharpEnabled=1", "unsharpRadius=23", "unsharpAmount=12"},
         6510288714303629193u},
        {{"brightness=-3", "contrast=7", "saturation=10", "cyanBalance=4", "magentaBalance=-6",
          "yellowBalance=2", "sharpness=-4", "unsharpEnabled=1", "unsharpRadius=30",
          "unsharpThreshold=0"},
         179630154222909712u},
    };
    const std::string output = TempPath("raw.bmp");
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--raw", "-o", output};
        ColorSettings settings = DefaultColorSettings(0);
        for (const std::string& set : c.sets) {
            args.insert(args.end(), {"--set", set});
            const std::size_t equals = set.find('=');
            WriteField(settings, *FindSettingsField(set.substr(0, equals)),
                       std::stoi(set.substr(equals + 1)));
        }
        const Outcome run = Preview(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto file = ReadAll(output);
        ASSERT_EQ(file.size(), 54u + 192 * 576);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[10], 54);
        EXPECT_TRUE(std::equal(file.begin() + 54, file.end(), ReferenceRender(settings).begin()));
        EXPECT_EQ(Fnv1a(file), c.digest) << ::testing::PrintToString(c.sets);
    }
    std::filesystem::remove(output);
}

// The page shows the picture stretched into 192 x 192 inside a one-pixel black frame.
TEST(QzrPreview, FramedPreviewStretchesByNearestNeighbour) {
    BmpLayout layout;
    layout.width = 100;
    layout.height = 60;
    const std::string image = TempPath("small.bmp");
    WriteAll(image, MakeBmp(layout));
    const std::string raw = TempPath("small_raw.bmp"), framed = TempPath("small_framed.bmp");
    ASSERT_EQ(Preview({"--image", image, "--raw", "--set", "sharpness=-4", "-o", raw}).status, 0);
    ASSERT_EQ(Preview({"--image", image, "--set", "sharpness=-4", "-o", framed}).status, 0);
    const auto rawFile = ReadAll(raw), framedFile = ReadAll(framed);
    ASSERT_EQ(rawFile.size(), 54u + 60 * 300);
    ASSERT_EQ(framedFile.size(), 54u + 194 * 584);
    EXPECT_EQ(framedFile[18], 194);
    auto rawAt = [&](int x, int top, int c) { return rawFile[54 + (59 - top) * 300 + 3 * x + c]; };
    auto framedAt = [&](int x, int top, int c) {
        return framedFile[54 + (193 - top) * 584 + 3 * x + c];
    };
    for (int i = 0; i < 194; ++i)
        for (int c = 0; c < 3; ++c) {
            ASSERT_EQ(framedAt(i, 0, c), 0);
            ASSERT_EQ(framedAt(i, 193, c), 0);
            ASSERT_EQ(framedAt(0, i, c), 0);
            ASSERT_EQ(framedAt(193, i, c), 0);
        }
    for (int top = 0; top < 192; ++top)
        for (int x = 0; x < 192; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(framedAt(1 + x, 1 + top, c), rawAt(x * 100 / 192, top * 60 / 192, c))
                    << "x " << x << " top " << top;

    const std::string png = TempPath("small.PNG");
    ASSERT_EQ(Preview({"--image", image, "-o", png}).status, 0);
    const auto pngFile = ReadAll(png);
    ASSERT_GT(pngFile.size(), 24u);
    EXPECT_EQ(std::string(pngFile.begin() + 1, pngFile.begin() + 4), "PNG");
    EXPECT_EQ(pngFile[19], 194);  // IHDR width, big-endian
    for (const auto& path : {image, raw, framed, png}) std::filesystem::remove(path);
}

std::vector<std::uint8_t> ColFile(std::uint16_t size, std::uint16_t tag, const ColorSettings& s) {
    std::vector<std::uint8_t> file(48);
    file[0] = size & 0xFF;
    file[1] = size >> 8;
    file[2] = tag & 0xFF;
    file[3] = tag >> 8;
    std::memcpy(file.data() + 4, &s, sizeof s);
    return file;
}

std::vector<std::uint8_t> Shortened(std::vector<std::uint8_t> file, std::size_t size) {
    file.resize(size);
    return file;
}

// A ".COL" file's values reach the preview as the page's controls would hold them.
TEST(QzrPreview, ColFilesAreTakenAsThePageControlsTakeThem) {
    ColorSettings s = DefaultColorSettings(0);
    s.brightness = 25;     // slider: 10
    s.sharpness = -9;      // slider: -4
    s.unsharpEnabled = 2;  // check box: off
    s.unsharpRadius = 0;   // slider: 1
    s.colorMode = 7;       // buttons: left as they were (colour)
    const std::string col = TempPath("settings.COL");
    WriteAll(col, ColFile(48, 100, s));
    const std::string fromCol = TempPath("from_col.bmp"), fromSets = TempPath("from_sets.bmp");
    ASSERT_EQ(Preview({"--col", col, "--raw", "-o", fromCol}).status, 0);
    ASSERT_EQ(Preview({"--raw", "--set", "brightness=10", "--set", "sharpness=-4", "--set",
                       "unsharpRadius=1", "-o", fromSets})
                  .status,
              0);
    EXPECT_EQ(ReadAll(fromCol), ReadAll(fromSets));

    s.unsharpEnabled = 1;
    s.colorMode = 1;
    WriteAll(col, ColFile(48, 100, s));
    ASSERT_EQ(Preview({"--col", col, "--set", "unsharpAmount=12", "--raw", "-o", fromCol}).status,
              0);
    ASSERT_EQ(Preview({"--raw", "--set", "brightness=10", "--set", "sharpness=-4", "--set",
                       "unsharpRadius=1", "--set", "unsharpEnabled=1", "--set", "colorMode=1",
                       "--set", "unsharpAmount=12", "-o", fromSets})
                  .status,
              0);
    EXPECT_EQ(ReadAll(fromCol), ReadAll(fromSets));
    for (const auto& path : {col, fromCol, fromSets}) std::filesystem::remove(path);
}

// Every unusable input: exit status 2, one line naming the file and the reason, nothing written.
TEST(QzrPreview, UnusableInputsAreReportedAndNothingIsWritten) {
    const std::string output = TempPath("never.bmp");
    std::filesystem::remove(output);
    BmpLayout eightBits;
    eightBits.bitCount = 8;
    BmpLayout topDown;
    topDown.height = -4;
    std::vector<std::uint8_t> notBmp = {'P', 'K', 3, 4};
    struct Case {
        const char* option;
        std::vector<std::uint8_t> file;
        const char* reason;
    } cases[] = {
        {"--image", notBmp, "not a bitmap"},
        {"--image", MakeBmp(eightBits), "24-bit"},
        {"--image", MakeBmp(topDown), "top-down"},
        {"--col", ColFile(48, 101, {}), "not a color correction data file"},
        {"--col", ColFile(100, 48, {}), "not a color correction data file"},
        {"--col", Shortened(ColFile(48, 100, {}), 40), "shorter than 48 bytes"},
    };
    const std::string input = TempPath("input.bin");
    for (const Case& c : cases) {
        WriteAll(input, c.file);
        const Outcome run = Preview({c.option, input, "-o", output});
        EXPECT_EQ(run.status, 2) << c.reason;
        EXPECT_NE(run.err.find(input), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(output)) << c.reason;
    }
    const std::string folder = TempPath("folder");
    std::filesystem::create_directory(folder);
    const Outcome toFolder = Preview({"-o", folder});
    EXPECT_EQ(toFolder.status, 2);
    EXPECT_NE(toFolder.err.find("is a directory"), std::string::npos) << toFolder.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::filesystem::remove(folder);

    const Outcome missing = Preview({"--image", TempPath("no_such.bmp"), "-o", output});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output));
    std::filesystem::remove(input);
}

TEST(QzrPreview, BadOptionsAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--set", "brightness=11", "-o", "x.bmp"}, "brightness must be a whole number in -10..10"},
        {{"--set", "unsharpRadius=0", "-o", "x.bmp"},
         "unsharpRadius must be a whole number in 1..30"},
        {{"--set", "sharpness=two", "-o", "x.bmp"}, "sharpness must be a whole number in -4..4"},
        {{"--set", "glow=1", "-o", "x.bmp"}, "unknown field 'glow'"},
        {{"--set", "brightness", "-o", "x.bmp"}, "FIELD=VALUE"},
        {{"--raw"}, "no output file"},
        {{"--image"}, "--image needs a file"},
        {{"--bogus", "-o", "x.bmp"}, "unexpected argument '--bogus'"},
    };
    for (const Case& c : cases) {
        const Outcome run = Preview(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    const Outcome help = Preview({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--image", "--col", "--set", "--raw", "-o", "--help"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace qzr::tool
