#include "preview_render.h"

#include <gtest/gtest.h>

#include <random>

#include "preview_test_support.h"

namespace qzr {
namespace {

using testing_support::TestBitmap;

TestBitmap Rendered(const ColorSettings& settings) {
    std::mt19937 random(17);
    TestBitmap bitmap(23, 19);
    bitmap.Randomize(random);
    RenderPreview(settings, bitmap.data(), bitmap.width, bitmap.height);
    return bitmap;
}

ColorSettings Colourful() {
    ColorSettings s{};
    s.saturation = 6;
    s.brightness = 1;
    s.sharpness = 2;
    s.unsharpAmount = 8;
    s.unsharpRadius = 17;
    s.unsharpThreshold = 3;
    return s;
}

// Monochrome is shown as saturation -10, whatever the saturation setting says.
TEST(RenderPreview, MonochromeShowsSaturationMinusTen) {
    ColorSettings mono = Colourful();
    mono.colorMode = 1;
    ColorSettings grey = Colourful();
    grey.saturation = -10;
    EXPECT_EQ(Rendered(mono).bytes, Rendered(grey).bytes);
    EXPECT_NE(Rendered(Colourful()).bytes, Rendered(grey).bytes);

    ColorSettings otherMode = Colourful();
    otherMode.colorMode = 2;  // not monochrome: the colours stay
    EXPECT_EQ(Rendered(otherMode).bytes, Rendered(Colourful()).bytes);
}

// The unsharp mask runs only when unsharpEnabled is exactly 1.
TEST(RenderPreview, UnsharpMaskOnlyForOne) {
    const auto without = Rendered(Colourful()).bytes;
    for (std::int32_t enabled : {-1, 2, 256}) {
        ColorSettings s = Colourful();
        s.unsharpEnabled = enabled;
        EXPECT_EQ(Rendered(s).bytes, without) << "unsharpEnabled " << enabled;
    }
    ColorSettings on = Colourful();
    on.unsharpEnabled = 1;
    EXPECT_NE(Rendered(on).bytes, without);
}

}  // namespace
}  // namespace qzr
