// The program at 144 DPI (150 %) as the screen shows it. Another process's
// fonts and menus cannot be read, so its pixels are compared with references
// drawn here, in the same prefix and at the same DPI.
#include "Orbelune.h"
#include "base/Dpi.h"
#include "controls/GradientGeometry.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace e2e;

namespace {

// 0xRRGGBB pixels, top-down, of a drawing of `area`'s size; without `paint`,
// of that rectangle of the screen.
struct Pixels {
    Pixels(RECT area, const std::function<void(HDC)>& paint = nullptr)
        : width(area.right - area.left), height(area.bottom - area.top),
          rgb(std::size_t(width * height)) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(dc, bitmap);
        if (paint)
            paint(dc);
        else
            BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        SelectObject(dc, old);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        GetDIBits(dc, bitmap, 0, UINT(height), rgb.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    unsigned At(int x, int y) const { return rgb[std::size_t(y * width + x)] & 0xFFFFFF; }
    int width, height;
    std::vector<unsigned> rgb;
};

// A window's client area on the screen (its top `rows` when given).
Pixels Screen(HWND window, int rows = -1) {
    RECT area{};
    GetClientRect(window, &area);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    area.bottom = rows < 0 ? area.bottom : area.top + rows;
    return Pixels(area);
}

int Luminance(unsigned c) {
    return (30 * int(c >> 16 & 0xFF) + 59 * int(c >> 8 & 0xFF) + 11 * int(c & 0xFF)) / 100;
}

// The box around the pixels that pass `ink`.
RECT InkBox(const Pixels& p, const std::function<bool(int x, unsigned rgb)>& ink) {
    RECT box{p.width, p.height, 0, 0};
    for (LONG y = 0; y < p.height; ++y)
        for (LONG x = 0; x < p.width; ++x)
            if (ink(x, p.At(x, y)))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}
bool Dark(int, unsigned c) {
    return Luminance(c) < 128;
}

// True when all opaque pixels (alike on black and on white) of the program's
// icon image of `size` pixels lie somewhere on `p`.
bool ShowsIcon(const Pixels& p, int iconId, int size) {
    HMODULE exe = LoadLibraryExA(Env("ORBELUNE_EXE").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HICON icon = HICON(LoadImageA(exe, MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0));
    const RECT all{0, 0, size, size};
    auto on = [&](int brush) {
        return Pixels(all, [&](HDC dc) {
            FillRect(dc, &all, HBRUSH(GetStockObject(brush)));
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        });
    };
    const Pixels black = on(BLACK_BRUSH), white = on(WHITE_BRUSH);
    DestroyIcon(icon);
    FreeLibrary(exe);
    std::vector<POINT> opaque;
    for (LONG y = 0; y < size; ++y)
        for (LONG x = 0; x < size; ++x)
            if (black.At(x, y) == white.At(x, y))
                opaque.push_back({x, y});
    for (int top = 0; top + size <= p.height; ++top)
        for (int left = 0; left + size <= p.width; ++left)
            if (opaque.size() >= std::size_t(size * size / 4) &&
                std::all_of(opaque.begin(), opaque.end(), [&](POINT o) {
                    return p.At(left + o.x, top + o.y) == black.At(o.x, o.y);
                }))
                return true;
    return false;
}

} // namespace

TEST(HighDpi_Window, LabelsBarsIconsAndMenuAreDrawnAtTheDpi) {
    App app = StartOrbelune();
    HWND window = app.window;
    ASSERT_NE(window, nullptr);
    SetCursorPos(0, 0);
    Sleep(500);

    // The bold fonts' cell heights at 96 DPI; a group box's title is on its top edge.
    const struct {
        const char* face;
        int height;
        bool group;
        std::vector<int> ids;
    } fonts[] = {
        {"Comic Sans MS", 22, true, {IDC_DRIVE_GROUP}},
        {"Tahoma", 16, true, {IDC_SUMMARY_GROUP}},
        {"Tahoma", 16, false, {IDC_VOLUME_NAME}},
        {"Tahoma",
         12,
         false,
         {IDC_CAPACITY, IDC_USED, IDC_FREE, IDC_SERIAL, IDC_FILE_SYSTEM, IDC_MAX_NAME_LENGTH,
          IDC_SYSTEM_DRIVE, IDC_DRIVE_COUNT, IDC_TOTAL_CAPACITY, IDC_TOTAL_USED, IDC_TOTAL_FREE}},
    };
    for (const auto& f : fonts) {
        HFONT font = CreateFontA(base::Scale(f.height, 144), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH, f.face);
        const UINT format = f.group ? DT_SINGLELINE : DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
        for (int id : f.ids) {
            HWND control = GetDlgItem(window, id);
            const std::string text = ItemText(window, id);
            RECT client{};
            GetClientRect(control, &client);
            RECT needed = client;
            const Pixels drawn(client, [&](HDC dc) {
                FillRect(dc, &client, HBRUSH(GetStockObject(WHITE_BRUSH)));
                SelectObject(dc, font);
                DrawTextA(dc, text.c_str(), -1, &needed, format | DT_CALCRECT);
                DrawTextA(dc, text.c_str(), -1, &client, format);
            });
            EXPECT_LE(needed.right, client.right) << text << ": the text fits its control";
            if (!f.group) {
                EXPECT_LE(needed.bottom, client.bottom) << text;
            }
            // The text's ink, as large as the reference's (its colour may blur an edge).
            const RECT ink = InkBox(Screen(control, f.group ? needed.bottom : -1), Dark);
            const RECT expected = InkBox(drawn, Dark);
            EXPECT_NEAR(ink.right - ink.left, expected.right - expected.left, 2) << text;
            EXPECT_NEAR(ink.bottom - ink.top, expected.bottom - expected.top, 2) << text;
        }
        DeleteObject(font);
    }

    // The percentage is centred on the bar: white over the gradient, black beyond.
    HWND bar = GetDlgItem(window, IDC_USED_BAR);
    const Pixels p = Screen(bar);
    const int filled = *controls::FilledEnd(int(*Send(bar, PBM_GETPOS)), 0, 100, p.width);
    const RECT text = InkBox(
        p, [&](int x, unsigned c) { return x < filled ? Luminance(c) > 240 : Luminance(c) < 100; });
    EXPECT_NEAR(text.left + text.right, p.width, 2);
    EXPECT_NEAR(text.top + text.bottom, p.height, 3);

    // Icons of 16 pixels at 96 DPI come from their own 24-pixel images.
    const int icons[][2] = {
        {IDOK, IDI_EXIT}, {IDC_TRANSPARENCY, IDI_TRANSPARENCY}, {IDC_DRIVE_COMBO, IDI_APP}};
    for (const auto& i : icons)
        EXPECT_TRUE(ShowsIcon(Screen(GetDlgItem(window, i[0])), i[1], 24)) << i[1];

    // The context menu's rows are one and a half times as tall.
    RECT area{};
    GetWindowRect(window, &area);
    Post(window, WM_CONTEXTMENU, WPARAM(window), MAKELPARAM(area.left + 100, area.top + 100));
    HWND menu = FindWindowOf(app.Id(), kMenuClass, nullptr, 5000);
    ASSERT_NE(menu, nullptr);
    PressKeys(window, {VK_DOWN}); // selects the first row
    Sleep(500);
    GetWindowRect(menu, &area);
    const Pixels pixels(area);
    // The selected row is filled with the selection colour inside a one-pixel frame.
    const COLORREF s = GetSysColor(COLOR_HIGHLIGHT);
    const unsigned selection = GetRValue(s) << 16 | GetGValue(s) << 8 | GetBValue(s);
    const RECT row = InkBox(pixels, [&](int, unsigned c) { return c == selection; });
    EXPECT_EQ(row.bottom - row.top + 2, 20 * 3 / 2);
    EXPECT_TRUE(ShowsIcon(pixels, IDI_REDUCE, 24));
    PressKeys(window, {VK_ESCAPE, VK_ESCAPE});
    Quit(app);
}
