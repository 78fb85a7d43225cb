// The program at 144 DPI as the screen shows it: another process's fonts cannot
// be read, so its pixels are compared with references drawn here at that DPI.
#include "Orbelune.h"
#include "base/Dpi.h"
#include "controls/GradientGeometry.h"

#include <commctrl.h>

using namespace e2e;

namespace {

// The 0xRRGGBB pixels, top-down, of a rectangle of the screen, or of `paint`'s
// drawing of its size.
struct Pixels {
    explicit Pixels(RECT area, const std::function<void(HDC)>& paint = nullptr)
        : width(area.right - area.left), height(area.bottom - area.top), rgb(width * height) {
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
    // A window's client area on the screen (its top `rows` when given).
    explicit Pixels(HWND window, int rows = -1) : Pixels(ClientArea(window, rows)) {}
    static RECT ClientArea(HWND window, int rows) {
        RECT area{};
        GetClientRect(window, &area);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
        area.bottom = rows < 0 ? area.bottom : area.top + rows;
        return area;
    }
    unsigned At(int x, int y) const { return rgb[y * width + x] & 0xFFFFFF; }
    // The box around the pixels that `ink` takes.
    RECT Box(const std::function<bool(int x, unsigned rgb)>& ink) const {
        RECT box{width, height, 0, 0};
        for (LONG i = 0; i < width * height; ++i)
            if (ink(i % width, At(i % width, i / width)))
                box = {std::min(box.left, i % width), std::min(box.top, i / width),
                       std::max(box.right, i % width + 1), std::max(box.bottom, i / width + 1)};
        return box;
    }
    int width, height;
    std::vector<unsigned> rgb;
};

int Luminance(unsigned c) {
    return (30 * int(c >> 16 & 0xFF) + 59 * int(c >> 8 & 0xFF) + 11 * int(c & 0xFF)) / 100;
}

// True when the program's `size`-pixel image of the icon shows somewhere on
// `p`: all its opaque pixels (alike on black and on white), a quarter at least.
bool ShowsIcon(const Pixels& p, int iconId, int size) {
    static HMODULE exe = LoadLibraryExA(Env("ORBELUNE_EXE").c_str(), 0, LOAD_LIBRARY_AS_DATAFILE);
    HICON icon = HICON(LoadImageA(exe, MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, 0));
    const RECT all{0, 0, size, size};
    const auto on = [&](int brush) {
        return Pixels(all, [&](HDC dc) {
            FillRect(dc, &all, HBRUSH(GetStockObject(brush)));
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        });
    };
    const Pixels black = on(BLACK_BRUSH), white = on(WHITE_BRUSH);
    DestroyIcon(icon);
    for (int top = 0; top + size <= p.height; ++top)
        for (int left = 0; left + size <= p.width; ++left) {
            int matched = 0;
            for (int i = 0; i < size * size && matched >= 0; ++i)
                if (black.rgb[i] == white.rgb[i])
                    matched = p.At(left + i % size, top + i / size) == black.At(i % size, i / size)
                                  ? matched + 1
                                  : -1;
            if (matched >= size * size / 4)
                return true;
        }
    return false;
}

// How the main window on the screen differs from its drawing at 144 DPI; "" when it does not.
std::string Differences(HWND window) {
    std::string found;
    // Each label's bold font, with its height at 96 DPI; a group box has one
    // line of title, on its top edge. The text fits, and its ink is as large
    // as the reference's (its colour may blur an edge).
    const int labels[][2] = {
        {IDC_DRIVE_GROUP, 22},  {IDC_SUMMARY_GROUP, 16}, {IDC_VOLUME_NAME, 16},
        {IDC_CAPACITY, 12},     {IDC_USED, 12},          {IDC_FREE, 12},
        {IDC_SERIAL, 12},       {IDC_FILE_SYSTEM, 12},   {IDC_MAX_NAME_LENGTH, 12},
        {IDC_SYSTEM_DRIVE, 12}, {IDC_DRIVE_COUNT, 12},   {IDC_TOTAL_CAPACITY, 12},
        {IDC_TOTAL_USED, 12},   {IDC_TOTAL_FREE, 12}};
    const auto dark = [](int, unsigned c) { return Luminance(c) < 128; };
    for (const auto& [id, height] : labels) {
        const bool group = id == IDC_DRIVE_GROUP || id == IDC_SUMMARY_GROUP;
        const UINT format = group ? DT_SINGLELINE : DT_WORDBREAK | DT_EXPANDTABS;
        HFONT font = CreateFontA(base::Scale(height, 144), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0,
                                 id == IDC_DRIVE_GROUP ? "Comic Sans MS" : "Tahoma");
        const std::string text = ItemText(window, id);
        RECT client{};
        GetClientRect(GetDlgItem(window, id), &client);
        RECT needed = client;
        const RECT want = Pixels(client, [&](HDC dc) {
                              FillRect(dc, &client, HBRUSH(GetStockObject(WHITE_BRUSH)));
                              SelectObject(dc, font);
                              DrawTextA(dc, text.c_str(), -1, &needed, format | DT_CALCRECT);
                              DrawTextA(dc, text.c_str(), -1, &client, format);
                          }).Box(dark);
        DeleteObject(font);
        const RECT ink = Pixels(GetDlgItem(window, id), group ? needed.bottom : -1).Box(dark);
        if (needed.right > client.right || (!group && needed.bottom > client.bottom) ||
            std::abs((ink.right - ink.left) - (want.right - want.left)) > 2 ||
            std::abs((ink.bottom - ink.top) - (want.bottom - want.top)) > 2)
            found += text + " is not drawn in its font; ";
    }
    // The percentage is centred on the bar: white over the gradient, black beyond.
    HWND bar = GetDlgItem(window, IDC_USED_BAR);
    const Pixels p(bar);
    const int filled = *controls::FilledEnd(int(*Send(bar, PBM_GETPOS)), 0, 100, p.width);
    const RECT text = p.Box(
        [&](int x, unsigned c) { return x < filled ? Luminance(c) > 240 : Luminance(c) < 100; });
    if (std::abs(text.left + text.right - p.width) > 2 ||
        std::abs(text.top + text.bottom - p.height) > 3)
        found += "the bar's percentage is not centred; ";
    // Icons of 16 pixels at 96 DPI come from their own 24-pixel images.
    const int icons[][2] = {
        {IDOK, IDI_EXIT}, {IDC_TRANSPARENCY, IDI_TRANSPARENCY}, {IDC_DRIVE_COMBO, IDI_APP}};
    for (const auto& [id, icon] : icons)
        if (!ShowsIcon(Pixels(GetDlgItem(window, id)), icon, 24))
            found += "not the 24-pixel icon " + std::to_string(icon) + "; ";
    return found;
}

} // namespace

// The screen shows a painting a moment after it was made: the checks are made
// again until they pass or the time is up.
TEST(HighDpi_Window, LabelsBarIconsAndMenuAreDrawnAtTheDpi) {
    App app;
    ASSERT_NE(app.window, nullptr);
    SetCursorPos(0, 0); // no button under the pointer
    std::string found;
    WaitUntil([&] { return (found = Differences(app.window)).empty(); });
    EXPECT_EQ(found, "");
    // The context menu's rows, the first one selected and so filled with the
    // selection colour inside a one-pixel frame, are one and a half times as
    // tall; its icons come from their 24-pixel images.
    ASSERT_TRUE(app.UseMenu(false, {VK_DOWN}));
    const COLORREF s = GetSysColor(COLOR_HIGHLIGHT);
    const unsigned selection = RGB(GetBValue(s), GetGValue(s), GetRValue(s)); // as 0xRRGGBB
    WaitUntil([&] {
        RECT area{};
        GetWindowRect(FindWindowOf(app.Id(), kMenuClass), &area);
        const Pixels p(area);
        const RECT row = p.Box([&](int, unsigned c) { return c == selection; });
        const int height = row.bottom - row.top + 2;
        found = (height == 20 * 3 / 2 ? "" : "rows " + std::to_string(height) + " pixels tall; ") +
                (ShowsIcon(p, IDI_REDUCE, 24) ? "" : "not the 24-pixel icon of Reduce");
        return found.empty();
    });
    EXPECT_EQ(found, "");
    PressKeys(app.window, {VK_ESCAPE, VK_ESCAPE});
    app.Quit();
}
