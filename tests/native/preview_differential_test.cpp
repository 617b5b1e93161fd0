// The shipped pipeline against the step-by-step reference, on random pictures and settings:
// byte for byte, padding included.
#include <gtest/gtest.h>

#include <random>

#include "preview_lut.h"
#include "preview_render.h"
#include "preview_sharpen.h"
#include "preview_test_support.h"
#include "reference_preview.h"
#include "unsharp_mask.h"

namespace qzr {
namespace {

using testing_support::TestBitmap;

int Uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

ColorSettings RandomSettings(std::mt19937& random) {
    ColorSettings s{};
    s.brightness = static_cast<std::int16_t>(Uniform(random, -10, 10));
    s.contrast = static_cast<std::int16_t>(Uniform(random, -10, 10));
    s.saturation = static_cast<std::int16_t>(Uniform(random, -10, 10));
    s.cyanBalance = static_cast<std::int16_t>(Uniform(random, -10, 10));
    s.magentaBalance = static_cast<std::int16_t>(Uniform(random, -10, 10));
    s.yellowBalance = static_cast<std::int16_t>(Uniform(random, -10, 10));
    s.sharpness = static_cast<std::int16_t>(Uniform(random, -4, 4));
    s.unsharpEnabled = Uniform(random, 0, 4) == 0 ? Uniform(random, -1, 2) : 1;
    s.unsharpAmount = static_cast<std::int16_t>(Uniform(random, 0, 12));
    s.unsharpRadius = static_cast<std::int16_t>(Uniform(random, 1, 30));
    s.unsharpThreshold = static_cast<std::int16_t>(Uniform(random, 0, 20));
    s.colorMode = static_cast<std::int16_t>(Uniform(random, 0, 3) == 0 ? 1 : Uniform(random, 0, 2));
    return s;
}

// Pictures of five kinds: noise; extremes only (every clamp gets work); smooth ramps with a
// little noise (differences near the threshold); flat with a few spikes, and flat patches (blurs
// that are whole numbers, where single levels depend on the order of the rounded sums).
void Paint(TestBitmap& bitmap, std::mt19937& random) {
    const int kind = Uniform(random, 0, 4);
    const auto level = static_cast<std::uint8_t>(Uniform(random, 0, 255));
    const auto other = static_cast<std::uint8_t>(Uniform(random, 0, 255));
    const int patch = Uniform(random, 2, 9);
    for (int y = 0; y < bitmap.height; ++y)
        for (std::size_t i = 0; i < bitmap.stride; ++i) {
            std::uint8_t& byte = bitmap.bytes[y * bitmap.stride + i];
            if (kind == 0) byte = static_cast<std::uint8_t>(random());
            if (kind == 1) byte = random() % 2 ? 255 : 0;
            if (kind == 2) byte = static_cast<std::uint8_t>(y * 5 + i * 3 + Uniform(random, 0, 6));
            if (kind == 3) byte = random() % 50 ? level : static_cast<std::uint8_t>(random());
            if (kind == 4) byte = (y / patch + i / (3 * patch)) % 2 ? level : other;
        }
}

::testing::Message Describe(const ColorSettings& s, std::int32_t w, std::int32_t h) {
    return ::testing::Message() << w << " x " << h << ": brightness " << s.brightness
                                << " contrast " << s.contrast << " saturation " << s.saturation
                                << " balance " << s.cyanBalance << "/" << s.magentaBalance << "/"
                                << s.yellowBalance << " sharpness " << s.sharpness << " mask "
                                << s.unsharpEnabled << " amount " << s.unsharpAmount << " radius "
                                << s.unsharpRadius << " threshold " << s.unsharpThreshold
                                << " mode " << s.colorMode;
}

TEST(PreviewDifferential, EveryTableMatchesTheReference) {
    std::mt19937 random(2024);
    for (int round = 0; round < 3000; ++round) {
        const ColorSettings s = RandomSettings(random);
        PreviewLut lut{};
        BuildPreviewLut(s, lut);
        reference::LutBlock block{};
        reference::BuildPreviewLut(s, block);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(lut.blueTable[i], block[i]) << Describe(s, 0, 0);
            ASSERT_EQ(lut.greenTable[i], block[256 + i]) << Describe(s, 0, 0);
            ASSERT_EQ(lut.redTable[i], block[512 + i]) << Describe(s, 0, 0);
        }
        for (int d = -255; d <= 255; ++d) {
            const auto entry =
                static_cast<std::int16_t>(block[1280 + 2 * d] | block[1281 + 2 * d] << 8);
            ASSERT_EQ(lut.SaturationEntry(d), entry) << Describe(s, 0, 0) << " d " << d;
        }
    }
}

// Every size from 1 x 1 to 40 x 40 (so every row padding), each with its own random settings.
TEST(PreviewDifferential, WholePreviewAtEverySizeUpToForty) {
    std::mt19937 random(1);
    for (std::int32_t h = 1; h <= 40; ++h) {
        for (std::int32_t w = 1; w <= 40; ++w) {
            const ColorSettings s = RandomSettings(random);
            TestBitmap shipped(w, h);
            Paint(shipped, random);
            TestBitmap expected = shipped;
            RenderPreview(s, shipped.data(), w, h);
            reference::RenderPreview(s, expected.data(), w, h);
            ASSERT_EQ(shipped.bytes, expected.bytes) << Describe(s, w, h);
        }
    }
}

// Each radius with many amounts and thresholds, on sizes around the window's reach.
TEST(PreviewDifferential, UnsharpMaskAtEveryRadius) {
    std::mt19937 random(3);
    const std::pair<std::int32_t, std::int32_t> sizes[] = {{1, 1},  {2, 7},  {7, 3},   {8, 8},
                                                           {9, 17}, {23, 5}, {40, 40}, {19, 31}};
    for (std::int16_t radius = 1; radius <= 30; ++radius) {
        for (const auto& [w, h] : sizes) {
            ColorSettings s = RandomSettings(random);
            s.unsharpRadius = radius;
            TestBitmap shipped(w, h);
            Paint(shipped, random);
            TestBitmap expected = shipped;
            ApplyUnsharpMask(s, w, h, shipped.data());
            reference::ApplyUnsharpMask(s, w, h, expected.data());
            ASSERT_EQ(shipped.bytes, expected.bytes) << Describe(s, w, h);
        }
    }
}

TEST(PreviewDifferential, FullSizePreviewAtEveryRadiusAndSharpness) {
    std::mt19937 random(4);
    TestBitmap picture(192, 192);
    Paint(picture, random);
    for (std::int16_t radius = 1; radius <= 30; ++radius) {
        ColorSettings s = RandomSettings(random);
        s.unsharpEnabled = 1;
        s.unsharpRadius = radius;
        s.sharpness = static_cast<std::int16_t>(radius % 9 - 4);
        TestBitmap shipped = picture, expected = picture;
        RenderPreview(s, shipped.data(), 192, 192);
        reference::RenderPreview(s, expected.data(), 192, 192);
        ASSERT_EQ(shipped.bytes, expected.bytes) << Describe(s, 192, 192);
    }
}

}  // namespace
}  // namespace qzr
