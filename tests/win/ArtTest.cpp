#include <windows.h>
#include "resource.h"

#include "Canvas.h"

#include <gtest/gtest.h>

#include <set>

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

} // namespace

// The program loads its icons at 16, 24, 32 or 48 pixels after the screen's DPI:
// each size must be an image of its own, never another one stretched.
TEST(Art, EveryIconHasItsOwnImageAtEachSize) {
    for (int id : kIconIds) {
        std::set<int> images;
        for (int size : {16, 24, 32, 48}) {
            SCOPED_TRACE(testing::Message() << "icon " << id << " at " << size);
            HICON icon = LoadIconAt(id, size);
            ASSERT_NE(icon, nullptr);
            const BITMAP colour = ColourBitmapOf(icon);
            EXPECT_EQ(colour.bmWidth, size);
            EXPECT_EQ(colour.bmHeight, size);
            EXPECT_EQ(colour.bmBitsPixel, 32);
            DestroyIcon(icon);
            images.insert(ImageIdFor(id, size));
        }
        EXPECT_EQ(images.size(), 4u) << "icon " << id;
        EXPECT_EQ(images.count(0), 0u) << "icon " << id;
    }
}

// Loaded without a size, as the image buttons do, an icon is its first image,
// which must stay the 16-pixel one.
TEST(Art, IconLoadedWithoutSizeIsTheSmallImage) {
    for (int id : kIconIds) {
        SCOPED_TRACE(id);
        HICON icon = LoadIconAt(id, 0);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(ColourBitmapOf(icon).bmWidth, 16);
        DestroyIcon(icon);
    }
}

TEST(Art, IconBackgroundStaysTransparentOnHighlight) {
    const COLORREF blue = RGB(48, 150, 250);
    Canvas canvas(16, 16, blue);
    HICON icon = LoadIconAt(IDI_APP, 16);
    ASSERT_NE(icon, nullptr);
    DrawIconEx(canvas.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    // The drive leaves the top rows empty and covers the middle.
    EXPECT_EQ(canvas.At(0, 0), blue);
    EXPECT_EQ(canvas.At(15, 1), blue);
    EXPECT_NE(canvas.At(6, 10), blue);
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
