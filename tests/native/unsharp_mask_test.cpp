#include "unsharp_mask.h"

#include <gtest/gtest.h>

#include <functional>

#include "preview_test_support.h"
#include "whole_quotient.h"

namespace qzr {
namespace {

using testing_support::TestBitmap;

ColorSettings Mask(std::int16_t amount, std::int16_t radius, std::int16_t threshold) {
    ColorSettings settings{};
    settings.unsharpAmount = amount;
    settings.unsharpRadius = radius;
    settings.unsharpThreshold = threshold;
    return settings;
}

// expected(x, y) for every channel of every pixel.
void ExpectLevels(TestBitmap& bitmap, const std::function<int(int, int)>& expected) {
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(bitmap.At(x, y, c), expected(x, y)) << "x " << x << " y " << y;
}

// Samples outside the picture add nothing while the divisor stays, so the blur darkens toward
// the edges (44 at the corners, 66 along the sides of a 3 x 3 box) and the mask lifts them.
TEST(UnsharpMask, FlatPictureIsLiftedAtItsEdges) {
    TestBitmap bitmap(4, 4, 100);
    ApplyUnsharpMask(Mask(5, 10, 5), 4, 4, bitmap.data());
    ExpectLevels(bitmap, [](int x, int y) {
        const int edges = (x == 0 || x == 3) + (y == 0 || y == 3);
        return edges == 2 ? 184 : edges == 1 ? 151 : 100;
    });

    TestBitmap calm(4, 4, 100);
    ApplyUnsharpMask(Mask(5, 10, 60), 4, 4, calm.data());
    ExpectLevels(calm, [](int, int) { return 100; });
}

TEST(UnsharpMask, SpikeWithThresholdAndAmount) {
    TestBitmap bitmap(7, 7, 100);
    bitmap.SetPixel(3, 3, 150);
    ApplyUnsharpMask(Mask(0, 10, 0), 7, 7, bitmap.data());
    ExpectLevels(bitmap, [](int x, int y) {
        const int edges = (x == 0 || x == 6) + (y == 0 || y == 6);
        if (edges == 2) return 114;
        if (edges == 1) return 108;
        if (x == 3 && y == 3) return 161;
        if (std::abs(x - 3) <= 1 && std::abs(y - 3) <= 1) return 98;  // 100 - 1.25, truncated
        return 100;
    });

    TestBitmap strong(7, 7, 100);
    strong.SetPixel(3, 3, 150);
    ApplyUnsharpMask(Mask(5, 10, 5), 7, 7, strong.data());
    EXPECT_EQ(strong.At(3, 3, 0), 217);
    EXPECT_EQ(strong.At(2, 3, 0), 100);  // 5 levels below its blur: not beyond the threshold
    EXPECT_EQ(strong.At(4, 4, 2), 100);
}

// At radius 0.3 the weighted sum of a flat area falls just short of level x divisor, so single
// levels depend on the exact double-precision order of the sum.
TEST(UnsharpMask, DoublePrecisionDecidesSingleLevels) {
    struct Case {
        std::uint8_t level;
        std::int16_t radius;
        int inner;
    } cases[] = {{100, 3, 101}, {100, 10, 100}, {255, 3, 255}, {200, 15, 200}};
    for (const Case& c : cases) {
        TestBitmap bitmap(9, 8, c.level);
        ApplyUnsharpMask(Mask(5, c.radius, 0), 9, 8, bitmap.data());
        for (int y = 2; y < 6; ++y)
            for (int x = 2; x < 7; ++x)
                ASSERT_EQ(bitmap.At(x, y, 1), c.inner)
                    << "level " << int(c.level) << " radius " << c.radius;
    }
}

TEST(UnsharpMask, ResultsAreClampedNotWrapped) {
    TestBitmap dark(5, 5, 200);
    dark.SetPixel(2, 2, 10);
    ApplyUnsharpMask(Mask(12, 10, 0), 5, 5, dark.data());
    EXPECT_EQ(dark.At(2, 2, 0), 0);

    TestBitmap bright(5, 5, 20);
    bright.SetPixel(2, 2, 250);
    ApplyUnsharpMask(Mask(12, 10, 0), 5, 5, bright.data());
    EXPECT_EQ(bright.At(2, 2, 0), 255);
}

TEST(UnsharpMask, EmptyOrUnallocatablePicturesAreLeftAlone) {
    TestBitmap bitmap(4, 4, 100);
    const auto before = bitmap.bytes;
    ApplyUnsharpMask(Mask(5, 10, 0), 0, 4, bitmap.data());
    ApplyUnsharpMask(Mask(5, 10, 0), 4, -1, bitmap.data());
    EXPECT_EQ(bitmap.bytes, before);
    // A blur image of 3 x 2^60 bytes cannot be had: the mask is skipped without touching bits.
    ApplyUnsharpMask(Mask(5, 15, 0), 1 << 30, 1 << 30, bitmap.data());
    ApplyUnsharpMask(Mask(5, 20, 0), 1 << 30, 1 << 30, bitmap.data());
    EXPECT_EQ(bitmap.bytes, before);
}

TEST(UnsharpMask, RadiusBeyondTheSliderCountsAsItsEnd) {
    struct Case {
        std::int16_t given, meant;
    } cases[] = {{0, 1}, {-5, 1}, {31, 30}, {32767, 30}};
    for (const Case& c : cases) {
        TestBitmap a(6, 5, 80), b(6, 5, 80);
        a.SetPixel(2, 2, 240);
        b.SetPixel(2, 2, 240);
        ApplyUnsharpMask(Mask(6, c.given, 1), 6, 5, a.data());
        ApplyUnsharpMask(Mask(6, c.meant, 1), 6, 5, b.data());
        EXPECT_EQ(a.bytes, b.bytes) << "radius " << c.given;
    }
}

// The fractional blurs divide their exact integer sums in single precision: every sum that can
// occur (0 to 255 x M) must give the integer quotient, and "whole" exactly for multiples of M.
TEST(WholeQuotient, AgreesWithIntegerDivisionForEveryPossibleSum) {
    for (std::uint32_t radius = 1; radius < 30; ++radius) {
        if (radius % 10 == 0) continue;
        const std::uint32_t m = (2 * radius + 10) * (2 * radius + 10);
        const WholeQuotient quotient(m);
        for (std::uint32_t n = 0; n <= 255 * m; ++n) {
            const float shifted = quotient.Shifted(float(n));
            const int q = WholeQuotient::Quotient(shifted);
            if (q != int(n / m) || quotient.IsWhole(shifted, q) != (n % m == 0))
                FAIL() << "radius " << radius << " sum " << n << " gives " << q;
        }
    }
}

}  // namespace
}  // namespace qzr
