#include "export/BitmapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace exports;

namespace {

std::uint32_t Read32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

BitmapInfoHeader Queried(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    BitmapInfoHeader info;
    info.width = width;
    info.height = height;
    info.bitCount = bits;
    info.compression = 3; // what a query of a 16 or 32 bit bitmap may report
    return info;
}

} // namespace

TEST(BitmapFile, FileSizeIsTheTrueSizeAt24And32Bits) {
    // Rows of 5 pixels: 15 bytes padded to 16 at 24 bits, 20 at 32 bits.
    const BitmapInfoHeader rgb = HeaderForFile(Queried(5, 3, 24));
    EXPECT_EQ(rgb.sizeImage, 48u);
    const auto header = FileHeaderBytes(rgb);
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(Read32(header.data() + 2), 54u + 48u);
    EXPECT_EQ(Read32(header.data() + 6), 0u); // both reserved words
    EXPECT_EQ(Read32(header.data() + 10), 54u);

    // Four bytes a pixel: the file is larger than three bytes a pixel would make it.
    const BitmapInfoHeader rgba = HeaderForFile(Queried(5, 3, 32));
    EXPECT_EQ(rgba.sizeImage, 60u);
    EXPECT_EQ(Read32(FileHeaderBytes(rgba).data() + 2), 54u + 60u);
}

TEST(BitmapFile, InfoHeaderKeepsTheDepthDropsCompressionAndSizesTheRows) {
    BitmapInfoHeader queried = Queried(640, 480, 32);
    queried.sizeImage = 12345; // never trusted: the rows decide the size
    queried.xPelsPerMeter = 2835;
    const BitmapInfoHeader info = HeaderForFile(queried);
    EXPECT_EQ(info.bitCount, 32);
    EXPECT_EQ(info.compression, 0u);
    EXPECT_EQ(HeaderForFile(Queried(300, 200, 16)).bitCount, 16);
    const auto bytes = InfoHeaderBytes(info);
    EXPECT_EQ(Read32(bytes.data()), 40u);
    EXPECT_EQ(Read32(bytes.data() + 4), 640u);
    EXPECT_EQ(Read32(bytes.data() + 8), 480u);
    EXPECT_EQ(bytes[12] | bytes[13] << 8, 1);
    EXPECT_EQ(bytes[14] | bytes[15] << 8, 32);
    EXPECT_EQ(Read32(bytes.data() + 16), 0u);
    EXPECT_EQ(Read32(bytes.data() + 20), 2560u * 480);
    EXPECT_EQ(Read32(bytes.data() + 24), 2835u);
    // Palette depths become true colour without a colour table.
    BitmapInfoHeader palette = Queried(10, 2, 8);
    palette.clrUsed = 256;
    palette.clrImportant = 16;
    const BitmapInfoHeader rgb = HeaderForFile(palette);
    EXPECT_EQ((std::vector<std::uint32_t>{rgb.bitCount, rgb.clrUsed, rgb.clrImportant, rgb.sizeImage}),
              (std::vector<std::uint32_t>{24, 0, 0, 64}));
    // True-colour depths keep what the query said, and every field reaches its bytes.
    queried.yPelsPerMeter = 3780;
    queried.clrUsed = 0x01020304;
    queried.clrImportant = 0x05060708;
    const auto more = InfoHeaderBytes(HeaderForFile(queried));
    EXPECT_EQ(Read32(more.data() + 28), 3780u);
    EXPECT_EQ(Read32(more.data() + 32), 0x01020304u);
    EXPECT_EQ(Read32(more.data() + 36), 0x05060708u);
    BitmapInfoHeader counted = Queried(4, 4, 24);
    counted.clrUsed = 3;
    EXPECT_EQ(HeaderForFile(counted).clrUsed, 3u);
}

TEST(BitmapFile, FourthByteOfThirtyTwoBitPixelsIsCleared) {
    std::uint8_t pixels[8] = {1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    ClearUnusedPixelBytes(HeaderForFile(Queried(2, 1, 32)), pixels, sizeof pixels);
    const std::uint8_t expected[8] = {1, 2, 3, 0, 4, 5, 6, 0};
    EXPECT_TRUE(std::equal(pixels, pixels + 8, expected));

    // A size that is not a whole number of pixels is never written beyond.
    std::vector<std::uint8_t> odd(7, 0xFF);
    ClearUnusedPixelBytes(HeaderForFile(Queried(2, 1, 32)), odd.data(), odd.size());
    EXPECT_EQ(odd[3], 0);

    std::uint8_t rgb[8] = {1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    ClearUnusedPixelBytes(HeaderForFile(Queried(2, 1, 24)), rgb, sizeof rgb);
    EXPECT_EQ(rgb[3], 0xFF);
    EXPECT_EQ(rgb[7], 0x80);
}

TEST(BitmapFile, ScreenshotPathAddsBmpOnlyWhenMissing) {
    EXPECT_EQ(ScreenshotPath("shot"), "shot.bmp");
    EXPECT_EQ(ScreenshotPath("shot.bmp"), "shot.bmp");
    EXPECT_EQ(ScreenshotPath("C:\\pics\\SHOT.BMP"), "C:\\pics\\SHOT.BMP");
    EXPECT_EQ(ScreenshotPath("shot.bm"), "shot.bm.bmp");
}
