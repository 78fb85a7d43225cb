#include "app/CMainDialog.h"
#include "base/Color.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace {

// The main window, with a test body run at the end of its initialisation.
class ProbeMainDialog : public CMainDialog {
  public:
    std::function<void(ProbeMainDialog&)> body;

    CDriveComboBox& Combo() { return driveCombo; }
    CColorLabel& FreeLabel() { return freeLabel; }
    CColorLabel& VolumeNameLabel() { return volumeNameLabel; }
    CColorLabel& GroupLabel() { return driveGroupLabel; }
    CGradientTextBar& FreeBar() { return freeBar; }
    HFONT TitleFont() const { return titleFont.Get(); }
    HFONT GroupFont() const { return groupFont.Get(); }
    HFONT LabelFont() const { return labelFont.Get(); }
    BOOL Background(HDC dc) { return PaintBackground(dc); }

  protected:
    BOOL OnInitDialog() override {
        const BOOL result = CMainDialog::OnInitDialog();
        ShowWindow(GetHwnd(), SW_SHOW);
        if (body) {
            body(*this);
        }
        EndDialog(IDOK);
        return result;
    }
};

std::string TextOf(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Dark pixels of the closed combo box's text, as the box paints itself.
int ComboInk(HWND combo) {
    RECT rect{};
    GetClientRect(combo, &rect);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageA(combo, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int ink = 0;
    for (int y = 0; y < rect.bottom; ++y) {
        for (int x = 22; x < rect.right - 20; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) {
                ++ink;
            }
        }
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

double MicrosecondsPerCall(const std::function<void()>& call) {
    constexpr int Calls = 20;
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < Calls; ++i) {
        call();
    }
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart) / Calls;
}

} // namespace

TEST(MainDialogView, SetUpStylesEveryControlAndShowsTheFirstDrive) {
    ProbeMainDialog dialog;
    dialog.body = [](ProbeMainDialog& d) {
        HWND window = d.GetHwnd();
        EXPECT_EQ(TextOf(window, IDC_DRIVE_GROUP), "Logical Drive C:\\");
        EXPECT_EQ(TextOf(window, IDC_SUMMARY_GROUP), "Summary");
        EXPECT_EQ(TextOf(window, IDOK), "Exit");
        const int count = d.Combo().GetCount();
        EXPECT_EQ(TextOf(window, IDC_DRIVE_COUNT),
                  ". Number Of Logical Drives: " + std::to_string(count));
        EXPECT_EQ(TextOf(window, IDC_VOLUME_NAME).rfind("Volume Name: ", 0), 0u);
        const std::string system = TextOf(window, IDC_SYSTEM_DRIVE);
        EXPECT_TRUE(system == "System drive: yes" || system == "System drive: no");

        // Fonts and fixed colours.
        EXPECT_EQ(d.VolumeNameLabel().Send(WM_GETFONT), reinterpret_cast<LRESULT>(d.TitleFont()));
        EXPECT_EQ(d.GroupLabel().Send(WM_GETFONT), reinterpret_cast<LRESULT>(d.GroupFont()));
        EXPECT_EQ(SendDlgItemMessageA(window, IDC_SERIAL, WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(d.LabelFont()));
        LOGFONTA group{};
        GetObjectA(d.GroupFont(), sizeof group, &group);
        EXPECT_STREQ(group.lfFaceName, "Comic Sans MS");
        EXPECT_EQ(group.lfHeight, 22);
        EXPECT_EQ(group.lfWeight, FW_BOLD);
        EXPECT_EQ(d.VolumeNameLabel().LabelTextColor(), base::colors::BrickRed);
        EXPECT_EQ(d.GroupLabel().LabelTextColor(), base::colors::DarkBlue);
        EXPECT_EQ(d.FreeLabel().LabelBkColor(), GetSysColor(COLOR_WINDOW));

        // The bars.
        CGradientTextBar& bar = d.FreeBar();
        EXPECT_EQ(bar.GetText(), "%d%%");
        const DWORD style = static_cast<DWORD>(GetWindowLongA(bar.GetHwnd(), GWL_STYLE));
        EXPECT_EQ(style & (TGB_TEXT_MODE | TGB_GRADIENT_ON_BAR),
                  TGB_TEXT_PERCENT | TGB_GRADIENT_ON_BAR);
        EXPECT_EQ(bar.Send(PBM_GETRANGE, FALSE), 100);
        EXPECT_EQ(bar.bkColor, GetSysColor(COLOR_WINDOW));
        EXPECT_EQ(bar.gradientColors,
                  (std::vector<COLORREF>{base::colors::BarStart, base::colors::BarEnd}));
        EXPECT_NE(SendDlgItemMessageA(window, IDC_SUMMARY_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0),
                  0);

        // The free label is coloured by its rule; the colour label answers the
        // control-colour message that the window hands back to it.
        HDC dc = GetDC(window);
        const LRESULT brush = d.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_FREE)));
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(d.FreeLabel().LabelBkBrush()));
        EXPECT_EQ(GetTextColor(dc), d.FreeLabel().LabelTextColor());
        const COLORREF freeColor = d.FreeLabel().LabelTextColor();
        EXPECT_TRUE(freeColor == base::colors::Red || freeColor == base::colors::MediumBlue);
        ReleaseDC(window, dc);
    };
    dialog.DoModal();
}

TEST(MainDialogView, OnlyTheSelectedDriveIsBoldAndRefreshCostIsMeasured) {
    ProbeMainDialog dialog;
    dialog.body = [](ProbeMainDialog& d) {
        CDriveComboBox& combo = d.Combo();
        ASSERT_GE(combo.GetCount(), 1);
        EXPECT_TRUE(combo.IsItemBold(0));
        for (int i = 1; i < combo.GetCount(); ++i) {
            EXPECT_FALSE(combo.IsItemBold(i)) << "item " << i;
        }
        const int boldInk = ComboInk(combo.GetHwnd());
        combo.SetItemBold(0, false);
        const int plainInk = ComboInk(combo.GetHwnd());
        EXPECT_GT(boldInk, plainInk) << "the closed box shows the selected drive in bold";

        // The cost of one refresh, and the share of it spent asking the system.
        const double refresh = MicrosecondsPerCall([&] { d.ShowSelectedDrive(); });
        const double queries = MicrosecondsPerCall([&] {
            d.Inventory().QueryVolumeFacts(d.SelectedDriveRoot());
            d.Inventory().CapacityTotalText();
            d.Inventory().UsedTotalText();
            d.Inventory().FreeTotalText();
        });
        std::cout << "[ measure  ] one ShowSelectedDrive: " << refresh
                  << " us, of which volume queries " << queries << " us\n";
        testing::Test::RecordProperty("ShowSelectedDriveMicroseconds", static_cast<int>(refresh));
        EXPECT_TRUE(combo.IsItemBold(0));
    };
    dialog.DoModal();
}

TEST(MainDialogView, BackgroundIsPaintedInTheWindowColour) {
    ProbeMainDialog dialog;
    dialog.body = [](ProbeMainDialog& d) {
        RECT client{};
        GetClientRect(d.GetHwnd(), &client);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom + 1);
        ReleaseDC(nullptr, screen);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, client.right, client.bottom + 1, BLACKNESS);
        const HGDIOBJ penBefore = GetCurrentObject(dc, OBJ_PEN);
        EXPECT_TRUE(d.Background(dc));
        EXPECT_TRUE(d.Background(dc));
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), penBefore) << "the old pen is put back";
        const COLORREF window = GetNearestColor(dc, GetSysColor(COLOR_WINDOW));
        for (POINT p :
             {POINT{0, 0}, POINT{client.right - 1, 0}, POINT{client.right / 2, client.bottom / 2},
              POINT{client.right - 1, client.bottom}}) {
            EXPECT_EQ(GetPixel(dc, p.x, p.y), window) << p.x << "," << p.y;
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    };
    dialog.DoModal();
}
