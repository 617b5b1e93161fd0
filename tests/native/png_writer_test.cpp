#include "common/image/png_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstdio>
#include <fstream>

namespace qzr::image {
namespace {

std::uint32_t BigEndianAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} << 24 | bytes[offset + 1] << 16 | bytes[offset + 2] << 8 |
           bytes[offset + 3];
}

TEST(Png, HeaderChunkAndStoredPixels) {
    const std::vector<std::uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    const auto png = EncodePng(rgb, 2, 2);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(BigEndianAt(png, 8), 13u);  // IHDR length
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(BigEndianAt(png, 16), 2u);
    EXPECT_EQ(BigEndianAt(png, 20), 2u);
    EXPECT_EQ(BigEndianAt(png, 29), 0xFDD49A73u);  // CRC of this IHDR, as zlib computes it
    // Stored block: zlib header, block header, then filter byte 0 and the first row.
    const std::size_t idat = 33 + 8;
    EXPECT_EQ(png[idat], 0x78);
    EXPECT_EQ(png[idat + 2], 1);  // final stored block
    EXPECT_EQ(png[idat + 3], 14);  // 2 rows of 1 + 6 bytes
    EXPECT_EQ(png[idat + 7], 0);
    EXPECT_EQ(png[idat + 8], 255);
    EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
}

TEST(Png, LargePicturesSpanSeveralStoredBlocks) {
    const std::uint32_t width = 300, height = 100;  // 90100 bytes of rows: two blocks
    std::vector<std::uint8_t> rgb(width * height * 3, 7);
    const auto png = EncodePng(rgb, width, height);
    const std::size_t idat = 33 + 8;
    EXPECT_EQ(png[idat + 2], 0);  // first block is not the last
    EXPECT_EQ(png[idat + 3] | png[idat + 4] << 8, 65535);
    EXPECT_EQ(BigEndianAt(png, 33), png.size() - 33 - 12 - 12);
}

TEST(Png, WriteFileReportsFailure) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    EXPECT_FALSE(WriteFile("/nonexistent-dir/x.png", bytes));
    const std::string path = testing::TempDir() + "png_writer_test.bin";
    ASSERT_TRUE(WriteFile(path, bytes));
    std::ifstream in(path, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, std::string("\x01\x02\x03"));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace qzr::image
