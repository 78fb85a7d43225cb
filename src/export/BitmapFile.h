#pragma once
// The bytes of an uncompressed Windows bitmap file: a 14-byte file header, a
// 40-byte information header and the pixel rows, without a colour table.
#include <array>
#include <cstdint>
#include <string>

namespace exports { // the folder's name, "export", is a keyword of C++

struct BitmapInfoHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

constexpr std::uint32_t BitmapHeadersSize = 14 + 40;

// Bytes of one pixel row, padded to a multiple of four.
std::uint32_t RowStride(std::int32_t width, std::uint16_t bitCount);

// The header to ask the pixels for and to write: uncompressed, the depth of the
// capture (24 bits instead of a palette depth, since no colour table is
// written), and the image size these rows really take.
BitmapInfoHeader HeaderForFile(const BitmapInfoHeader& queried);

// bfSize is the true file size: both headers plus the pixel data.
std::array<std::uint8_t, 14> FileHeaderBytes(const BitmapInfoHeader& info);
std::array<std::uint8_t, 40> InfoHeaderBytes(const BitmapInfoHeader& info);

// Zeroes the fourth byte of every pixel of 32-bit rows: it carries no colour,
// and readers take a non-zero byte there for transparency.
void ClearUnusedPixelBytes(const BitmapInfoHeader& info, std::uint8_t* pixels, std::size_t size);

// The path a screenshot is saved to: ".bmp" is added unless the chosen name
// already ends in it, in any case.
std::string ScreenshotPath(const std::string& chosenName);

} // namespace exports
