// The controls as they draw (where things land the host tests check) and the image button's clicks.
#include "controls/CAboutDialog.h"
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

TEST(GradientTextBar, BandsOverTheFilledPartAndTheTextColorChangesAtItsEnd) {
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

// The context menu is flat and its submenu in the button style. A menu draws
// its own item records only; deleting the top menu frees both levels.
namespace {
struct Counted : CMenuXPItem {
    using CMenuXPItem::CMenuXPItem;
    ~Counted() override { ++freed; }
    static inline int freed = 0;
};
} // namespace

TEST(MenuXP, SelectedItemsAndSeparatorsAreDrawnAndDeletingTheMenuFreesEverything) {
    HMENU topHandle = nullptr, subHandle = nullptr;
    HICON icon = CopyIcon(LoadIconA(0, IDI_ASTERISK));
    {
        auto top = std::make_unique<CMenuXP>(), sub = std::make_unique<CMenuXP>();
        ASSERT_TRUE(top->CreatePopupMenu() && sub->CreatePopupMenu());
        top->SetStyle(CMenuXP::MenuStyleFlat);
        topHandle = top->GetHandle();
        subHandle = sub->GetHandle();
        auto item = std::make_unique<Counted>(7, "Item", icon);
        auto options = std::make_unique<Counted>(8, "Options", nullptr);
        const ULONG_PTR itemData = ULONG_PTR(item.get()), optionsData = ULONG_PTR(options.get());
        ASSERT_TRUE(sub->AppendItem(0, std::move(item)) && sub->AppendSeparator());
        MENUITEMINFOA separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_DATA;
        GetMenuItemInfoA(subHandle, 1, TRUE, &separator);
        const auto draw = [&](CMenuXP& menu, ULONG_PTR data, UINT state, int height) {
            auto canvas = std::make_unique<Canvas>(160, height);
            const RECT row{0, 0, 160, height};
            const DRAWITEMSTRUCT request{ODT_MENU,     0,   0,   0, state, nullptr,
                                         canvas->Dc(), row, data};
            return menu.DrawItem(request) ? std::move(canvas) : nullptr;
        };
        EXPECT_EQ(draw(*sub, itemData, 0, 20)->At(155, 10), GetSysColor(COLOR_MENU));
        EXPECT_EQ(draw(*sub, separator.dwItemData, 0, 6)->At(150, 3), GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(draw(*sub, separator.dwItemData, 0, 6)->At(150, 1), GetSysColor(COLOR_MENU));
        EXPECT_EQ(draw(*top, itemData, 0, 20), nullptr) << "another menu's record";
        EXPECT_TRUE(top->AppendPopup(0, std::move(sub), std::move(options)));
        EXPECT_EQ(draw(*top, optionsData, ODS_SELECTED, 20)->At(155, 10),
                  GetSysColor(COLOR_HIGHLIGHT));
    }
    EXPECT_EQ(Counted::freed, 2) << "a record left";
    EXPECT_FALSE(IsMenu(topHandle) || IsMenu(subHandle));
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(icon, &info));
}

// The about box's home-page button: the hot, pressed and focused looks differ from the normal one,
// in the theme's look (its state drawn in the outer band of three pixels) and in the classic one,
// which has no hot look; a theme change reopens the theme. A double-click, Enter and Space click
// it, each press once, without leaving it pressed; Escape keeps the box open.
TEST(ImageButton, LooksDifferThemedAndClassicAndEveryClickCountsWithoutStickingPressed) {
    testing_support::RecordingLauncher launcher;
    CAboutDialog about(launcher);
    const auto test = [&](HWND box) {
        SendMessageA(box, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        HWND control = GetDlgItem(box, IDC_HOMEPAGE);
        auto& button = ControlOf<CImageButton>(box, IDC_HOMEPAGE);
        SendMessageA(control, WM_KILLFOCUS, 0, 0); // drawn without the focus first
        RECT size{};
        GetClientRect(control, &size);
        const int width = size.right, height = size.bottom;
        const auto pushed = [&] {
            return (SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        };
        const auto drawn = [&] { return Canvas(width, height).Print(control).Pixels(); };
        // The pixels, `inset` pixels inside the edges, where two looks differ.
        const auto differing = [&](const std::vector<COLORREF>& a, const std::vector<COLORREF>& b,
                                   int inset) {
            int count = 0;
            for (int y = inset; y < height - inset; ++y)
                for (int x = inset; x < width - inset; ++x)
                    count += a[y * width + x] != b[y * width + x] ? 1 : 0;
            return count;
        };
        for (const bool themed : {CThemeApi::IsAppThemed(), false}) {
            SCOPED_TRACE(themed ? "themed" : "classic");
            button.EnableTheme(themed);
            const auto look = [&](bool hot, BOOL pressed, UINT focus, int themeState) {
                SendMessageA(control, WM_MOUSEMOVE, 0,
                             hot ? MAKELPARAM(5, 5) : MAKELPARAM(500, 500));
                SendMessageA(control, BM_SETSTATE, pressed, 0);
                SendMessageA(control, focus, 0, 0);
                const std::vector<COLORREF> pixels = drawn();
                Canvas theme(width, height, GetSysColor(COLOR_BTNFACE));
                const RECT frame{0, 0, width, height};
                CThemeApi::Theme handle(CThemeApi::OpenThemeData(control, "Button"));
                CThemeApi::DrawThemeBackground(handle.Get(), theme.Dc(), ThemePartPushButton,
                                               themeState, &frame, nullptr);
                if (themed) {
                    EXPECT_EQ(differing(pixels, theme.Pixels(), 0),
                              differing(pixels, theme.Pixels(), 3))
                        << "state " << themeState;
                }
                return pixels;
            };
            const auto normal = look(false, FALSE, WM_KILLFOCUS, ThemeStateNormal);
            EXPECT_EQ(look(true, FALSE, WM_KILLFOCUS, ThemeStateHot) != normal, themed);
            EXPECT_GT(differing(look(true, TRUE, WM_KILLFOCUS, ThemeStatePressed), normal, 3), 0);
            const auto focused = look(false, FALSE, WM_SETFOCUS, ThemeStateDefaulted);
            EXPECT_GT(differing(focused, normal, 3), width) << "dotted focus frame";
            if (!themed) { // and a frame around the focused button
                EXPECT_EQ((std::vector<bool>{normal[0] == 0, focused[0] == 0}),
                          (std::vector<bool>{false, true}));
            }
        }
        button.EnableTheme(true);
        const std::vector<COLORREF> before = drawn();
        SendMessageA(control, WM_THEMECHANGED, 0, 0);
        EXPECT_FALSE(button.IsThemed()) << "closed until the next drawing";
        EXPECT_EQ(drawn(), before);
        EXPECT_EQ(button.IsThemed(), CThemeApi::IsAppThemed());

        // The pointer resting on the button holds the capture; once it leaves, a click elsewhere
        // reaches the window under it again.
        SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(GetCapture(), control);
        SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(500, 500));
        EXPECT_EQ(GetCapture(), nullptr);
        SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE); // as the dialog manager does
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        const LPARAM inside = MAKELPARAM(4, 4);
        // The pointer rests on the button, which holds the capture: a double-click's second
        // press still counts.
        SendMessageA(control, WM_MOUSEMOVE, 0, inside);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        SendMessageA(control, WM_MOUSEMOVE, 0, inside);
        SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
        EXPECT_TRUE(pushed());
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        EXPECT_EQ(launcher.calls.size(), 2u);
        EXPECT_FALSE(pushed());

        SetFocus(control);
        SendMessageA(control, WM_CHAR, VK_RETURN, 1);
        SendMessageA(control, WM_CHAR, VK_RETURN, 1 | (1 << 30)); // auto-repeat of the same press
        SendMessageA(control, WM_KEYDOWN, VK_SPACE, 1);
        SendMessageA(control, WM_CHAR, ' ', 1);
        SendMessageA(control, WM_KEYUP, VK_SPACE, 0xC0000001);
        EXPECT_FALSE(pushed());

        // A double-click released elsewhere ends the pressed look without a click.
        SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
        ReleaseCapture();
        EXPECT_FALSE(pushed());
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        const std::string open = "Execute open [https://orbelune.example.org/] 10";
        EXPECT_EQ(launcher.calls, std::vector<std::string>(4, open));
        MSG escape{control, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
        EXPECT_FALSE(about.PreTranslateMessage(escape)) << "Escape keeps the box open";
        SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
    };
    WithBoxes([&] { about.DoModal(); }, test);
}
