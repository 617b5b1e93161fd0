#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "preview_bitmap_loader.h"
#include "preview_render.h"
#include "preview_test_support.h"
#include "reference_preview.h"

namespace qzr {
namespace {

using testing_support::BmpLayout;
using testing_support::MakeBmp;
using testing_support::PatternByte;

// Counts what the loader asks for, to show that a crop reads only the rows it keeps.
class CountingSource final : public ByteSource {
  public:
    explicit CountingSource(std::span<const std::uint8_t> bytes) : inner_(bytes) {}
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        const std::size_t count = inner_.ReadAt(offset, out);
        bytesRead += count;
        return count;
    }
    std::uint64_t Size() const override { return inner_.Size(); }
    std::uint64_t bytesRead = 0;

  private:
    MemoryByteSource inner_;
};

LoadError Load(const std::vector<std::uint8_t>& file, PreviewPicture& picture) {
    MemoryByteSource source(file);
    return LoadPreviewBitmap(source, picture);
}

BmpLayout Layout(std::int32_t width, std::int32_t height) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    return layout;
}

// One file per rule that a picture must pass; each is refused for its own reason.
TEST(PreviewLoader, RefusesEveryBrokenHeader) {
    auto with = [](auto change) {
        BmpLayout layout = Layout(8, 6);
        change(layout);
        return MakeBmp(layout);
    };
    std::vector<std::uint8_t> notBm = MakeBmp(Layout(8, 6));
    notBm[1] = 'A';
    struct Case {
        const char* rule;
        std::vector<std::uint8_t> file;
        LoadError error;
    } cases[] = {
        {"empty file", {}, LoadError::kNotBitmap},
        {"13 bytes", with([](BmpLayout& s) { s.keepBytes = 13; }), LoadError::kNotBitmap},
        {"no BM", notBm, LoadError::kNotBitmap},
        {"bfOffBits 53", with([](BmpLayout& s) { s.pixelOffset = 53; }),
         LoadError::kHeaderTooShort},
        {"bfOffBits 14", with([](BmpLayout& s) { s.pixelOffset = 14; }),
         LoadError::kHeaderTooShort},
        {"file ends inside the info header", with([](BmpLayout& s) { s.keepBytes = 40; }),
         LoadError::kHeaderTooShort},
        {"biSize 39", with([](BmpLayout& s) { s.infoSize = 39; }), LoadError::kInfoHeaderTooSmall},
        {"biSize 12 (core header)", with([](BmpLayout& s) { s.infoSize = 12; }),
         LoadError::kInfoHeaderTooSmall},
        {"8 bits", with([](BmpLayout& s) { s.bitCount = 8; }), LoadError::kNotTwentyFourBits},
        {"32 bits", with([](BmpLayout& s) { s.bitCount = 32; }), LoadError::kNotTwentyFourBits},
        {"BI_RLE8", with([](BmpLayout& s) { s.compression = 1; }), LoadError::kCompressed},
        {"BI_BITFIELDS", with([](BmpLayout& s) { s.compression = 3; }), LoadError::kCompressed},
        {"0 planes", with([](BmpLayout& s) { s.planes = 0; }), LoadError::kPlanesNotOne},
        {"2 planes", with([](BmpLayout& s) { s.planes = 2; }), LoadError::kPlanesNotOne},
        {"width 0", with([](BmpLayout& s) { s.width = 0; }), LoadError::kNotPositiveSize},
        {"height 0", with([](BmpLayout& s) { s.height = 0; }), LoadError::kNotPositiveSize},
        {"top-down", with([](BmpLayout& s) { s.height = -6; }), LoadError::kNotPositiveSize},
        {"negative width", with([](BmpLayout& s) { s.width = INT32_MIN; }),
         LoadError::kNotPositiveSize},
        {"32768 wide, 192 high", with([](BmpLayout& s) {
             s.width = 32768;
             s.height = 192;
             s.keepBytes = 200;
         }),
         LoadError::kTooWide},
        {"bfSize below bfOffBits + 2", with([](BmpLayout& s) { s.claimedSize = 55; }),
         LoadError::kSizeBelowOffset},
        {"bfSize 0", with([](BmpLayout& s) { s.claimedSize = 0; }), LoadError::kSizeBelowOffset},
        {"pixels cut short", with([](BmpLayout& s) { s.keepBytes = 54 + 24 * 6 - 1; }),
         LoadError::kPixelsTruncated},
        {"bfOffBits beyond the file", with([](BmpLayout& s) {
             s.pixelOffset = 100000;
             s.claimedSize = 200000;
             s.keepBytes = 1000;
         }),
         LoadError::kPixelsTruncated},
        {"huge sizes claimed by a small file", with([](BmpLayout& s) {
             s.width = INT32_MAX;
             s.height = INT32_MAX;
             s.keepBytes = 600;
         }),
         LoadError::kPixelsTruncated},
        {"huge height, narrow", with([](BmpLayout& s) {
             s.width = 100;
             s.height = INT32_MAX;
             s.keepBytes = 600;
         }),
         LoadError::kPixelsTruncated},
    };
    for (const Case& c : cases) {
        PreviewPicture picture;
        const LoadError error = Load(c.file, picture);
        EXPECT_EQ(error, c.error) << c.rule << ": " << DescribeLoadError(error);
        EXPECT_EQ(picture.pixels, nullptr) << c.rule;
        EXPECT_STRNE(DescribeLoadError(c.error), "unknown error");
    }
}

// Pictures larger than 192 in both directions become their central square; for an odd side the
// extra row and column fall on the top and the right. Others are used whole.
TEST(PreviewLoader, CropGeometry) {
    struct Case {
        std::int32_t width, height;
        bool cropped;
        std::int32_t firstColumn, firstRow;
    } cases[] = {
        {192, 192, false, 0, 0},  {193, 193, true, 0, 0},   {1000, 800, true, 404, 304},
        {1000, 150, false, 0, 0}, {150, 1000, false, 0, 0}, {100, 100, false, 0, 0},
        {194, 195, true, 1, 1},   {193, 192, false, 0, 0},  {33001, 193, true, 16404, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        const auto file = MakeBmp(Layout(c.width, c.height));
        PreviewPicture picture;
        ASSERT_EQ(Load(file, picture), LoadError::kNone);
        const std::int32_t width = c.cropped ? 192 : c.width;
        const std::int32_t height = c.cropped ? 192 : c.height;
        ASSERT_EQ(picture.width, width);
        ASSERT_EQ(picture.height, height);
        ASSERT_EQ(picture.stride, (std::size_t(width) * 3 + 3) / 4 * 4);
        // Every pixel but those in the last two bytes of the file, which the read leaves out.
        const std::size_t unread = picture.stride * height - (c.cropped ? 0 : 2);
        for (std::int32_t y = 0; y < height; ++y)
            for (std::int32_t x = 0; x < width; ++x)
                for (int ch = 0; ch < 3; ++ch) {
                    const std::size_t at = y * picture.stride + 3 * x + ch;
                    const int expected =
                        at >= unread ? 0 : PatternByte(c.firstColumn + x, c.firstRow + y, ch);
                    ASSERT_EQ(picture.pixels[at], expected) << "x " << x << " y " << y;
                }

        MemoryByteSource source(file);
        const auto expected = reference::LoadPreviewBitmap(source);
        ASSERT_TRUE(expected.has_value());
        EXPECT_TRUE(
            std::equal(expected->pixels.begin(), expected->pixels.end(), picture.pixels.get()));
    }
}

// The pixel read is bfSize - bfOffBits - 2 bytes: with bfSize exact, the top row's last pixel
// loses its green and red; a smaller claim leaves more zeros; a larger one reads what is there.
TEST(PreviewLoader, PixelReadFollowsTheClaimedFileSize) {
    struct Case {
        std::int32_t width, height;
        std::int64_t claimDelta;  // bfSize minus the real size
    } cases[] = {{4, 3, 0},
                 {4, 3, -7},
                 {5, 3, 0},
                 {4, 3, 100},
                 {300, 250, -100000},
                 {300, 250, 0},
                 {300, 250, -(3 * 300 * 160)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << " x " << c.height << " bfSize " << c.claimDelta);
        BmpLayout layout = Layout(c.width, c.height);
        const std::int64_t real = static_cast<std::int64_t>(MakeBmp(layout).size());
        layout.claimedSize = real + c.claimDelta;
        const auto file = MakeBmp(layout);
        PreviewPicture picture;
        ASSERT_EQ(Load(file, picture), LoadError::kNone);
        MemoryByteSource source(file);
        const auto expected = reference::LoadPreviewBitmap(source);
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(expected->pixels.size(), picture.stride * std::size_t(picture.height));
        EXPECT_TRUE(
            std::equal(expected->pixels.begin(), expected->pixels.end(), picture.pixels.get()));
    }

    PreviewPicture picture;
    ASSERT_EQ(Load(MakeBmp(Layout(4, 3)), picture), LoadError::kNone);
    EXPECT_EQ(picture.pixels[2 * 12 + 9], PatternByte(3, 2, 0));
    EXPECT_EQ(picture.pixels[2 * 12 + 10], 0);
    EXPECT_EQ(picture.pixels[2 * 12 + 11], 0);
}

// Damaged files of every sort: each is refused or gives a consistent picture that a paint can
// filter, never a crash or a read out of bounds (the sanitizer build runs this too).
TEST(PreviewLoader, SurvivesRandomlyDamagedFiles) {
    std::mt19937 random(123);
    const auto original = MakeBmp(Layout(37, 29));
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        auto file = original;
        const int damage = 1 + int(random() % 6);
        for (int i = 0; i < damage; ++i) {
            const std::size_t at = random() % 60;  // the headers and the first pixels
            file[at] = static_cast<std::uint8_t>(random() % 4 == 0 ? 0xFF : random());
        }
        if (random() % 5 == 0) file.resize(random() % file.size());
        PreviewPicture picture;
        if (Load(file, picture) != LoadError::kNone) continue;
        ++accepted;
        ASSERT_GT(picture.width, 0);
        ASSERT_GT(picture.height, 0);
        ASSERT_EQ(picture.stride, (std::size_t(picture.width) * 3 + 3) / 4 * 4);
        ASSERT_LE(picture.stride * std::size_t(picture.height), file.size());
        ColorSettings settings{};
        settings.unsharpEnabled = 1;
        settings.unsharpRadius = static_cast<std::int16_t>(1 + random() % 30);
        settings.sharpness = 4;
        RenderPreview(settings, picture.pixels.get(), picture.width, picture.height);
    }
    EXPECT_GT(accepted, 100);  // the damage must leave some files loadable, or nothing was shown
}

TEST(PreviewLoader, LargerHeadersAreAccepted) {
    BmpLayout layout = Layout(3, 2);
    layout.infoSize = 124;  // a version 5 header before the pixels
    layout.pixelOffset = 14 + 124;
    PreviewPicture picture;
    ASSERT_EQ(Load(MakeBmp(layout), picture), LoadError::kNone);
    EXPECT_EQ(picture.pixels[0], PatternByte(0, 0, 0));
    EXPECT_EQ(picture.pixels[12 + 5], PatternByte(1, 1, 2));
}

TEST(PreviewLoader, ACropReadsOnlyTheRowsItKeeps) {
    const auto file = MakeBmp(Layout(2000, 1500));
    CountingSource source(file);
    PreviewPicture picture;
    ASSERT_EQ(LoadPreviewBitmap(source, picture), LoadError::kNone);
    EXPECT_EQ(source.bytesRead, 14 + 40 + kCropBytes);
}

TEST(PreviewLoader, ReadsFilesThroughTheFileSource) {
    const auto file = MakeBmp(Layout(250, 260));
    const std::string path = ::testing::TempDir() + "preview_loader_test.bmp";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    }
    {
        FileByteSource fromFile(path);  // closed at the end of this block, before the removal
        ASSERT_TRUE(fromFile.IsOpen());
        EXPECT_EQ(fromFile.Size(), file.size());
        PreviewPicture a, b;
        ASSERT_EQ(LoadPreviewBitmap(fromFile, a), LoadError::kNone);
        ASSERT_EQ(Load(file, b), LoadError::kNone);
        EXPECT_TRUE(std::equal(a.pixels.get(), a.pixels.get() + kCropBytes, b.pixels.get()));
    }
    ASSERT_EQ(std::remove(path.c_str()), 0);

    FileByteSource missing(path);
    EXPECT_FALSE(missing.IsOpen());
    PreviewPicture none;
    EXPECT_EQ(LoadPreviewBitmap(missing, none), LoadError::kNotBitmap);
}

}  // namespace
}  // namespace qzr
