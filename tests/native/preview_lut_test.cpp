#include "preview_lut.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace qzr {
namespace {

PreviewLut LutFor(ColorSettings settings) {
    PreviewLut lut{};
    BuildPreviewLut(settings, lut);
    return lut;
}

struct Pixel {
    int b, g, r;
    bool operator==(const Pixel&) const = default;
};

Pixel Transform(const PreviewLut& lut, Pixel in) {
    std::uint8_t row[3] = {std::uint8_t(in.b), std::uint8_t(in.g), std::uint8_t(in.r)};
    TransformPreviewRow(row, 1, lut);
    return {row[0], row[1], row[2]};
}

std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "(B " << p.b << ", G " << p.g << ", R " << p.r << ")";
}

TEST(PreviewLut, AllZeroSettingsLeaveEveryPixelAlone) {
    const PreviewLut lut = LutFor({});
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(lut.blueTable[i], i);
        EXPECT_EQ(lut.greenTable[i], i);
        EXPECT_EQ(lut.redTable[i], i);
    }
    for (int d = -255; d <= 255; ++d) EXPECT_EQ(lut.SaturationEntry(d), 0);
    std::mt19937 random(7);
    std::vector<std::uint8_t> row(3 * 1000);
    for (auto& b : row) b = static_cast<std::uint8_t>(random());
    const auto before = row;
    TransformPreviewRow(row.data(), 1000, lut);
    EXPECT_EQ(row, before);
}

// Contrast pivots on 128; the offset is added after it and the clamp comes last.
TEST(PreviewLut, ContrastAndBrightnessTables) {
    struct Case {
        std::int16_t contrast, brightness;
        std::vector<std::array<int, 2>> inOut;
    } cases[] = {
        {10, 0, {{0, 0}, {50, 0}, {51, 1}, {64, 22}, {128, 128}, {192, 233}, {255, 255}}},
        {-10, 0, {{0, 35}, {50, 71}, {64, 81}, {128, 128}, {192, 174}, {255, 219}}},
        {5, 0, {{0, 0}, {50, 31}, {64, 48}, {128, 128}, {192, 207}, {255, 255}}},
        {-5, 0, {{0, 20}, {50, 62}, {64, 74}, {128, 128}, {192, 181}, {255, 234}}},
        {0, 10, {{0, 50}, {100, 150}, {204, 254}, {205, 255}, {255, 255}}},
        {0, -10, {{0, 0}, {50, 0}, {51, 1}, {255, 205}}},
    };
    for (const Case& c : cases) {
        ColorSettings settings{};
        settings.contrast = c.contrast;
        settings.brightness = c.brightness;
        const PreviewLut lut = LutFor(settings);
        for (const auto& [in, out] : c.inOut) {
            SCOPED_TRACE(::testing::Message() << "contrast " << c.contrast << " brightness "
                                              << c.brightness << " input " << in);
            EXPECT_EQ(lut.blueTable[in], out);
            EXPECT_EQ(lut.greenTable[in], out);
            EXPECT_EQ(lut.redTable[in], out);
        }
    }
}

// Each balance lifts its own channel and lowers the others by half as much, truncated.
TEST(PreviewLut, ColourBalanceOffsets) {
    struct Case {
        std::int16_t cyan, magenta, yellow;
        int red, green, blue;  // what an input of 100 becomes
    } cases[] = {
        {1, 0, 0, 103, 99, 99},   {10, -10, -10, 160, 70, 70}, {0, 1, 0, 99, 103, 99},
        {0, 0, 1, 99, 99, 103},   {0, 0, -1, 101, 101, 97},    {-10, 0, 0, 70, 115, 115},
        {3, 3, 3, 100, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "cyan " << c.cyan << " magenta " << c.magenta << " yellow " << c.yellow);
        ColorSettings settings{};
        settings.cyanBalance = c.cyan;
        settings.magentaBalance = c.magenta;
        settings.yellowBalance = c.yellow;
        const PreviewLut lut = LutFor(settings);
        EXPECT_EQ(lut.redTable[100], c.red);
        EXPECT_EQ(lut.greenTable[100], c.green);
        EXPECT_EQ(lut.blueTable[100], c.blue);
    }
}

TEST(PreviewLut, SaturationEntriesAreTruncatedAndOddSymmetric) {
    struct Case {
        std::int16_t saturation;
        int difference, entry;
    } cases[] = {
        {10, -255, -170}, {10, -3, -2}, {10, -2, -1}, {10, -1, 0},      {10, 0, 0},
        {10, 1, 0},       {10, 2, 1},   {10, 3, 2},   {10, 255, 170},   {1, 14, 0},
        {1, 15, 1},       {1, 255, 17}, {1, -15, -1}, {-10, 255, -170}, {-1, 15, -1},
    };
    for (const Case& c : cases) {
        ColorSettings settings{};
        settings.saturation = c.saturation;
        EXPECT_EQ(LutFor(settings).SaturationEntry(c.difference), c.entry)
            << "saturation " << c.saturation << " difference " << c.difference;
    }
}

// The saturation step sees the pixel before the tone tables; a channel it pushes out of range is
// clamped before the table lookup.
TEST(PreviewLut, PixelsGoThroughSaturationThenTables) {
    struct Case {
        std::int16_t saturation, brightness;
        Pixel in, out;
    } cases[] = {
        {10, 0, {200, 100, 50}, {255, 84, 0}},     {-10, 0, {255, 0, 0}, {85, 84, 84}},
        {-10, 0, {200, 100, 50}, {117, 116, 116}}, {10, 10, {255, 0, 0}, {255, 50, 50}},
        {10, -10, {255, 0, 0}, {205, 0, 0}},       {0, 3, {1, 2, 3}, {16, 17, 18}},
    };
    for (const Case& c : cases) {
        ColorSettings settings{};
        settings.saturation = c.saturation;
        settings.brightness = c.brightness;
        EXPECT_EQ(Transform(LutFor(settings), c.in), c.out)
            << "saturation " << c.saturation << " brightness " << c.brightness << " " << c.in;
    }
}

TEST(PreviewLut, RowTouchesOnlyItsCountOfPixels) {
    ColorSettings settings{};
    settings.brightness = 4;
    const PreviewLut lut = LutFor(settings);
    for (std::int16_t count : {-3, 0, 2}) {
        std::vector<std::uint8_t> row(12, 100);
        TransformPreviewRow(row.data(), count, lut);
        const int changed = count > 0 ? 3 * count : 0;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(row[i], i < changed ? 120 : 100) << "count " << count << " byte " << i;
    }
}

// The fast row transform agrees with TransformPreviewRow, with its tables folded (saturation in
// range) or not (a saturation beyond the slider gives entries that cannot be folded).
TEST(RowTransform, MatchesTheRowOperation) {
    std::mt19937 random(9);
    for (int round = 0; round < 200; ++round) {
        ColorSettings settings{};
        settings.brightness = static_cast<std::int16_t>(random() % 21 - 10);
        settings.contrast = static_cast<std::int16_t>(random() % 21 - 10);
        settings.saturation =
            static_cast<std::int16_t>(round % 4 == 0 ? random() % 201 - 100 : random() % 21 - 10);
        settings.cyanBalance = static_cast<std::int16_t>(random() % 21 - 10);
        const PreviewLut lut = LutFor(settings);
        std::vector<std::uint8_t> row(3 * 300 + 2);
        for (auto& b : row)
            b = static_cast<std::uint8_t>(random() % 3 == 0 ? 255 * (random() % 2) : random());
        auto expected = row;
        TransformPreviewRow(expected.data(), 300, lut);
        RowTransform(lut).Apply(row.data(), 300);
        ASSERT_EQ(row, expected) << "saturation " << settings.saturation;
    }
}

TEST(RowTransform, RowsWiderThanTheSixteenBitCountAreDoneWhole) {
    for (std::int16_t saturation : {0, 300}) {  // folded tables, and the row operation in pieces
        ColorSettings settings{};
        settings.brightness = -2;
        settings.saturation = saturation;
        const PreviewLut lut = LutFor(settings);
        constexpr std::int64_t kWidth = 70000;
        std::vector<std::uint8_t> row(3 * kWidth + 3, 50);
        RowTransform(lut).Apply(row.data(), kWidth);
        for (std::size_t i = 0; i < 3 * kWidth; ++i) ASSERT_EQ(row[i], 40) << "byte " << i;
        EXPECT_EQ(row[3 * kWidth], 50);
    }
}

}  // namespace
}  // namespace qzr
