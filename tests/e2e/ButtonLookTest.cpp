// The main window's image buttons as they appear on the screen, with the visual
// styles on (the usual profile) and off (the classic profile).
#include "Driver.h"
#include "resource.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace e2e;

namespace {

using ThemeHandle = HANDLE;

// The visual-style functions the check needs, looked up as the program does.
struct VisualStyles {
    VisualStyles() : library(LoadLibraryA("UXTHEME.DLL")) {
        if (library == nullptr)
            return;
        isAppThemed = reinterpret_cast<BOOL(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(library, "IsAppThemed")));
        open = reinterpret_cast<ThemeHandle(WINAPI*)(HWND, LPCWSTR)>(
            reinterpret_cast<void*>(GetProcAddress(library, "OpenThemeData")));
        close = reinterpret_cast<HRESULT(WINAPI*)(ThemeHandle)>(
            reinterpret_cast<void*>(GetProcAddress(library, "CloseThemeData")));
        draw = reinterpret_cast<HRESULT(WINAPI*)(ThemeHandle, HDC, int, int, const RECT*,
                                                 const RECT*)>(
            reinterpret_cast<void*>(GetProcAddress(library, "DrawThemeBackground")));
    }
    ~VisualStyles() {
        if (library != nullptr)
            FreeLibrary(library);
    }
    bool Active() const { return isAppThemed != nullptr && isAppThemed(); }

    HMODULE library = nullptr;
    BOOL(WINAPI* isAppThemed)() = nullptr;
    ThemeHandle(WINAPI* open)(HWND, LPCWSTR) = nullptr;
    HRESULT(WINAPI* close)(ThemeHandle) = nullptr;
    HRESULT(WINAPI* draw)(ThemeHandle, HDC, int, int, const RECT*, const RECT*) = nullptr;
};

// A button's pixels as the screen shows them.
struct Shot {
    Shot(HWND control) {
        RECT rect{};
        GetClientRect(control, &rect);
        width = rect.right;
        height = rect.bottom;
        POINT origin{0, 0};
        ClientToScreen(control, &origin);
        HDC screen = GetDC(nullptr);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(GetPixel(screen, origin.x + x, origin.y + y));
        ReleaseDC(nullptr, screen);
    }
    COLORREF At(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
};

// What the visual style draws for a push button of that size in one state.
Shot ThemeReference(const VisualStyles& styles, const Shot& like, int state) {
    Shot reference = like;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, like.width, like.height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT frame{0, 0, like.width, like.height};
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
    ThemeHandle theme = styles.open(GetDesktopWindow(), L"Button");
    styles.draw(theme, dc, 1, state, &frame, nullptr);
    styles.close(theme);
    for (int y = 0; y < like.height; ++y)
        for (int x = 0; x < like.width; ++x)
            reference.pixels[std::size_t(y * like.width + x)] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return reference;
}

// Points on the edge of a button, away from its rounded corners.
std::vector<POINT> EdgePoints(const Shot& shot) {
    return {{shot.width / 2, 0},
            {shot.width / 2, 1},
            {0, shot.height / 2},
            {shot.width - 1, shot.height / 2},
            {shot.width / 2, shot.height - 1},
            {shot.width / 2, shot.height - 2}};
}

struct MainWindow {
    MainWindow() {
        process = Process::Start(Env("ORBELUNE_EXE"));
        window = FindTopWindow(process.Id(), "Orbelune", "#32770");
        if (window != nullptr) {
            exitButton = GetDlgItem(window, IDOK);
            transparencyButton = GetDlgItem(window, IDC_TRANSPARENCY);
            SetCursorPos(0, 0);
            Sleep(300);
        }
    }
    ~MainWindow() {
        if (window != nullptr)
            Post(window, WM_CLOSE);
        process.WaitForExit();
    }
    void Redraw(HWND control) const {
        Send(control, WM_PAINT);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Sleep(200);
    }
    Process process;
    HWND window = nullptr;
    HWND exitButton = nullptr;
    HWND transparencyButton = nullptr;
};

void HoverOver(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    SetCursorPos(rect.left + 3, rect.top + 3);
    Sleep(100);
    SetCursorPos(rect.left + 4, rect.top + 4);
    Sleep(200);
}

} // namespace

TEST(TwoDrives_ButtonLook, ThemedButtonsShowNormalHotPressedAndDefaultedStates) {
    VisualStyles styles;
    ASSERT_TRUE(styles.Active()) << "the usual profile keeps the default visual style";
    MainWindow main;
    ASSERT_NE(main.window, nullptr);

    auto expectLook = [&](HWND control, int state, const char* name) {
        const Shot shot(control);
        const Shot reference = ThemeReference(styles, shot, state);
        for (const POINT& p : EdgePoints(shot))
            EXPECT_EQ(shot.At(p.x, p.y), reference.At(p.x, p.y))
                << name << " at " << p.x << "," << p.y;
    };
    expectLook(main.exitButton, 5, "focused Exit button: defaulted");
    expectLook(main.transparencyButton, 1, "normal");
    HoverOver(main.transparencyButton);
    expectLook(main.transparencyButton, 2, "hot");
    Send(main.transparencyButton, BM_SETSTATE, TRUE);
    Sleep(200);
    expectLook(main.transparencyButton, 3, "pressed");
    Send(main.transparencyButton, BM_SETSTATE, FALSE);
}

TEST(Classic_ButtonLook, ClassicButtonsShowFrameEdgeAndPressedLook) {
    VisualStyles styles;
    ASSERT_FALSE(styles.Active()) << "this profile switches the visual styles off";
    MainWindow main;
    ASSERT_NE(main.window, nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    const Shot focused(main.exitButton);
    EXPECT_EQ(focused.At(0, 0), RGB(0, 0, 0)) << "black frame of the focused button";
    EXPECT_EQ(focused.At(focused.width - 1, focused.height / 2), RGB(0, 0, 0));
    EXPECT_EQ(focused.At(focused.width / 2, 3), face);

    const Shot normal(main.transparencyButton);
    EXPECT_NE(normal.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(normal.At(normal.width / 2, 2), face);
    EXPECT_EQ(normal.At(normal.width - 1, normal.height - 1), GetSysColor(COLOR_3DDKSHADOW));

    HoverOver(main.transparencyButton);
    const Shot hot(main.transparencyButton);
    EXPECT_EQ(hot.pixels, normal.pixels) << "no hot look without visual styles";

    Send(main.transparencyButton, BM_SETSTATE, TRUE);
    Sleep(200);
    const Shot pressed(main.transparencyButton);
    EXPECT_EQ(pressed.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pressed.At(pressed.width - 1, pressed.height - 1), GetSysColor(COLOR_BTNSHADOW));
    // The icon moves one pixel right and down.
    int shifted = 0;
    for (int y = 3; y < normal.height - 4; ++y)
        for (int x = 3; x < normal.width - 4; ++x)
            shifted += normal.At(x, y) != face && pressed.At(x + 1, y + 1) == normal.At(x, y);
    int drawn = 0;
    for (int y = 3; y < normal.height - 4; ++y)
        for (int x = 3; x < normal.width - 4; ++x)
            drawn += normal.At(x, y) != face;
    EXPECT_GT(drawn, 20);
    EXPECT_EQ(shifted, drawn);
    Send(main.transparencyButton, BM_SETSTATE, FALSE);
}
