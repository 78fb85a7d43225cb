#include "app/CMainDialog.h"
#include "base/Color.h"
#include "controls/CMenuXP.h"
#include "framework/Menu.h"

#include "../unit/RecordingLauncher.h"

#include "Canvas.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The main window, run modally: `body` runs at the end of its initialisation,
// and the commands it posts are handled by the modal loop before it closes.
class ProbeMainDialog : public CMainDialog {
  public:
    std::function<void(ProbeMainDialog&)> body;
    std::string rootAtStart;

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
        rootAtStart = SelectedDriveRoot();
        if (body) {
            body(*this);
        }
        PostMessageA(GetHwnd(), WM_COMMAND, IDOK, 0);
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
    Canvas canvas(rect.right, rect.bottom);
    canvas.Print(combo);
    int ink = 0;
    for (int y = 0; y < rect.bottom; ++y)
        for (int x = 22; x < rect.right - 20; ++x) {
            const COLORREF c = canvas.At(x, y);
            ink += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
        }
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

void PostCommand(CMainDialog& dialog, UINT id) {
    PostMessageA(dialog.GetHwnd(), WM_COMMAND, id, 0);
}

std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

struct MenuSnapshot {
    std::vector<std::string> top;
    std::vector<std::string> options;
    bool topIsFlat = false;
    bool optionsIsButton = false;
};

std::vector<std::string> ItemTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        const controls::CMenuXPItem* item = controls::CMenuXPItem::FromItemData(info.dwItemData);
        if ((info.fType & MFT_OWNERDRAW) == 0 || item == nullptr) {
            texts.push_back("<not owner-drawn>");
        } else if (item->isSeparator) {
            texts.push_back("-");
        } else if (info.hSubMenu != nullptr) {
            texts.push_back(item->text + " >");
        } else {
            texts.push_back(item->text + " #" + std::to_string(info.wID));
        }
    }
    return texts;
}

MenuSnapshot* snapshot = nullptr;

// Reads the open context menu from its popup window, then closes it.
void CALLBACK InspectOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup)) {
        return;
    }
    KillTimer(nullptr, timer);
    auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    snapshot->top = ItemTexts(menu);
    snapshot->options = ItemTexts(GetSubMenu(menu, 0));
    auto* top = dynamic_cast<controls::CMenuXP*>(fw::Menu::FromHandle(menu));
    auto* options = dynamic_cast<controls::CMenuXP*>(fw::Menu::FromHandle(GetSubMenu(menu, 0)));
    snapshot->topIsFlat = top != nullptr && top->GetStyle() == controls::CMenuXP::MenuStyleFlat;
    snapshot->optionsIsButton =
        options != nullptr && options->GetStyle() == controls::CMenuXP::MenuStyleButton;
    EndMenu();
}

} // namespace

TEST(MainDialogView, SetUpStylesEveryControlAndShowsTheFirstDrive) {
    ProbeMainDialog dialog;
    dialog.body = [](ProbeMainDialog& d) {
        HWND window = d.GetHwnd();
        // Every label's text is read back from the program itself, end to end.
        EXPECT_EQ(TextOf(window, IDC_DRIVE_GROUP), "Logical Drive C:\\");

        // The fonts reach their labels.
        EXPECT_EQ(d.VolumeNameLabel().Send(WM_GETFONT), reinterpret_cast<LRESULT>(d.TitleFont()));
        EXPECT_EQ(d.GroupLabel().Send(WM_GETFONT), reinterpret_cast<LRESULT>(d.GroupFont()));
        EXPECT_EQ(SendDlgItemMessageA(window, IDC_SERIAL, WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(d.LabelFont()));
        EXPECT_EQ(d.FreeLabel().LabelBkColor(), GetSysColor(COLOR_WINDOW));

        // The bars.
        CGradientTextBar& bar = d.FreeBar();
        const DWORD style = static_cast<DWORD>(GetWindowLongA(bar.GetHwnd(), GWL_STYLE));
        EXPECT_EQ(style & (TGB_TEXT_MODE | TGB_GRADIENT_ON_BAR),
                  TGB_TEXT_PERCENT | TGB_GRADIENT_ON_BAR);
        EXPECT_EQ(bar.Send(PBM_GETRANGE, FALSE), 100);
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
        EXPECT_GT(boldInk, ComboInk(combo.GetHwnd())) << "the closed box shows it in bold";

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
        EXPECT_TRUE(combo.IsItemBold(0)) << "a refresh makes the selected drive bold again";
    };
    dialog.DoModal();
}

TEST(MainDialogView, BackgroundIsPaintedInTheWindowColour) {
    ProbeMainDialog dialog;
    dialog.body = [](ProbeMainDialog& d) {
        RECT client{};
        GetClientRect(d.GetHwnd(), &client);
        Canvas canvas(client.right, client.bottom + 1);
        const HGDIOBJ penBefore = GetCurrentObject(canvas.Dc(), OBJ_PEN);
        EXPECT_TRUE(d.Background(canvas.Dc()));
        EXPECT_TRUE(d.Background(canvas.Dc()));
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), penBefore) << "the old pen is put back";
        for (POINT p :
             {POINT{0, 0}, POINT{client.right - 1, 0}, POINT{client.right / 2, client.bottom / 2},
              POINT{client.right - 1, client.bottom}}) {
            EXPECT_EQ(canvas.At(p.x, p.y), GetSysColor(COLOR_WINDOW)) << p.x << "," << p.y;
        }
    };
    dialog.DoModal();
}

TEST(MainDialogCommands, ShellActionsReachTheLauncherWithTheSelectedRoot) {
    testing_support::RecordingLauncher launcher;
    ProbeMainDialog dialog;
    dialog.SetShellLauncher(launcher);
    dialog.body = [](ProbeMainDialog& d) {
        for (UINT id : {ID_EXPLORE, ID_PROPERTIES, ID_SEARCH, ID_DEFRAG, ID_CLEAN}) {
            PostCommand(d, id);
        }
    };
    dialog.DoModal();
    const std::string root = dialog.rootAtStart;
    ASSERT_FALSE(root.empty());
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{
                                  "Execute open [" + root + "] 10",
                                  "ExecuteEx properties [" + root + "] 5",
                                  "Execute find [" + root + "] 10",
                                  "Execute open [dfrg.msc] 10",
                                  "Run [cleanmgr.exe /d" + root + "] 10",
                              }));
    EXPECT_EQ(launcher.lastRequest.mask, 0x0Cu);
}

TEST(MainDialogCommands, CopyPutsOnlyTheDriveTextOnTheClipboard) {
    const UINT foreign = RegisterClipboardFormatA("OrbeluneTestFormat");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(foreign, block);
    CloseClipboard();

    ProbeMainDialog dialog;
    dialog.body = [](ProbeMainDialog& d) { PostCommand(d, ID_COPY_TO_CLIPBOARD); };
    dialog.DoModal();

    const std::string text = ClipboardText();
    EXPECT_EQ(text.rfind(dialog.rootAtStart + "\r\nVolume Name: ", 0), 0u) << text;
    EXPECT_NE(text.find(" GB \r\nSerial Number: "), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nFile System: "), std::string::npos) << text;
    EXPECT_NE(text.back(), '\n');
    EXPECT_FALSE(IsClipboardFormatAvailable(foreign));
}

TEST(MainDialogCommands, ContextMenuShowsTheTwoLevelsAndFreesThemAfterwards) {
    MenuSnapshot seen;
    snapshot = &seen;
    ProbeMainDialog dialog;
    const int menusBefore = fw::Menu::LiveCount();
    dialog.body = [](ProbeMainDialog& d) {
        SetTimer(nullptr, 0, 50, InspectOpenMenu);
        PostMessageA(d.GetHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(d.GetHwnd()),
                     MAKELPARAM(100, 100));
    };
    dialog.DoModal();
    snapshot = nullptr;

    const std::string drive = dialog.rootAtStart.substr(0, 2);
    EXPECT_EQ(seen.top, (std::vector<std::string>{"Options >", "-", "Reduce #1042", "Exit #1", "-",
                                                  "About... #1036"}));
    ASSERT_EQ(seen.options.size(), 18u);
    // The whole table is checked on the host; here the selected root reaches it.
    EXPECT_EQ(seen.options[2], "Explore " + drive + " #1025");
    EXPECT_EQ(seen.options[15], "Copy to clipboard infos on " + drive + "\\     (F3) #1057");
    EXPECT_TRUE(seen.topIsFlat);
    EXPECT_TRUE(seen.optionsIsButton);
    EXPECT_EQ(fw::Menu::LiveCount(), menusBefore);
}
