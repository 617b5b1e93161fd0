// Picture files that a careless or hostile user may hand the preview, by class, each with what the
// preview must make of it: refuse it (the page falls back on the sample picture and forgets the
// path; qzr preview exits 2) or show it. The plug-in's page tests under Wine and qzr's tests
// both run the whole set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "preview_test_support.h"

namespace qzr::testing_support {

enum class HostileOutcome { Refused, Shown };

struct HostilePicture {
    const char* kind;  // the class of damage
    std::string name;  // unique, usable as a file name
    std::vector<std::uint8_t> bytes;
    HostileOutcome outcome;
};

inline std::vector<HostilePicture> HostilePictures() {
    using enum HostileOutcome;
    auto bmp = [](std::int32_t width, std::int32_t height, auto change) {
        BmpLayout layout;
        layout.width = width;
        layout.height = height;
        change(layout);
        return MakeBmp(layout);
    };
    auto plain = [](BmpLayout&) {};
    const std::vector<std::uint8_t> whole = bmp(8, 6, plain);
    auto cut = [&](std::size_t bytes) {
        return std::vector<std::uint8_t>(whole.begin(), whole.begin() + bytes);
    };
    auto patched = [&](std::size_t at, std::vector<std::uint8_t> with) {
        std::vector<std::uint8_t> file = whole;
        std::copy(with.begin(), with.end(), file.begin() + at);
        return file;
    };

    std::vector<HostilePicture> set = {
        {"empty file", "empty", {}, Refused},

        {"truncated header", "cut-at-1", cut(1), Refused},
        {"truncated header", "cut-at-2", cut(2), Refused},
        {"truncated header", "cut-at-13", cut(13), Refused},
        {"truncated header", "cut-at-14", cut(14), Refused},
        {"truncated header", "cut-at-30", cut(30), Refused},
        {"truncated header", "cut-at-53", cut(53), Refused},
        {"truncated header", "offset-inside-info-header",
         bmp(8, 6, [](auto& l) { l.pixelOffset = 30; }), Refused},
        {"truncated header", "core-header", bmp(8, 6, [](auto& l) { l.infoSize = 12; }), Refused},
        {"truncated header", "info-size-0", bmp(8, 6, [](auto& l) { l.infoSize = 0; }), Refused},

        {"lying size", "bfSize-0", bmp(8, 6, [](auto& l) { l.claimedSize = 0; }), Refused},
        {"lying size", "bfSize-below-offset", bmp(8, 6, [](auto& l) { l.claimedSize = 55; }),
         Refused},
        {"lying size", "offset-beyond-file",
         bmp(8, 6,
             [](auto& l) {
                 l.pixelOffset = 0x7FFFFFF0;
                 l.keepBytes = 200;
             }),
         Refused},
        {"lying size", "offset-4G",
         bmp(8, 6,
             [](auto& l) {
                 l.pixelOffset = 0xFFFFFFFF;
                 l.claimedSize = 0xFFFFFFFF;
                 l.keepBytes = 200;
             }),
         Refused},
        {"lying size", "pixels-cut-short", cut(whole.size() - 1), Refused},
        {"lying size", "bfSize-4G", bmp(8, 6, [](auto& l) { l.claimedSize = 0xFFFFFFFF; }), Shown},
        {"lying size", "bfSize-short", bmp(8, 6, [](auto& l) { l.claimedSize = 54 + 100; }), Shown},
        {"lying size", "info-size-4G", bmp(8, 6, [](auto& l) { l.infoSize = 0xFFFFFFFF; }), Shown},

        {"huge dimensions", "2G-by-2G",
         bmp(0x7FFFFFFF, 0x7FFFFFFF, [](auto& l) { l.keepBytes = 600; }), Refused},
        {"huge dimensions", "2G-wide", bmp(0x7FFFFFFF, 1, [](auto& l) { l.keepBytes = 600; }),
         Refused},
        {"huge dimensions", "2G-high", bmp(1, 0x7FFFFFFF, [](auto& l) { l.keepBytes = 600; }),
         Refused},
        {"huge dimensions", "2G-by-193-crop",
         bmp(0x7FFFFFFF, 193, [](auto& l) { l.keepBytes = 600; }), Refused},
        {"huge dimensions", "32768-wide-strip", bmp(32768, 1, plain), Refused},
        {"huge dimensions", "32767-wide-strip", bmp(32767, 1, plain), Shown},
        {"huge dimensions", "60000-high-strip", bmp(1, 60000, plain), Shown},
        {"huge dimensions", "193-square-crop", bmp(193, 193, plain), Shown},

        {"other bit depth", "0-bit", bmp(8, 6, [](auto& l) { l.bitCount = 0; }), Refused},
        {"other bit depth", "1-bit", bmp(8, 6, [](auto& l) { l.bitCount = 1; }), Refused},
        {"other bit depth", "4-bit", bmp(8, 6, [](auto& l) { l.bitCount = 4; }), Refused},
        {"other bit depth", "8-bit", bmp(8, 6, [](auto& l) { l.bitCount = 8; }), Refused},
        {"other bit depth", "16-bit", bmp(8, 6, [](auto& l) { l.bitCount = 16; }), Refused},
        {"other bit depth", "32-bit", bmp(8, 6, [](auto& l) { l.bitCount = 32; }), Refused},
        {"other bit depth", "48-bit", bmp(8, 6, [](auto& l) { l.bitCount = 48; }), Refused},
        {"other bit depth", "0-planes", bmp(8, 6, [](auto& l) { l.planes = 0; }), Refused},
        {"other bit depth", "2-planes", bmp(8, 6, [](auto& l) { l.planes = 2; }), Refused},

        {"compressed", "rle8", bmp(8, 6, [](auto& l) { l.compression = 1; }), Refused},
        {"compressed", "rle4", bmp(8, 6, [](auto& l) { l.compression = 2; }), Refused},
        {"compressed", "bitfields", bmp(8, 6, [](auto& l) { l.compression = 3; }), Refused},
        {"compressed", "jpeg", bmp(8, 6, [](auto& l) { l.compression = 4; }), Refused},
        {"compressed", "png", bmp(8, 6, [](auto& l) { l.compression = 5; }), Refused},

        {"top-down or no area", "top-down", bmp(8, -6, [](auto& l) { l.keepBytes = 54 + 24 * 6; }),
         Refused},
        {"top-down or no area", "top-down-1", bmp(8, -1, [](auto& l) { l.keepBytes = 54 + 24; }),
         Refused},
        {"top-down or no area", "height-min", bmp(8, INT32_MIN, [](auto& l) { l.keepBytes = 200; }),
         Refused},
        {"top-down or no area", "width-0", bmp(0, 6, plain), Refused},
        {"top-down or no area", "height-0", bmp(8, 0, plain), Refused},
        {"top-down or no area", "width-negative", bmp(-8, 6, [](auto& l) { l.keepBytes = 200; }),
         Refused},

        {"not a bitmap", "zip", {'P', 'K', 3, 4, 20, 0, 0, 0}, Refused},
        {"not a bitmap", "ba-signature", patched(0, {'B', 'A'}), Refused},
        {"not a bitmap", "lower-case-bm", patched(0, {'b', 'm'}), Refused},
        {"not a bitmap", "text", {'h', 'e', 'l', 'l', 'o', '\n'}, Refused},

        {"odd but whole", "one-pixel", bmp(1, 1, plain), Shown},
        {"odd but whole", "padded-rows", bmp(5, 3, plain), Shown},
        {"odd but whole", "v5-header",
         bmp(3, 2,
             [](auto& l) {
                 l.infoSize = 124;
                 l.pixelOffset = 14 + 124;
             }),
         Shown},
        {"odd but whole", "gap-before-pixels", bmp(6, 2, [](auto& l) { l.pixelOffset = 4000; }),
         Shown},
        {"odd but whole", "trailing-bytes",
         bmp(8, 6, [](auto& l) { l.keepBytes = 54 + 144 + 999; }), Shown},
    };
    return set;
}

}  // namespace qzr::testing_support
