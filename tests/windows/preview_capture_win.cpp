#include "preview_capture_win.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "preview_render.h"
#include "sample_picture.h"

namespace qzr::test {

namespace {
constexpr int kFrameLeft = 4, kFrameTop = 4;
}

PreviewPicture SamplePicture() {
    const auto bmp = tool::SamplePictureBmp();
    std::uint32_t offset = 0;
    std::memcpy(&offset, bmp.data() + 10, sizeof offset);
    PreviewPicture picture;
    picture.width = picture.height = kPreviewSide;
    picture.stride = kCropRowBytes;
    picture.pixels = std::make_unique<std::uint8_t[]>(kCropBytes);
    std::memcpy(picture.pixels.get(), bmp.data() + offset, kCropBytes);
    return picture;
}

PreviewPicture LoadedPicture(const std::vector<std::uint8_t>& file) {
    MemoryByteSource source(file);
    PreviewPicture picture;
    if (LoadPreviewBitmap(source, picture) != LoadError::kNone) return {};
    return picture;
}

host::RgbImage CapturePage(host::ModelessSheet& sheet, HWND page) {
    sheet.PumpUntilIdle();
    UpdateWindow(page);
    auto image = host::CaptureWindow(page);
    EXPECT_TRUE(image);
    return image ? *image : host::RgbImage{};
}

::testing::AssertionResult PaintsPreviewOf(const host::RgbImage& image,
                                           const PreviewPicture& picture,
                                           const ColorSettings& settings) {
    if (!picture.pixels) return ::testing::AssertionFailure() << "no picture to compare with";
    const std::size_t bytes = picture.stride * std::size_t(picture.height);
    std::vector<std::uint8_t> filtered(picture.pixels.get(), picture.pixels.get() + bytes);
    RenderPreview(settings, filtered.data(), picture.width, picture.height);
    auto source = [&](std::int64_t x, std::int64_t fromTop) {
        const std::uint8_t* pixel = filtered.data() +
                                    std::size_t(picture.height - 1 - fromTop) * picture.stride +
                                    3 * std::size_t(x);
        return std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
    };
    // The pixels a stretch may take for target pixel at of side 192: those it covers, and for a
    // picture of another size one more on either side (the platform rounds its own way).
    const bool oneToOne = picture.width == kPreviewSide && picture.height == kPreviewSide;
    auto covered = [&](std::int64_t at, std::int64_t side) {
        const std::int64_t first = at * side / kPreviewSide;
        const std::int64_t last = std::max(first, ((at + 1) * side - 1) / kPreviewSide);
        const std::int64_t widen = oneToOne ? 0 : 1;
        return std::pair{std::max<std::int64_t>(0, first - widen),
                         std::min(side - 1, last + widen)};
    };

    const int side = kPreviewSide + 2;
    if (image.width < kFrameLeft + side || image.height < kFrameTop + side)
        return ::testing::AssertionFailure() << "the page is too small for its preview";
    int wrong = 0;
    std::string first;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const std::uint32_t got = image.Pixel(kFrameLeft + x, kFrameTop + y);
            bool right = false;
            if (x == 0 || y == 0 || x == side - 1 || y == side - 1) {
                right = got == 0;  // the black frame
            } else {
                const auto [left, rightmost] = covered(x - 1, picture.width);
                const auto [top, bottom] = covered(y - 1, picture.height);
                for (std::int64_t sy = top; sy <= bottom && !right; ++sy)
                    for (std::int64_t sx = left; sx <= rightmost && !right; ++sx)
                        right = source(sx, sy) == got;
            }
            if (!right && wrong++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, "first at %d,%d of the frame: painted %06X", x, y,
                              got);
                first = text;
            }
        }
    }
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ; " << first;
}

}  // namespace qzr::test
