#include "reference_preview.h"

#include <cstring>

namespace qzr::reference {

namespace {

int Clamp(int value) {
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

std::int16_t SaturationEntry(const LutBlock& lut, int d) {
    return static_cast<std::int16_t>(lut[1280 + 2 * d] | lut[1280 + 2 * d + 1] << 8);
}

void SetSaturationEntry(LutBlock& lut, int d, int value) {
    const auto entry = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    lut[1280 + 2 * d] = entry & 0xFF;
    lut[1280 + 2 * d + 1] = entry >> 8;
}

std::int32_t Stride(std::int32_t width) {
    return (3 * width + 3) / 4 * 4;
}

struct Kernel {
    int centerWeight, neighbourWeight, shift;
};
const Kernel kKernels[9] = {{0, 0, 0},    {224, 12, 7}, {256, 16, 7}, {288, 20, 7}, {320, 24, 7},
                            {352, 28, 7}, {384, 32, 7}, {416, 36, 7}, {448, 40, 7}};

}  // namespace

void BuildPreviewLut(const ColorSettings& s, LutBlock& lut) {
    const int blueOffset =
        5 * s.brightness + (6 * s.yellowBalance - 3 * s.cyanBalance - 3 * s.magentaBalance) / 2;
    const int greenOffset =
        5 * s.brightness + (6 * s.magentaBalance - 3 * s.cyanBalance - 3 * s.yellowBalance) / 2;
    const int redOffset =
        5 * s.brightness + (6 * s.cyanBalance - 3 * s.magentaBalance - 3 * s.yellowBalance) / 2;
    for (int i = 0; i <= 255; ++i) {
        const int v = (128 * i - 640 * s.contrast) / (128 - 5 * s.contrast);
        lut[i] = static_cast<std::uint8_t>(Clamp(v + blueOffset));
        lut[256 + i] = static_cast<std::uint8_t>(Clamp(v + greenOffset));
        lut[512 + i] = static_cast<std::uint8_t>(Clamp(v + redOffset));
        const int entry = (2 * s.saturation * i) / 30;
        SetSaturationEntry(lut, i, entry);
        SetSaturationEntry(lut, -i, -entry);
    }
}

void TransformPreviewRow(std::uint8_t* row, std::int16_t count, const LutBlock& lut) {
    for (int x = 0; x < count; ++x) {
        std::uint8_t* pixel = row + 3 * x;
        const int b = pixel[0], g = pixel[1], r = pixel[2];
        const int dB = b - (g + r) / 2;
        const int dG = g - (b + r) / 2;
        const int dR = r - (b + g) / 2;
        const int b1 = Clamp(b + SaturationEntry(lut, dB));
        const int g1 = Clamp(g + SaturationEntry(lut, dG));
        const int r1 = Clamp(r + SaturationEntry(lut, dR));
        pixel[0] = lut[b1];
        pixel[1] = lut[256 + g1];
        pixel[2] = lut[512 + r1];
    }
}

void ApplyUnsharpMask(const ColorSettings& s, std::int32_t width, std::int32_t height,
                      std::uint8_t* bits) {
    if (width <= 0 || height <= 0) return;
    const int r = s.unsharpRadius;
    const int reach = r / 10 + 1;
    const double f = (r % 10) / 10.0;
    double q = r / 10.0;
    q = q * 2.0 + 1.0;
    const double divisor = q * q;
    const double amount = ((s.unsharpAmount + 1) * 25) / 100.0;
    const std::int32_t stride = Stride(width);

    std::vector<std::uint8_t> blur(std::size_t(3) * width * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                double sum = 0.0;
                for (int dy = -reach; dy <= reach; ++dy) {
                    for (int dx = -reach; dx <= reach; ++dx) {
                        if (x + dx < 0 || x + dx >= width || y + dy < 0 || y + dy >= height)
                            continue;
                        const double v = bits[(y + dy) * stride + 3 * (x + dx) + c];
                        const bool ringRow = dy == -reach || dy == reach;
                        const bool ringColumn = dx == -reach || dx == reach;
                        if (ringRow && ringColumn) {
                            sum += v * f * f;
                        } else if (ringRow || ringColumn) {
                            sum += v * f;
                        } else {
                            sum += v;
                        }
                    }
                }
                blur[std::size_t(y) * 3 * width + 3 * x + c] =
                    static_cast<std::uint8_t>(static_cast<int>(sum / divisor));
            }
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 3 * width; ++x) {
            const int p = bits[y * stride + x];
            const int b = blur[std::size_t(y) * 3 * width + x];
            const int d = p - b;
            if (d < -s.unsharpThreshold || d > s.unsharpThreshold) {
                const double value = d * amount + p;
                bits[y * stride + x] = static_cast<std::uint8_t>(Clamp(static_cast<int>(value)));
            }
        }
    }
}

void TransformAndSharpen(std::uint8_t* bits, std::int32_t width, std::int32_t height,
                         const LutBlock& lut, std::int16_t sharpness) {
    const std::int32_t stride = Stride(width);
    if (sharpness == -4 || width <= 2 || height <= 2) {
        for (int y = 0; y < height; ++y)
            TransformPreviewRow(bits + y * stride, static_cast<std::int16_t>(width), lut);
        return;
    }
    const Kernel& k = kKernels[sharpness + 4];
    std::vector<std::uint8_t> pair(2 * std::size_t(stride));
    TransformPreviewRow(bits, static_cast<std::int16_t>(width), lut);
    TransformPreviewRow(bits + stride, static_cast<std::int16_t>(width), lut);
    std::uint8_t* half = nullptr;
    for (int i = 0; i <= height - 3; ++i) {
        std::uint8_t* l = bits + i * stride;
        std::uint8_t* m = bits + (i + 1) * stride;
        std::uint8_t* u = bits + (i + 2) * stride;
        TransformPreviewRow(u, static_cast<std::int16_t>(width), lut);
        half = i % 2 == 0 ? pair.data() + stride : pair.data();
        for (int j = 0; j <= 3 * width - 7; ++j) {
            const int value = (k.centerWeight * m[j + 3] -
                               k.neighbourWeight * (l[j] + l[j + 3] + l[j + 6] + m[j] + m[j + 6] +
                                                    u[j] + u[j + 3] + u[j + 6])) >>
                              k.shift;
            half[j] = static_cast<std::uint8_t>(Clamp(value));
        }
        if (i > 0) {
            const std::uint8_t* other = i % 2 == 0 ? pair.data() : pair.data() + stride;
            std::memcpy(l + 3, other, 3 * std::size_t(width) - 6);
        }
    }
    std::memcpy(bits + (height - 2) * stride + 3, half, 3 * std::size_t(width) - 6);
}

void RenderPreview(const ColorSettings& settings, std::uint8_t* bits, std::int32_t width,
                   std::int32_t height) {
    ColorSettings block = settings;
    if (block.colorMode == 1) block.saturation = -10;
    LutBlock lut{};
    BuildPreviewLut(block, lut);
    if (block.unsharpEnabled == 1) ApplyUnsharpMask(block, width, height, bits);
    TransformAndSharpen(bits, width, height, lut, block.sharpness);
}

std::optional<Picture> LoadPreviewBitmap(ByteSource& source) {
    std::uint8_t file[14];
    if (source.ReadAt(0, file) != 14 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    std::uint32_t bfSize, bfOffBits;
    std::memcpy(&bfSize, file + 2, 4);
    std::memcpy(&bfOffBits, file + 10, 4);
    if (bfOffBits < 54) return std::nullopt;
    std::vector<std::uint8_t> headerBlock(bfOffBits - 14);
    source.ReadAt(14, headerBlock);
    std::int32_t width, height;
    std::uint16_t bitCount;
    std::memcpy(&width, &headerBlock[4], 4);
    std::memcpy(&height, &headerBlock[8], 4);
    std::memcpy(&bitCount, &headerBlock[14], 2);
    if (bitCount != 24) return std::nullopt;

    const std::uint32_t readLength = bfSize - bfOffBits - 2;
    auto readPixels = [&](std::vector<std::uint8_t>& block) {
        const std::size_t length = std::min<std::size_t>(readLength, block.size());
        source.ReadAt(bfOffBits, {block.data(), length});
    };
    const std::int32_t stride = Stride(width);
    Picture picture;
    if (width > 192 && height > 192) {
        std::vector<std::uint8_t> whole(std::size_t(height) * stride);
        readPixels(whole);
        std::vector<std::uint8_t> cropBuffer(110592);
        const int h2 = height / 2, w2 = width / 2;
        std::size_t next = 0;
        for (int r = h2 - 96; r <= h2 + 95; ++r, next += 576)
            std::memcpy(&cropBuffer[next], &whole[std::size_t(r) * stride + 3 * (w2 - 96)], 576);
        picture.width = 192;
        picture.height = 192;
        picture.pixels = std::move(cropBuffer);
    } else {
        picture.width = width;
        picture.height = height;
        picture.pixels.assign(std::size_t(height) * stride, 0);
        readPixels(picture.pixels);
    }
    return picture;
}

}  // namespace qzr::reference
