#include "export/BitmapFile.h"

#include "base/Format.h"

#include <cstdlib>

namespace exports {

namespace {

template <std::size_t N>
void Put(std::array<std::uint8_t, N>& bytes, std::size_t offset, std::uint32_t value,
         std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

std::uint32_t RowStride(std::int32_t width, std::uint16_t bitCount) {
    const std::uint64_t bits =
        static_cast<std::uint64_t>(width < 0 ? -std::int64_t{width} : width) * bitCount;
    return static_cast<std::uint32_t>((bits + 31) / 32 * 4);
}

BitmapInfoHeader HeaderForFile(const BitmapInfoHeader& queried) {
    BitmapInfoHeader info = queried;
    info.compression = 0;
    if (info.bitCount != 16 && info.bitCount != 24 && info.bitCount != 32) {
        info.bitCount = 24;
        info.clrUsed = 0;
        info.clrImportant = 0;
    }
    const std::uint32_t rows = static_cast<std::uint32_t>(std::abs(info.height));
    info.sizeImage = RowStride(info.width, info.bitCount) * rows;
    return info;
}

std::array<std::uint8_t, 14> FileHeaderBytes(const BitmapInfoHeader& info) {
    std::array<std::uint8_t, 14> bytes{};
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 2, BitmapHeadersSize + info.sizeImage, 4);
    Put(bytes, 10, BitmapHeadersSize, 4);
    return bytes;
}

std::array<std::uint8_t, 40> InfoHeaderBytes(const BitmapInfoHeader& info) {
    std::array<std::uint8_t, 40> bytes{};
    Put(bytes, 0, 40, 4);
    Put(bytes, 4, static_cast<std::uint32_t>(info.width), 4);
    Put(bytes, 8, static_cast<std::uint32_t>(info.height), 4);
    Put(bytes, 12, info.planes, 2);
    Put(bytes, 14, info.bitCount, 2);
    Put(bytes, 16, info.compression, 4);
    Put(bytes, 20, info.sizeImage, 4);
    Put(bytes, 24, static_cast<std::uint32_t>(info.xPelsPerMeter), 4);
    Put(bytes, 28, static_cast<std::uint32_t>(info.yPelsPerMeter), 4);
    Put(bytes, 32, info.clrUsed, 4);
    Put(bytes, 36, info.clrImportant, 4);
    return bytes;
}

void ClearUnusedPixelBytes(const BitmapInfoHeader& info, std::uint8_t* pixels, std::size_t size) {
    if (info.bitCount != 32) {
        return;
    }
    for (std::size_t i = 3; i < size; i += 4) {
        pixels[i] = 0;
    }
}

std::string ScreenshotPath(const std::string& chosenName) {
    if (base::EndsWithNoCase(chosenName, ".bmp")) {
        return chosenName;
    }
    return chosenName + ".bmp";
}

} // namespace exports
