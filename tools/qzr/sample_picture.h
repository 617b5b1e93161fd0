// The preview's built-in picture, plugin/res/sample_picture.bmp, carried inside the program.
#pragma once

#include <cstdint>
#include <span>

namespace qzr::tool {

std::span<const std::uint8_t> SamplePictureBmp();

}  // namespace qzr::tool
