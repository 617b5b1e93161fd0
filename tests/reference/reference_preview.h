// The preview pipeline written out step by step, literally, with no thought for speed: the
// yardstick for the shipped code in the tests and the benchmark. Not shipped.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "byte_source.h"
#include "color_settings.h"

namespace qzr::reference {

// The tables as one block of 1799 bytes: blue at 0, green at 256, red at 512, and the
// saturation entry for difference d as a little-endian int16 at 1280 + 2d.
using LutBlock = std::array<std::uint8_t, 1799>;

void BuildPreviewLut(const ColorSettings& settings, LutBlock& lut);
void TransformPreviewRow(std::uint8_t* row, std::int16_t count, const LutBlock& lut);
void ApplyUnsharpMask(const ColorSettings& settings, std::int32_t width, std::int32_t height,
                      std::uint8_t* bits);
void TransformAndSharpen(std::uint8_t* bits, std::int32_t width, std::int32_t height,
                         const LutBlock& lut, std::int16_t sharpness);
// The paint's steps 5 to 10.
void RenderPreview(const ColorSettings& settings, std::uint8_t* bits, std::int32_t width,
                   std::int32_t height);

struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;  // rows padded to 4 bytes, bottom row first
};

// Reads the file the plain way: the whole pixel array of a large picture into a temporary
// block, then the central square out of it. Only the "BM" and 24-bit checks, plus what keeps
// this code itself memory-safe; meant for well-formed files.
std::optional<Picture> LoadPreviewBitmap(ByteSource& source);

}  // namespace qzr::reference
