#include "export/CWindowCapture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Read32(const std::vector<unsigned char>& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A DIB section of the given depth whose pixels are filled by `fill`.
template <typename Fill>
HBITMAP MakeSection(int width, int height, WORD bits, const RGBQUAD* palette, int colors,
                    Fill fill) {
    std::vector<unsigned char> block(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = bits;
    info->bmiHeader.biClrUsed = static_cast<DWORD>(colors);
    for (int i = 0; i < colors; ++i) {
        info->bmiColors[i] = palette[i];
    }
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap != nullptr) {
        fill(static_cast<unsigned char*>(pixels));
    }
    return bitmap;
}

class WindowCapture : public testing::Test {
  protected:
    void SetUp() override { screen = GetDC(nullptr); }
    void TearDown() override {
        ReleaseDC(nullptr, screen);
        DeleteFileA(path.c_str());
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }
    HDC screen = nullptr;
    std::string path = TempPath("orbelune-capture-test.bmp");
};

} // namespace

TEST_F(WindowCapture, TakesTheOuterRectangleAndPutsItOnTheClipboard) {
    HWND window = CreateWindowExA(0, "STATIC", "Capture me", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                  50, 217, 143, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    {
        CWindowCapture capture;
        ASSERT_TRUE(capture.CaptureWindowBitmap(window, window));
        BITMAP facts = {};
        ASSERT_TRUE(GetObjectA(capture.captureBitmap(), sizeof facts, &facts));
        EXPECT_EQ(facts.bmWidth, 217);
        EXPECT_EQ(facts.bmHeight, 143);
        EXPECT_EQ(facts.bmBitsPixel, GetDeviceCaps(screen, BITSPIXEL));
        EXPECT_TRUE(capture.BitmapOnClipboard());
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
        // Its file, with the true size at the screen's depth, is checked end to end.
    }
    DestroyWindow(window);
}

TEST_F(WindowCapture, PendingPaintingIsDoneBeforeTheCapture) {
    // Frameless, so that every pixel belongs to the text control's own painting.
    HWND window = CreateWindowExA(0, "STATIC", "Capture me", WS_POPUP | WS_VISIBLE, 40, 50, 120, 30,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        CWindowCapture capture;
        ASSERT_TRUE(capture.CaptureWindowBitmap(window, nullptr));
        ASSERT_TRUE(CWindowCapture::SaveBitmapFile(capture.captureDCHandle(),
                                                   capture.captureBitmap(), path));
    }
    const auto bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), 54u);
    std::set<std::uint32_t> colours;
    for (std::size_t i = 54; i + 4 <= bytes.size(); i += 4) {
        colours.insert(Read32(bytes, i));
    }
    EXPECT_GE(colours.size(), 2u) << "the text was not painted";
    DestroyWindow(window);
}

TEST_F(WindowCapture, PixelsAreWrittenBottomUpInBlueGreenRedAtTwentyFourBits) {
    // 3 x 2 pixels: the top row red, the bottom row blue; rows padded to 12 bytes.
    HBITMAP bitmap = MakeSection(3, 2, 24, nullptr, 0, [](unsigned char* pixels) {
        for (int x = 0; x < 3; ++x) {
            pixels[x * 3] = 0xFF;          // bottom row (stored first): blue
            pixels[12 + x * 3 + 2] = 0xFF; // top row: red
        }
    });
    ASSERT_NE(bitmap, nullptr);
    ASSERT_TRUE(CWindowCapture::SaveBitmapFile(screen, bitmap, path));
    const auto bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 54u + 24u);
    EXPECT_EQ(Read32(bytes, 2), 78u);
    EXPECT_EQ(Read32(bytes, 10), 54u);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(Read32(bytes, 34), 24u);
    EXPECT_EQ(bytes[54], 0xFF);
    EXPECT_EQ(bytes[56], 0x00);
    EXPECT_EQ(bytes[54 + 12 + 2], 0xFF);
    EXPECT_EQ(bytes[54 + 12], 0x00);
    DeleteObject(bitmap);

    // A palette bitmap becomes a true-colour file without a colour table.
    const RGBQUAD palette[2] = {{0x00, 0x00, 0xFF, 0}, {0x00, 0xFF, 0x00, 0}};
    bitmap = MakeSection(2, 1, 8, palette, 2, [](unsigned char* pixels) {
        pixels[0] = 0;
        pixels[1] = 1;
    });
    ASSERT_TRUE(CWindowCapture::SaveBitmapFile(screen, bitmap, path));
    const auto indexed = ReadFile(path);
    ASSERT_EQ(indexed.size(), 54u + 8u);
    EXPECT_EQ(indexed[28], 24);
    EXPECT_EQ(Read32(indexed, 46), 0u);
    EXPECT_EQ(indexed[54 + 2], 0xFF); // red
    EXPECT_EQ(indexed[54 + 4], 0xFF); // green
    DeleteObject(bitmap);
}

TEST_F(WindowCapture, FailedSaveLeavesNoFile) {
    const std::string missing = TempPath("no-such-folder\\shot.bmp");
    HBITMAP bitmap = MakeSection(2, 2, 24, nullptr, 0, [](unsigned char*) {});
    EXPECT_FALSE(CWindowCapture::SaveBitmapFile(screen, bitmap, missing));
    // Not a bitmap: the query fails after the file was opened.
    EXPECT_FALSE(CWindowCapture::SaveBitmapFile(screen, reinterpret_cast<HBITMAP>(screen), path));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteObject(bitmap);
}
