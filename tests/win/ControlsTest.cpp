#include "controls/CColorLabel.h"
#include "controls/CGradientTextBar.h"
#include "drives/CDriveComboBox.h"
#include "framework/Handles.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A 32-bit top-down picture in a memory context whose pixels the test reads.
class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    }
    ~Canvas() { SelectObject(dc_.Get(), previous_); }

    HDC Dc() const { return dc_.Get(); }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_;
    int height_;
    fw::MemoryDc dc_;
    fw::Bitmap bitmap_;
    const std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

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

    void Print(Canvas& canvas) {
        bar.Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    }
    // Columns where the given colour appears, as [first, last]; first > last when absent.
    std::pair<int, int> ColumnsOf(const Canvas& canvas, COLORREF color) {
        int first = canvas.Width();
        int last = -1;
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                if (canvas.At(x, y) == color) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        return {first, last};
    }

    CGradientTextBar bar;
    HWND window = nullptr;
    fw::Font font;
};

} // namespace

TEST_F(BarFixture, PaintsTheGradientBandsThenTheBackground) {
    bar.SetTextFormat(nullptr, 0);
    bar.Send(PBM_SETPOS, 60);
    Canvas canvas(100, 40);
    Print(canvas);
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
    Print(canvas);
    const auto onBar = ColumnsOf(canvas, OnBar);
    const auto onBk = ColumnsOf(canvas, OnBk);
    ASSERT_LE(onBar.first, onBar.second) << "text over the bar is missing";
    ASSERT_LE(onBk.first, onBk.second) << "text over the background is missing";
    EXPECT_LT(onBar.second, 50);
    EXPECT_GE(onBk.first, 50);
}

TEST_F(BarFixture, EraseDoesNothingAndEveryPaintCoversTheWholeBar) {
    Canvas canvas(100, 40);
    for (int x = 0; x < 100; ++x) {
        SetPixel(canvas.Dc(), x, 20, RGB(1, 2, 3));
    }
    EXPECT_EQ(bar.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc())), 1);
    EXPECT_EQ(canvas.At(50, 20), RGB(1, 2, 3));
    bar.SetTextFormat("", TGB_TEXT_PERCENT);
    EXPECT_EQ(bar.Send(WM_GETTEXTLENGTH), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & TGB_TEXT_MODE, 0);
    bar.Send(PBM_SETPOS, 30);
    Print(canvas);
    for (int x = 0; x < 100; ++x) {
        EXPECT_NE(canvas.At(x, 20), RGB(1, 2, 3)) << "x " << x;
    }
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

    // A colour change repaints at once, even when the colour is the same.
    ValidateRect(window, nullptr);
    label.SetLabelTextColor(label.LabelTextColor());
    RECT update{};
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
    EXPECT_FALSE(combo.IsItemBold(0));
    EXPECT_TRUE(combo.IsItemBold(1));
    EXPECT_FALSE(combo.IsItemBold(7));

    fw::Font font(CrispFont(20, FW_NORMAL));
    auto inkOf = [&](int item, int& iconPixels) {
        Canvas canvas(120, 24);
        HGDIOBJ previous = SelectObject(canvas.Dc(), font.Get());
        SetBkColor(canvas.Dc(), RGB(255, 255, 255));
        SetTextColor(canvas.Dc(), RGB(0, 0, 0));
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.itemID = static_cast<UINT>(item);
        draw.hDC = canvas.Dc();
        draw.rcItem = RECT{0, 0, 120, 24};
        combo.DrawItem(draw);
        SelectObject(canvas.Dc(), previous);
        int ink = 0;
        iconPixels = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 120; ++x) {
                const COLORREF c = canvas.At(x, y);
                if (x >= 21 && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128 && x > ink) {
                    ink = x; // the rightmost inked column
                }
                if (x < 17 && c != RGB(255, 255, 255)) {
                    ++iconPixels;
                }
            }
        }
        EXPECT_EQ(GetTextColor(canvas.Dc()), RGB(0, 0, 0)) << "colours are restored";
        return ink;
    };
    // The same text drawn directly with the plain and the bold face gives the
    // reference extents.
    auto referenceOf = [&](int weight) {
        Canvas canvas(120, 24);
        fw::Font face(CrispFont(20, weight));
        HGDIOBJ previous = SelectObject(canvas.Dc(), face.Get());
        PatBlt(canvas.Dc(), 0, 0, 120, 24, WHITENESS);
        SetBkColor(canvas.Dc(), RGB(255, 255, 255));
        SetTextColor(canvas.Dc(), RGB(0, 0, 0));
        RECT rect{21, 0, 120, 24};
        DrawTextA(canvas.Dc(), "WWW", 3, &rect, DT_SINGLELINE | DT_VCENTER);
        SelectObject(canvas.Dc(), previous);
        int right = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 21; x < 120; ++x) {
                const COLORREF c = canvas.At(x, y);
                if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128 && x > right) {
                    right = x;
                }
            }
        }
        return right;
    };
    int iconPlain = 0;
    int iconBold = 0;
    const int plain = inkOf(0, iconPlain);
    const int bold = inkOf(1, iconBold);
    EXPECT_GT(plain, 0);
    EXPECT_EQ(plain, referenceOf(FW_NORMAL));
    EXPECT_EQ(bold, referenceOf(FW_BOLD)) << "the bold item is drawn in the bold face";
    EXPECT_GT(iconPlain, 0) << "item 0 has its icon";
    EXPECT_EQ(iconBold, 0) << "item 1 has none";
    DestroyWindow(window);
}
