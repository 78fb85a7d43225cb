#include <windows.h>
#include "resource.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

const int kIconIds[] = {IDI_APP,     IDI_EXIT,     IDI_SCREENSHOT, IDI_REFRESH,
                        IDI_REPORT,  IDI_EXPLORE,  IDI_PROPERTIES, IDI_FORMAT,
                        IDI_OPTIONS, IDI_DEFRAG,   IDI_ABOUT,      IDI_REDUCE,
                        IDI_RENAME,  IDI_HOMEPAGE, IDI_RECYCLE,    IDI_TRANSPARENCY};

HICON LoadIconAt(int id, int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

// Width, height and colour depth of an icon's colour image.
BITMAP ColourBitmapOf(HICON icon) {
    BITMAP bitmap = {};
    ICONINFO info = {};
    if (GetIconInfo(icon, &info)) {
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    return bitmap;
}

// The resource id of the image that the icon group offers for a size, or 0.
int ImageIdFor(int groupId, int size) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(groupId), RT_GROUP_ICON);
    if (!group)
        return 0;
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    return LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
}

// Draws the icon over a blue 16x16 DIB section and returns the resulting pixels.
std::vector<COLORREF> DrawOverBlue(HICON icon) {
    const COLORREF blue = RGB(48, 150, 250);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    HBRUSH brush = CreateSolidBrush(blue);
    RECT all = {0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(target);
    DeleteDC(dc);
    return pixels;
}

} // namespace

TEST(Art, EveryIconLoadsAsSixteenPixelColourIcon) {
    for (int id : kIconIds) {
        SCOPED_TRACE(id);
        HICON icon = LoadIconAt(id, 16);
        ASSERT_NE(icon, nullptr);
        const BITMAP colour = ColourBitmapOf(icon);
        EXPECT_EQ(colour.bmWidth, 16);
        EXPECT_EQ(colour.bmHeight, 16);
        EXPECT_EQ(colour.bmBitsPixel, 32);
        EXPECT_NE(ImageIdFor(id, 16), 0);
        DestroyIcon(icon);
    }
}

TEST(Art, ApplicationIconHasItsOwnLargeImage) {
    HICON icon = LoadIconAt(IDI_APP, 32);
    ASSERT_NE(icon, nullptr);
    const BITMAP colour = ColourBitmapOf(icon);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DestroyIcon(icon);
    // A drawn 32x32 image, not the small one scaled up.
    EXPECT_NE(ImageIdFor(IDI_APP, 32), ImageIdFor(IDI_APP, 16));
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP)), nullptr);
}

TEST(Art, IconBackgroundStaysTransparentOnHighlight) {
    HICON icon = LoadIconAt(IDI_APP, 16);
    ASSERT_NE(icon, nullptr);
    const std::vector<COLORREF> pixels = DrawOverBlue(icon);
    DestroyIcon(icon);
    // The drive leaves the top rows empty and covers the middle.
    EXPECT_EQ(pixels[0], RGB(48, 150, 250));
    EXPECT_EQ(pixels[16 * 1 + 15], RGB(48, 150, 250));
    EXPECT_NE(pixels[16 * 10 + 6], RGB(48, 150, 250));
}

TEST(Art, SummaryBitmapIsForty24BitPixelsSquare) {
    HANDLE image = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SUMMARY),
                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(image, nullptr);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectA(image, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 40);
    EXPECT_EQ(section.dsBm.bmHeight, 40);
    EXPECT_EQ(section.dsBmih.biBitCount, 24);
    EXPECT_EQ(section.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
    DeleteObject(image);
}
