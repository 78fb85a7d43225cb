#include "controls/CColorLabel.h"
#include "controls/CGradientTextBar.h"
#include "drives/CDriveComboBox.h"

#include "Canvas.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

// A standard control created as its own top-level window, linked to `object`.
HWND CreateLinked(fw::Window& object, const char* className, DWORD style, int width, int height) {
    HWND window = CreateWindowExA(0, className, "", WS_POPUP | style, 0, 0, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(object.Subclass(window));
    return window;
}

HFONT CrispFont(int height, int weight) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
}

constexpr COLORREF Background = RGB(250, 250, 250);
constexpr COLORREF OnBar = RGB(0, 255, 0);
constexpr COLORREF OnBk = RGB(255, 0, 255);

struct BarFixture : testing::Test {
    void SetUp() override {
        window = CreateLinked(bar, PROGRESS_CLASSA, 0, 100, 40);
        font.Reset(CrispFont(36, FW_BOLD));
        bar.Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()));
        bar.bkColor = Background;
        bar.textColorOnBar = OnBar;
        bar.textColorOnBk = OnBk;
        bar.SetTextFormat("%d%%", TGB_TEXT_PERCENT);
        bar.ModifyStyle(0, TGB_GRADIENT_ON_BAR);
        bar.SetGradientColors(RGB(173, 216, 230), RGB(165, 42, 42));
        bar.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }
    void TearDown() override { DestroyWindow(window); }

    CGradientTextBar bar;
    HWND window = nullptr;
    fw::Font font;
};

} // namespace

TEST_F(BarFixture, PaintsTheGradientBandsThenTheBackground) {
    bar.SetTextFormat(nullptr, 0);
    bar.Send(PBM_SETPOS, 60);
    Canvas canvas(100, 40);
    canvas.Print(window);
    const auto bands =
        controls::SegmentBands({0, 60}, {0, 60}, RGB(173, 216, 230), RGB(165, 42, 42), false);
    for (int x : {0, 1, 30, 59}) {
        EXPECT_EQ(canvas.At(x, 20), bands[static_cast<std::size_t>(x)].color) << "x " << x;
    }
    EXPECT_EQ(canvas.At(0, 20), RGB(173, 216, 230));
    for (int x : {60, 80, 99}) {
        EXPECT_EQ(canvas.At(x, 20), Background) << "x " << x;
    }
}

TEST_F(BarFixture, TextChangesColourExactlyAtTheFilledEnd) {
    bar.Send(PBM_SETPOS, 50);
    Canvas canvas(100, 40);
    canvas.Print(window);
    const RECT onBar = canvas.BoundsWhere([](COLORREF c) { return c == OnBar; });
    const RECT onBk = canvas.BoundsWhere([](COLORREF c) { return c == OnBk; });
    ASSERT_LT(onBar.left, onBar.right) << "text over the bar is missing";
    ASSERT_LT(onBk.left, onBk.right) << "text over the background is missing";
    EXPECT_LE(onBar.right, 50);
    EXPECT_GE(onBk.left, 50);
}

TEST_F(BarFixture, EraseDoesNothingAndEveryPaintCoversTheWholeBar) {
    Canvas canvas(100, 40, RGB(1, 2, 3));
    EXPECT_EQ(bar.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc())), 1);
    EXPECT_EQ(canvas.At(50, 20), RGB(1, 2, 3));
    bar.SetTextFormat("", TGB_TEXT_PERCENT);
    EXPECT_EQ(bar.Send(WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & TGB_TEXT_MODE, 0);
    bar.Send(PBM_SETPOS, 30);
    canvas.Print(window);
    EXPECT_EQ(canvas.BoundsWhere([](COLORREF c) { return c == RGB(1, 2, 3); }).right, 0);
}

TEST(ColorLabel, AnswersTheReflectedColourMessageWithItsColoursAndBrush) {
    CColorLabel label;
    HWND window = CreateLinked(label, "STATIC", SS_LEFT | WS_VISIBLE, 80, 20);
    label.SetLabelTextColor(RGB(178, 34, 34));
    label.SetLabelBkColor(RGB(10, 20, 30));
    Canvas canvas(4, 4);
    const LRESULT brush =
        label.Send(fw::ReflectBase + WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()),
                   reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(label.LabelBkBrush()));
    EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(178, 34, 34));
    EXPECT_EQ(GetBkColor(canvas.Dc()), RGB(10, 20, 30));
    LOGBRUSH logBrush{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(brush), sizeof logBrush, &logBrush);
    EXPECT_EQ(logBrush.lbColor, RGB(10, 20, 30));

    label.SetLabelTextColor(CColorLabel::SystemColor);
    label.SetLabelBkColor(CColorLabel::SystemColor);
    EXPECT_EQ(label.LabelTextColor(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(label.LabelBkColor(), GetSysColor(COLOR_BTNFACE));

    // A colour change repaints; setting the same colour again does not.
    RECT update{};
    ValidateRect(window, nullptr);
    label.SetLabelTextColor(label.LabelTextColor());
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
    label.SetLabelTextColor(RGB(1, 2, 3));
    EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
    DestroyWindow(window);
    EXPECT_EQ(label.LabelBkBrush(), nullptr);
}

TEST(DriveComboBox, OnlyBoldItemsAreDrawnBoldWithTheirIcon) {
    CDriveComboBox combo;
    HWND window = CreateLinked(combo, WC_COMBOBOXA,
                               CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 120, 200);
    combo.Send(CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("WWW"));
    combo.Send(CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("WWW"));
    combo.SetItemIcon(0, 128);
    combo.SetItemBold(1, true);
    combo.SetItemBold(0, false);
    EXPECT_FALSE(combo.IsItemBold(7));

    // Draws with `draw` in a plain 20-pixel face on white; returns the dark
    // pixels of the text right of the icon column and whether that column has ink.
    fw::Font plainFace(CrispFont(20, FW_NORMAL));
    auto drawn = [&](auto draw) {
        Canvas canvas(120, 24, RGB(255, 255, 255));
        fw::SelectGuard font(canvas.Dc(), plainFace.Get());
        SetTextColor(canvas.Dc(), RGB(0, 0, 0));
        draw(canvas.Dc());
        EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(0, 0, 0)) << "colours are restored";
        int ink = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 21; x < 120; ++x)
                ink += IsDark(canvas.At(x, y));
        return std::make_pair(ink, canvas.BoundsOfOther(RGB(255, 255, 255)).left < 17);
    };
    auto item = [&](int index) {
        return drawn([&](HDC dc) {
            DRAWITEMSTRUCT draw{};
            draw.CtlType = ODT_COMBOBOX;
            draw.itemID = static_cast<UINT>(index);
            draw.hDC = dc;
            draw.rcItem = RECT{0, 0, 120, 24};
            combo.DrawItem(draw);
        });
    };
    // The same text drawn directly in each face gives the reference ink.
    auto reference = [&](int weight) {
        return drawn([&](HDC dc) {
                   fw::Font face(CrispFont(20, weight));
                   fw::SelectGuard font(dc, face.Get());
                   RECT rect{21, 0, 120, 24};
                   DrawTextA(dc, "WWW", 3, &rect, DT_SINGLELINE | DT_VCENTER);
               })
            .first;
    };
    const auto plain = item(0);
    const auto bold = item(1);
    EXPECT_EQ(plain.first, reference(FW_NORMAL));
    EXPECT_EQ(bold.first, reference(FW_BOLD)) << "the bold item is drawn in the bold face";
    EXPECT_TRUE(plain.second) << "item 0 has its icon";
    EXPECT_FALSE(bold.second) << "item 1 has none";
    DestroyWindow(window);
}
