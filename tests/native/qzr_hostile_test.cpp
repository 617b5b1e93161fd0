// qzr preview on every hostile picture: each is refused with one line and exit status 2, leaving
// no output behind, or shown exactly as the step-by-step pipeline shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "byte_source.h"
#include "commands.h"
#include "hostile_pictures.h"
#include "reference_preview.h"

namespace qzr::tool {
namespace {

using testing_support::HostileOutcome;
using testing_support::HostilePictures;

namespace fs = std::filesystem;

void WriteAll(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The raw picture that the step-by-step pipeline makes of a file, as a BMP file's pixel rows.
std::vector<std::uint8_t> ReferencePreview(const std::vector<std::uint8_t>& file) {
    MemoryByteSource source(file);
    auto picture = reference::LoadPreviewBitmap(source);
    if (!picture) return {};
    reference::RenderPreview(DefaultColorSettings(0), picture->pixels.data(), picture->width,
                             picture->height);
    return picture->pixels;
}

// The rows of a BMP file that qzr wrote: everything from the 54-byte headers on.
std::vector<std::uint8_t> WrittenPixels(const fs::path& output) {
    std::ifstream in(output, std::ios::binary);
    std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    if (file.size() < 54) return {};
    return {file.begin() + 54, file.end()};
}

TEST(QzrHostilePictures, EachIsRefusedOrShownAsThePipelineShowsIt) {
    const fs::path folder = fs::path(::testing::TempDir()) / "qzr_hostile";
    fs::create_directories(folder);
    const fs::path output = folder / "preview.bmp";
    std::map<std::string, std::pair<int, int>> tally;  // class: refused, shown

    for (const auto& picture : HostilePictures()) {
        SCOPED_TRACE(picture.name);
        const fs::path input = folder / (picture.name + ".bmp");
        WriteAll(input, picture.bytes);
        fs::remove(output);
        std::ostringstream out, err;
        const std::vector<std::string> args = {"--image", input.string(), "--raw", "-o",
                                               output.string()};
        const int status = RunPreview(args, out, err);
        const std::string message = err.str();
        if (picture.outcome == HostileOutcome::Refused) {
            EXPECT_EQ(status, kExitBadInput);
            EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
            EXPECT_NE(message.find(input.string()), std::string::npos) << message;
            EXPECT_FALSE(fs::exists(output));
            ++tally[picture.kind].first;
        } else {
            ASSERT_EQ(status, kExitOk) << message;
            EXPECT_EQ(WrittenPixels(output), ReferencePreview(picture.bytes));
            ++tally[picture.kind].second;
        }
        fs::remove(input);
    }

    const fs::path directory = folder / "a-folder.bmp";
    fs::create_directory(directory);
    std::ostringstream out, err;
    const std::vector<std::string> args = {"--image", directory.string(), "-o", output.string()};
    EXPECT_EQ(RunPreview(args, out, err), kExitBadInput);
    EXPECT_NE(err.str().find("is a directory"), std::string::npos) << err.str();
    ++tally["a directory"].first;
    fs::remove_all(folder);

    for (const auto& [kind, counts] : tally)
        std::cout << "  " << kind << ": " << counts.first << " refused, " << counts.second
                  << " shown\n";
}

}  // namespace
}  // namespace qzr::tool
