#include "preview_output.h"

#include <algorithm>
#include <cctype>

#include "common/image/bmp_writer.h"
#include "common/image/png_writer.h"

namespace qzr::tool {

namespace {

bool EndsWithPng(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".png";
}

// Top row first, red, green, blue, no padding: what the PNG writer takes.
std::vector<std::uint8_t> TopDownRgb(const PreviewPicture& picture) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(picture.width) * picture.height * 3);
    for (std::int32_t y = picture.height - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.pixels.get() + std::size_t(y) * picture.stride;
        for (std::int32_t x = 0; x < picture.width; ++x)
            rgb.insert(rgb.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
    return rgb;
}

}  // namespace

PreviewPicture FramePreview(const PreviewPicture& picture) {
    PreviewPicture framed;
    framed.width = kFramedSide;
    framed.height = kFramedSide;
    framed.stride = (std::size_t(kFramedSide) * 3 + 3) / 4 * 4;
    framed.pixels = std::make_unique<std::uint8_t[]>(framed.stride * kFramedSide);  // black
    // Rows counted from the top, as the page draws them; bitmaps keep the bottom row first.
    for (std::int32_t top = 0; top < kPreviewSide; ++top) {
        const std::int32_t sourceTop =
            std::int32_t(std::int64_t(top) * picture.height / kPreviewSide);
        const std::uint8_t* source =
            picture.pixels.get() + std::size_t(picture.height - 1 - sourceTop) * picture.stride;
        std::uint8_t* target =
            framed.pixels.get() + std::size_t(kFramedSide - 2 - top) * framed.stride + 3;
        for (std::int32_t x = 0; x < kPreviewSide; ++x) {
            const std::int64_t sourceX = std::int64_t(x) * picture.width / kPreviewSide;
            std::copy_n(source + 3 * sourceX, 3, target + 3 * x);
        }
    }
    return framed;
}

std::vector<std::uint8_t> EncodePictureFile(const PreviewPicture& picture,
                                            const std::string& fileName) {
    if (EndsWithPng(fileName))
        return image::EncodePng(TopDownRgb(picture), std::uint32_t(picture.width),
                                std::uint32_t(picture.height));
    return image::EncodeBmp24({picture.pixels.get(), picture.stride * std::size_t(picture.height)},
                              picture.width, picture.height);
}

}  // namespace qzr::tool
