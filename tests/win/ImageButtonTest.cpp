#include "controls/CImageButton.h"
#include "resource.h"

#include "Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int ButtonId = 77;
constexpr int Width = 72;
constexpr int Height = 31;

// A top-level window that hands owner draw back to its button and counts clicks.
class ButtonHost : public fw::Window {
  public:
    ButtonHost() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ImageButtonTestHost";
        RegisterClassA(&windowClass);
        HWND host =
            CreateWindowExA(0, "ImageButtonTestHost", "host", WS_POPUP | WS_VISIBLE, 100, 100, 200,
                            100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        Subclass(host);
    }
    ~ButtonHost() override {
        HWND host = GetHwnd();
        Unsubclass();
        DestroyWindow(host);
    }

    HWND AddButton(CImageButton& button, DWORD type, const char* caption) {
        HWND control = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | type, 10, 10,
                                       Width, Height, GetHwnd(), HMENU(INT_PTR(ButtonId)),
                                       GetModuleHandleA(nullptr), nullptr);
        button.Subclass(control);
        return control;
    }

    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&ButtonHost::OnCommandMessage>(WM_COMMAND),
        };
        static const fw::MessageMap map(entries, &fw::Window::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    int clicks = 0;

  private:
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM) {
        if (LOWORD(wParam) == ButtonId && HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        return 0;
    }
};

// What the visual style itself draws for one push-button state, on the button face
// that the host leaves as the control colour.
void DrawThemeReference(HWND window, int state, Canvas& canvas) {
    canvas.Fill(GetSysColor(COLOR_BTNFACE));
    const RECT frame{0, 0, Width, Height};
    CThemeApi::ThemeHandle theme = CThemeApi::OpenThemeData(window, "Button");
    CThemeApi::DrawThemeBackground(theme, canvas.Dc(), ThemePartPushButton, state, &frame, nullptr);
    CThemeApi::CloseThemeData(theme);
}

std::vector<COLORREF> PixelsOf(HWND control) {
    Canvas canvas(Width, Height);
    return canvas.Print(control).Pixels();
}

RECT DrawnBox(HWND control, COLORREF face) {
    Canvas canvas(Width, Height);
    return canvas.Print(control).BoundsOfOther(face, 3);
}

void ShowFocusRectangles(HWND window) {
    SendMessageA(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Hover(HWND button, bool inside) {
    SendMessageA(button, WM_MOUSEMOVE, 0, inside ? MAKELPARAM(5, 5) : MAKELPARAM(500, 500));
}

} // namespace

TEST(ImageButton, BecomesOwnerDrawnAndKeepsTheDefaultButtonRole) {
    ButtonHost host;
    CImageButton button;
    HWND control = host.AddButton(button, BS_DEFPUSHBUTTON | WS_TABSTOP, "Exit");
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(button.IsDefault());

    MSG tab{control, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(SendMessageA(control, WM_GETDLGCODE, 0, LPARAM(&tab)), DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessageA(control, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS | DLGC_DEFPUSHBUTTON);

    SendMessageA(control, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(SendMessageA(control, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS | DLGC_UNDEFPUSHBUTTON);
    SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(button.IsDefault());
}

TEST(ImageButton, DoubleClickEnterAndSpaceClickWithoutStickingPressed) {
    ButtonHost host;
    CImageButton button;
    HWND control = host.AddButton(button, BS_PUSHBUTTON | WS_TABSTOP, "");
    const LPARAM inside = MAKELPARAM(5, 5);

    // The pointer rests on the button, which holds the capture for it: the
    // second press of a double-click still counts.
    SendMessageA(control, WM_MOUSEMOVE, 0, inside);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageA(control, WM_LBUTTONUP, 0, inside);
    SendMessageA(control, WM_MOUSEMOVE, 0, inside);
    SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    EXPECT_TRUE(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(control, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(host.clicks, 2);
    EXPECT_FALSE(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED);

    SetFocus(control);
    host.clicks = 0;
    SendMessageA(control, WM_CHAR, VK_RETURN, 1);
    SendMessageA(control, WM_CHAR, VK_RETURN, 1 | (1 << 30)); // auto-repeat of the same press
    EXPECT_EQ(host.clicks, 1);
    EXPECT_FALSE(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED);

    host.clicks = 0;
    SendMessageA(control, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageA(control, WM_CHAR, ' ', 1);
    SendMessageA(control, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(host.clicks, 1);
    EXPECT_FALSE(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED);

    // A double-click released elsewhere ends the pressed look without a click.
    host.clicks = 0;
    SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    ReleaseCapture();
    EXPECT_FALSE(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(control, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(host.clicks, 0);
}

TEST(ImageButton, ClassicLookInEveryState) {
    ButtonHost host;
    CImageButton button;
    HWND control = host.AddButton(button, BS_PUSHBUTTON | WS_TABSTOP, "");
    button.EnableTheme(false);
    button.SetIcon(IDI_TRANSPARENCY, 0);
    ASSERT_NE(button.GetIcon(), nullptr);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    Canvas normal(Width, Height);
    normal.Print(control);
    EXPECT_EQ(normal.At(Width / 2, 3), face);
    EXPECT_NE(normal.At(0, 0), RGB(0, 0, 0));
    EXPECT_NE(normal.At(Width - 1, Height - 1), face) << "raised edge";
    const RECT icon = normal.BoundsOfOther(face, 3);
    EXPECT_EQ(icon.left, (Width - 16) / 2);
    EXPECT_EQ(icon.top, (Height - 16) / 2);
    EXPECT_LE(icon.right - icon.left, 16) << "drawn at its own size";
    EXPECT_LE(icon.bottom - icon.top, 16);

    Hover(control, true);
    EXPECT_TRUE(button.IsHovered());
    EXPECT_EQ(GetCapture(), control) << "the pointer is tracked";
    EXPECT_EQ(PixelsOf(control), normal.Pixels()) << "the classic look has no hot state";
    Hover(control, false);
    EXPECT_FALSE(button.IsHovered());
    EXPECT_NE(GetCapture(), control);

    SendMessageA(control, BM_SETSTATE, TRUE, 0);
    Canvas pressed(Width, Height);
    pressed.Print(control);
    EXPECT_EQ(pressed.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pressed.At(Width - 1, Height - 1), GetSysColor(COLOR_BTNSHADOW));
    const RECT sunken = pressed.BoundsOfOther(face, 3);
    EXPECT_EQ(sunken.left, icon.left + 1);
    EXPECT_EQ(sunken.top, icon.top + 1);
    SendMessageA(control, BM_SETSTATE, FALSE, 0);

    SetFocus(control);
    ShowFocusRectangles(host.GetHwnd());
    Canvas focused(Width, Height);
    focused.Print(control);
    EXPECT_EQ(focused.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(focused.At(Width - 1, Height / 2), RGB(0, 0, 0));
    int dotted = 0;
    for (int x = 5; x < Width - 5; ++x)
        dotted += focused.At(x, 4) != face;
    EXPECT_GT(dotted, 10) << "focus rectangle 3 pixels inside the black frame";
    EXPECT_EQ(focused.At(Width / 2, 3), face);
}

TEST(ImageButton, CaptionAndIconPlacementsInTheClassicLook) {
    ButtonHost host;
    CImageButton button;
    HWND control = host.AddButton(button, BS_PUSHBUTTON, "Exit");
    button.EnableTheme(false);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    button.SetIcon(IDI_EXIT, 1);
    EXPECT_EQ(DrawnBox(control, face).left, 8) << "icon half its width from the edge";
    button.SetIcon(IDI_EXIT, 2);
    EXPECT_EQ(DrawnBox(control, face).right, Width - 8);
    button.SetIconHandle(nullptr, 1);
    const RECT centred = DrawnBox(control, face);
    EXPECT_NEAR((centred.left + centred.right) / 2, Width / 2, 2) << "caption alone is centred";

    EnableWindow(control, FALSE);
    button.SetIcon(IDI_EXIT, 1);
    const std::vector<COLORREF> disabled = PixelsOf(control);
    EXPECT_NE(std::find(disabled.begin(), disabled.end(), GetSysColor(COLOR_3DHILIGHT)),
              disabled.end())
        << "embossed caption";
}

TEST(ImageButton, ThemedLookFollowsTheState) {
    if (!CThemeApi::IsAppThemed())
        GTEST_SKIP() << "visual styles are off";
    ButtonHost host;
    CImageButton button;
    HWND control = host.AddButton(button, BS_PUSHBUTTON | WS_TABSTOP, "");
    button.SetIcon(IDI_TRANSPARENCY, 0);
    UpdateWindow(control);
    ASSERT_TRUE(button.IsThemed()) << "the theme is opened at the first drawing";

    // The outer band of three pixels holds the theme's edge, apart from icon and focus.
    auto expectState = [&](int state, const char* name) {
        Canvas drawn(Width, Height);
        drawn.Print(control);
        Canvas reference(Width, Height);
        DrawThemeReference(control, state, reference);
        int differing = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                const bool band = x < 3 || y < 3 || x >= Width - 3 || y >= Height - 3;
                differing += band && drawn.At(x, y) != reference.At(x, y);
            }
        EXPECT_EQ(differing, 0) << name;
    };
    expectState(ThemeStateNormal, "normal");
    Hover(control, true);
    expectState(ThemeStateHot, "hot");
    SendMessageA(control, BM_SETSTATE, TRUE, 0);
    expectState(ThemeStatePressed, "pressed");
    SendMessageA(control, BM_SETSTATE, FALSE, 0);
    Hover(control, false);
    SetFocus(control);
    expectState(ThemeStateDefaulted, "defaulted");

    Canvas normal(Width, Height);
    Canvas hot(Width, Height);
    DrawThemeReference(control, ThemeStateNormal, normal);
    DrawThemeReference(control, ThemeStateHot, hot);
    EXPECT_NE(normal.Pixels(), hot.Pixels());
}

TEST(ImageButton, SwitchingTheThemeOffAndOnRedrawsInTheNewLook) {
    ButtonHost host;
    CImageButton button;
    HWND control = host.AddButton(button, BS_PUSHBUTTON, "");
    const std::vector<COLORREF> first = PixelsOf(control);
    const bool themed = button.IsThemed();
    SendMessageA(control, WM_THEMECHANGED, 0, 0);
    EXPECT_FALSE(button.IsThemed()) << "closed until the next drawing";
    EXPECT_EQ(PixelsOf(control), first);
    EXPECT_EQ(button.IsThemed(), themed);
}
