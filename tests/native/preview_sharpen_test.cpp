#include "preview_sharpen.h"

#include <gtest/gtest.h>

#include <random>

#include "preview_test_support.h"

namespace qzr {
namespace {

using testing_support::TestBitmap;

PreviewLut IdentityLut() {
    PreviewLut lut{};
    BuildPreviewLut({}, lut);
    return lut;
}

TEST(SharpenKernelTable, EveryAppliedKernelKeepsFlatAreasFlat) {
    for (int step = 1; step < 9; ++step) {
        const SharpenKernel& k = SharpenKernelTable[step];
        EXPECT_EQ(k.centerWeight - 8 * k.neighbourWeight, 1 << k.shift) << "row " << step;
        EXPECT_EQ(k.centerWeight, 224 + 32 * (step - 1));
        EXPECT_EQ(k.neighbourWeight, 12 + 4 * (step - 1));
    }
}

// A 5 x 5 picture of level 100 with one different pixel in the middle: the middle and its eight
// neighbours change, the outer ring of pixels is never sharpened.
TEST(TransformAndSharpen, SpikeInAFlatPicture) {
    struct Case {
        std::uint8_t spike;
        std::int16_t sharpness;
        int middle, around;
    } cases[] = {
        {200, -3, 255, 90}, {200, 0, 255, 81}, {200, 4, 255, 68},
        {50, -3, 12, 104},  {50, 0, 0, 109},   {50, 4, 0, 115},
    };
    const PreviewLut lut = IdentityLut();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "spike " << int(c.spike) << " sharpness " << c.sharpness);
        TestBitmap bitmap(5, 5, 100);
        bitmap.SetPixel(2, 2, c.spike);
        TransformAndSharpen(bitmap.data(), 5, 5, lut, c.sharpness);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool outer = x == 0 || y == 0 || x == 4 || y == 4;
                const int expected = outer ? 100 : (x == 2 && y == 2) ? c.middle : c.around;
                for (int ch = 0; ch < 3; ++ch)
                    ASSERT_EQ(bitmap.At(x, y, ch), expected) << "x " << x << " y " << y;
            }
        }
    }
}

TEST(TransformAndSharpen, FlatPicturesStayFlatAtEverySharpness) {
    for (std::int16_t sharpness = -4; sharpness <= 4; ++sharpness) {
        for (std::uint8_t level : {0, 1, 128, 254, 255}) {
            TestBitmap bitmap(7, 6, level);
            TransformAndSharpen(bitmap.data(), 7, 6, IdentityLut(), sharpness);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 7; ++x)
                    ASSERT_EQ(bitmap.At(x, y, 1), level)
                        << "sharpness " << sharpness << " level " << int(level);
        }
    }
}

// Without sharpening (lowest step, or a side of 2 or less) each row is only colour-transformed.
TEST(TransformAndSharpen, OnlyTheColourTransformWhenNotSharpening) {
    ColorSettings settings{};
    settings.brightness = 3;
    settings.saturation = 7;
    PreviewLut lut{};
    BuildPreviewLut(settings, lut);
    struct Case {
        std::int32_t width, height;
        std::int16_t sharpness;
    } cases[] = {{9, 7, -4}, {2, 9, 4}, {9, 2, 0}, {1, 1, 4}, {2, 2, 3}, {3, 3, -4}};
    std::mt19937 random(11);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << " x " << c.height << " sharpness " << c.sharpness);
        TestBitmap bitmap(c.width, c.height);
        bitmap.Randomize(random);
        TestBitmap expected = bitmap;
        for (int y = 0; y < c.height; ++y)
            TransformPreviewRow(expected.data() + y * expected.stride,
                                static_cast<std::int16_t>(c.width), lut);
        TransformAndSharpen(bitmap.data(), c.width, c.height, lut, c.sharpness);
        EXPECT_EQ(bitmap.bytes, expected.bytes);
    }
}

TEST(TransformAndSharpen, SharpnessBeyondTheSliderCountsAsItsEnd) {
    std::mt19937 random(5);
    TestBitmap picture(6, 5);
    picture.Randomize(random);
    for (auto [given, meant] : {std::pair<std::int16_t, std::int16_t>{9, 4}, {-30, -4}}) {
        TestBitmap beyond = picture, atEnd = picture;
        TransformAndSharpen(beyond.data(), 6, 5, IdentityLut(), given);
        TransformAndSharpen(atEnd.data(), 6, 5, IdentityLut(), meant);
        EXPECT_EQ(beyond.bytes, atEnd.bytes) << "sharpness " << given;
    }
}

TEST(TransformAndSharpen, RowPaddingIsNeverTouched) {
    for (std::int32_t width : {5, 6, 7}) {  // 1, 2 and 3 bytes of padding per row
        TestBitmap bitmap(width, 6, 90);
        bitmap.SetPixel(2, 2, 250);
        const std::size_t used = 3 * std::size_t(width);
        for (int y = 0; y < 6; ++y)
            for (std::size_t i = used; i < bitmap.stride; ++i)
                bitmap.bytes[y * bitmap.stride + i] = 0xAB;
        TransformAndSharpen(bitmap.data(), width, 6, IdentityLut(), 4);
        for (int y = 0; y < 6; ++y)
            for (std::size_t i = used; i < bitmap.stride; ++i)
                EXPECT_EQ(bitmap.bytes[y * bitmap.stride + i], 0xAB) << "width " << width;
        EXPECT_EQ(bitmap.At(2, 2, 0), 255) << "width " << width;
    }
}

}  // namespace
}  // namespace qzr
