// The controls as they draw, checked as properties (where things land is computed
// by pure functions that the host tests check), and the image button's clicks.
#include "controls/CAboutDialog.h"
#include "controls/CBalloonTip.h"
#include "controls/CGradientTextBar.h"
#include "controls/CImageButton.h"
#include "controls/CMenuXP.h"
#include "resource.h"

#include "../unit/RecordingLauncher.h"
#include "Support.h"

#include <commctrl.h>

#include <memory>

using controls::CMenuXP;
using controls::CMenuXPItem;

TEST(GradientTextBar, BandsOverTheFilledPartAndTheTextColourChangesAtItsEnd) {
    CGradientTextBar bar;
    HWND window = Create(PROGRESS_CLASSA, "", WS_POPUP, 0, 0, 100, 40);
    ASSERT_TRUE(bar.Subclass(window));
    const fw::Font font(
        CreateFontA(36, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma"));
    bar.Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()));
    const COLORREF first = RGB(173, 216, 230), last = RGB(165, 42, 42), unpainted = RGB(1, 2, 3);
    bar.bkColor = RGB(250, 250, 250);
    bar.textColorOnBar = RGB(0, 255, 0);
    bar.textColorOnBk = RGB(255, 0, 255);
    bar.ModifyStyle(0, TGB_GRADIENT_ON_BAR);
    bar.SetGradientColors(first, last);
    bar.Send(PBM_SETPOS, 60);
    Canvas bands(100, 40, unpainted);
    bands.Print(window);
    const auto wanted = controls::SegmentBands({0, 60}, {0, 60}, first, last, false);
    for (int x : {0, 30, 59})
        EXPECT_EQ(bands.At(x, 20), wanted[static_cast<std::size_t>(x)].color) << x;
    EXPECT_EQ(bands.At(60, 20), bar.bkColor);

    bar.SetTextFormat("%d%%", TGB_TEXT_PERCENT);
    bar.Send(PBM_SETPOS, 50);
    Canvas text(100, 40, unpainted);
    bar.Send(WM_ERASEBKGND, WPARAM(text.Dc()));
    EXPECT_EQ(text.At(70, 20), unpainted) << "erasing draws nothing";
    text.Print(window);
    EXPECT_EQ(text.Count(unpainted), 0) << "and a paint covers every pixel: no flicker";
    const RECT filled{0, 0, 50, 40}, empty{50, 0, 100, 40};
    EXPECT_GT(text.Count(bar.textColorOnBar, filled), 0) << "text over the bar";
    EXPECT_GT(text.Count(bar.textColorOnBk, empty), 0) << "text over the background";
    EXPECT_EQ(text.Count(bar.textColorOnBar, empty), 0);
    EXPECT_EQ(text.Count(bar.textColorOnBk, filled), 0);
    DestroyWindow(window);
}

namespace {
int liveItems = 0;
struct CountingItem : CMenuXPItem {
    CountingItem() : CMenuXPItem(7, "Item", CopyIcon(LoadIconA(nullptr, IDI_ASTERISK))) {
        ++liveItems;
    }
    ~CountingItem() override { --liveItems; }
};
} // namespace

// The context menu is flat and its submenu in the button style.
TEST(MenuXP, SelectedItemsAndSeparatorsAreDrawnAndDeletingTheMenuFreesEverything) {
    HMENU topHandle = nullptr, subHandle = nullptr;
    HICON icon = nullptr;
    {
        auto top = std::make_unique<CMenuXP>(), sub = std::make_unique<CMenuXP>();
        ASSERT_TRUE(top->CreatePopupMenu() && sub->CreatePopupMenu());
        top->SetStyle(CMenuXP::MenuStyleFlat);
        topHandle = top->GetHandle();
        subHandle = sub->GetHandle();
        auto item = std::make_unique<CountingItem>();
        const CMenuXPItem separator;
        icon = item->icon.Get();
        for (CMenuXP* menu : {top.get(), sub.get()}) {
            const auto draw = [&](const CMenuXPItem& what, UINT state, int height) {
                auto canvas = std::make_unique<Canvas>(160, height);
                const RECT row{0, 0, 160, height};
                const DRAWITEMSTRUCT request{
                    ODT_MENU, 0, 0, 0, state, nullptr, canvas->Dc(), row, ULONG_PTR(&what)};
                menu->DrawItem(request);
                return canvas;
            };
            EXPECT_EQ(draw(*item, 0, 20)->At(155, 10), GetSysColor(COLOR_MENU));
            EXPECT_EQ(draw(*item, ODS_SELECTED, 20)->At(155, 10), GetSysColor(COLOR_HIGHLIGHT));
            EXPECT_EQ(draw(separator, 0, 6)->At(150, 3), GetSysColor(COLOR_BTNSHADOW));
            EXPECT_EQ(draw(separator, 0, 6)->At(150, 1), GetSysColor(COLOR_MENU));
        }
        EXPECT_TRUE(sub->AppendItem(0, std::move(item)) && sub->AppendSeparator());
        EXPECT_TRUE(top->AppendPopup(0, std::move(sub), std::make_unique<CountingItem>()));
        EXPECT_EQ(liveItems, 2);
    }
    EXPECT_EQ(liveItems, 0);
    EXPECT_FALSE(IsMenu(topHandle) || IsMenu(subHandle));
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(icon, &info));
}

namespace {

// The about box's home-page button, whose clicks open the page through a recording launcher.
struct HomePageButton {
    CImageButton& object;
    HWND control;
    const testing_support::RecordingLauncher& launcher;
    int width, height;

    bool Pushed() const { return (SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
    void Hover(bool inside) const {
        SendMessageA(control, WM_MOUSEMOVE, 0, inside ? MAKELPARAM(5, 5) : MAKELPARAM(500, 500));
    }
    std::vector<COLORREF> Look() const {
        Canvas canvas(width, height);
        return canvas.Print(control).Pixels();
    }
    // The pixels, `inset` pixels inside the edges, where two looks differ.
    int Differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b, int inset) const {
        int count = 0;
        for (int y = inset; y < height - inset; ++y)
            for (int x = inset; x < width - inset; ++x)
                count += a[y * width + x] != b[y * width + x] ? 1 : 0;
        return count;
    }
};

void WithHomePageButton(const std::function<void(HomePageButton&)>& test) {
    testing_support::RecordingLauncher launcher;
    CAboutDialog about(launcher);
    WithBoxes([&] { about.DoModal(); },
              [&](HWND box) {
                  SendMessageA(box, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
                  HWND control = GetDlgItem(box, IDC_HOMEPAGE);
                  SendMessageA(control, WM_KILLFOCUS, 0, 0); // drawn without the focus first
                  RECT size{};
                  GetClientRect(control, &size);
                  HomePageButton button{
                      dynamic_cast<CImageButton&>(*fw::Window::FromHandle(control)), control,
                      launcher, size.right, size.bottom};
                  test(button);
                  MSG escape{control, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
                  EXPECT_FALSE(about.PreTranslateMessage(escape)) << "Escape keeps the box open";
                  SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
              });
}

} // namespace

TEST(ImageButton, DoubleClickEnterAndSpaceClickWithoutStickingPressed) {
    WithHomePageButton([](HomePageButton& button) {
        HWND control = button.control;
        SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE); // as the dialog manager does
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        const LPARAM inside = MAKELPARAM(4, 4);
        // The pointer rests on the button, which holds the capture for it: the
        // second press of a double-click still counts.
        SendMessageA(control, WM_MOUSEMOVE, 0, inside);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        SendMessageA(control, WM_MOUSEMOVE, 0, inside);
        SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
        EXPECT_TRUE(button.Pushed());
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        EXPECT_EQ(button.launcher.calls.size(), 2u);
        EXPECT_FALSE(button.Pushed());

        SetFocus(control);
        SendMessageA(control, WM_CHAR, VK_RETURN, 1);
        SendMessageA(control, WM_CHAR, VK_RETURN, 1 | (1 << 30)); // auto-repeat of the same press
        SendMessageA(control, WM_KEYDOWN, VK_SPACE, 1);
        SendMessageA(control, WM_CHAR, ' ', 1);
        SendMessageA(control, WM_KEYUP, VK_SPACE, 0xC0000001);
        EXPECT_FALSE(button.Pushed());

        // A double-click released elsewhere ends the pressed look without a click.
        SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
        ReleaseCapture();
        EXPECT_FALSE(button.Pushed());
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        const std::string open = "Execute open [https://orbelune.example.org/] 10";
        EXPECT_EQ(button.launcher.calls, std::vector<std::string>(4, open));
    });
}

// The classic look is the one drawn when the visual styles are off.
TEST(ImageButton, ClassicLookRaisedSunkenWhenPressedAndFramedWithAFocusRectangle) {
    WithHomePageButton([](HomePageButton& button) {
        button.object.EnableTheme(false);
        const std::vector<COLORREF> normal = button.Look();
        EXPECT_NE(normal.back(), GetSysColor(COLOR_BTNFACE)) << "raised edge";
        button.Hover(true);
        EXPECT_EQ(button.Look(), normal) << "the classic look has no hot state";
        button.Hover(false);
        SendMessageA(button.control, BM_SETSTATE, TRUE, 0);
        const std::vector<COLORREF> pressed = button.Look();
        EXPECT_EQ(pressed.front(), GetSysColor(COLOR_BTNSHADOW)) << "flat shadow frame";
        EXPECT_GT(button.Differing(pressed, normal, 3), 0) << "the icon moves in";
        SendMessageA(button.control, BM_SETSTATE, FALSE, 0);
        SendMessageA(button.control, WM_SETFOCUS, 0, 0);
        const std::vector<COLORREF> focused = button.Look();
        EXPECT_EQ(focused.front(), RGB(0, 0, 0)) << "black frame";
        EXPECT_GT(button.Differing(focused, normal, 3), button.width) << "dotted focus rectangle";
    });
}

TEST(ImageButton, ThemedLookIsTheThemesForEachStateAndFollowsAThemeChange) {
    if (!CThemeApi::IsAppThemed())
        GTEST_SKIP() << "visual styles are off";
    WithHomePageButton([](HomePageButton& button) {
        // The outer band of three pixels is what the visual style draws for the
        // state on the button face; icon and focus lie inside it.
        const auto expectState = [&](int state) {
            Canvas theme(button.width, button.height, GetSysColor(COLOR_BTNFACE));
            const RECT frame{0, 0, button.width, button.height};
            CThemeApi::Theme handle(CThemeApi::OpenThemeData(button.control, "Button"));
            CThemeApi::DrawThemeBackground(handle.Get(), theme.Dc(), ThemePartPushButton, state,
                                           &frame, nullptr);
            const std::vector<COLORREF> drawn = button.Look(), wanted = theme.Pixels();
            EXPECT_EQ(button.Differing(drawn, wanted, 0), button.Differing(drawn, wanted, 3))
                << "state " << state;
            return wanted;
        };
        const std::vector<COLORREF> normal = expectState(ThemeStateNormal);
        button.Hover(true);
        EXPECT_NE(expectState(ThemeStateHot), normal);
        SendMessageA(button.control, BM_SETSTATE, TRUE, 0);
        EXPECT_NE(expectState(ThemeStatePressed), normal);
        SendMessageA(button.control, BM_SETSTATE, FALSE, 0);
        button.Hover(false);
        SendMessageA(button.control, WM_SETFOCUS, 0, 0);
        expectState(ThemeStateDefaulted);

        const std::vector<COLORREF> before = button.Look();
        SendMessageA(button.control, WM_THEMECHANGED, 0, 0);
        EXPECT_FALSE(button.object.IsThemed()) << "closed until the next drawing";
        EXPECT_EQ(button.Look(), before);
        EXPECT_TRUE(button.object.IsThemed());
    });
}

// The tip shows once the pointer has rested on its tool for the delay, with its
// stem's tip on the pointer and without taking the activation; a click hides it.
TEST(BalloonTip, ShowsAfterTheDelayWithItsStemOnThePointerAndAClickHidesIt) {
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 200, 200, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
    HWND tool = CreateWindowExA(0, "BUTTON", "tool", WS_CHILD | WS_VISIBLE, 50, 80, 60, 30, host,
                                nullptr, nullptr, nullptr);
    CBalloonTip tip;
    tip.Create(host);
    tip.delay = 100;
    tip.AddTool(tool, "Make the window transparent...", nullptr);
    const auto relay = [&](UINT message, int dx) {
        RECT rect{};
        GetWindowRect(tool, &rect);
        SetCursorPos(rect.left + 10 + dx, rect.top + 10);
        MSG msg{tool, message, 0, 0, GetTickCount(), {}};
        tip.RelayEvent(msg);
    };
    const auto pump = [](DWORD milliseconds) {
        for (const DWORD end = GetTickCount() + milliseconds; GetTickCount() < end; Sleep(5)) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
        }
    };
    relay(WM_MOUSEMOVE, 0);
    pump(60);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd())) << "not before the delay";
    relay(WM_MOUSEMOVE, 3);
    pump(60);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd())) << "every move starts the delay again";
    pump(150);
    ASSERT_TRUE(IsWindowVisible(tip.GetHwnd()));
    RECT window{};
    GetWindowRect(tip.GetHwnd(), &window);
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(window.right - 12, pointer.x);
    EXPECT_EQ(window.bottom - 10, pointer.y);
    EXPECT_NE(GetActiveWindow(), tip.GetHwnd());
    relay(WM_LBUTTONDOWN, 3);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd()));
    DestroyWindow(host);
}
