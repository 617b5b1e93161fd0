// The pictures that qzr preview writes, and their files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preview_bitmap_loader.h"

namespace qzr::tool {

inline constexpr std::int32_t kFramedSide = kPreviewSide + 2;  // 194

// The preview as the page shows it: the picture stretched (nearest neighbour) into the 192 x 192
// square inside a one-pixel black frame. A 24-bit bottom-up bitmap of 194 x 194, rows padded.
PreviewPicture FramePreview(const PreviewPicture& picture);

// The file for a picture: PNG when the name ends in ".png" (any case), otherwise a 24-bit BMP.
std::vector<std::uint8_t> EncodePictureFile(const PreviewPicture& picture,
                                            const std::string& fileName);

}  // namespace qzr::tool
