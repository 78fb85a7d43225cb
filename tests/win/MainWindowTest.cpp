// The main window run in the test's process on the profile's drives (C:, E:
// DATA, a CD drive D: and a network drive F:): what it shows once started,
// what the pointer resting on its button does, and what it leaves behind.
#include "app/CMainDialog.h"
#include "base/Dpi.h"
#include "commands/ContextMenuText.h"
#include "controls/CAboutDialog.h"
#include "controls/CColorScheme.h"
#include "framework/CreationHook.h"
#include "framework/Dpi.h"
#include "resource.h"

#include "../unit/RecordingLauncher.h"
#include "Support.h"

#include <commctrl.h>

#include <map>

namespace {

// The main window, with the shell's notification icon answered by the test.
class MainWindow : public CMainDialog {
  public:
    std::vector<DWORD> trayActions;
    BOOL shellAnswer = TRUE;

  protected:
    BOOL NotifyIcon(DWORD action, NOTIFYICONDATAA& data) override {
        EXPECT_EQ(data.hWnd, GetHwnd()) << "the record is completed with the window";
        trayActions.push_back(action);
        return shellAnswer;
    }
};

// Runs `body` in the started window, then closes it as its close box does.
void WithMainWindow(MainWindow& dialog, const std::function<void(HWND window)>& body) {
    dialog.afterInitDialog = [&](CMainDialog& main) {
        body(main.GetHwnd());
        main.Send(WM_SYSCOMMAND, SC_CLOSE);
    };
    dialog.DoModal();
}

// Handles this thread's messages for `ms` milliseconds as the window's modal
// loop does, its pre-translation included.
void Wait(CMainDialog& dialog, DWORD ms) {
    MSG message;
    for (const DWORD end = GetTickCount() + ms; GetTickCount() < end; Sleep(5)) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            HWND window = dialog.GetHwnd();
            const bool ours = message.hwnd == window || IsChild(window, message.hwnd);
            if (!ours || !dialog.PreTranslateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
}

// The GDI objects, menus and windows of this process, each by its handle's table index.
int CountObjects() {
    int count = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
        count += IsMenu(reinterpret_cast<HMENU>(index)) ? 1 : 0;
        count += IsWindow(reinterpret_cast<HWND>(index)) ? 1 : 0;
    }
    return count;
}

} // namespace

// Every command of the context menu reaches a handler of the main window's
// table (or the dialog's own, for Exit), and its icon loads.
TEST(MainWindow, EveryContextMenuCommandHasAHandlerAndAnIconThatLoads) {
    std::vector<commands::MenuEntry> entries = commands::OptionsMenuEntries("C:\\");
    for (commands::MenuEntry& entry : commands::TopMenuEntries())
        entries.push_back(entry);
    entries.push_back({false, commands::OptionsMenuText, 0, IDI_OPTIONS});
    for (const commands::MenuEntry& entry : entries) {
        if (entry.isSeparator)
            continue;
        SCOPED_TRACE(entry.text);
        bool handled = entry.commandId == 0; // the submenu's own item
        for (const fw::MessageMap* map = &CMainDialog::Messages(); map != nullptr; map = map->base)
            for (std::size_t i = 0; i < map->count; ++i)
                handled |= map->entries[i].kind == fw::EntryKind::Command &&
                           map->entries[i].first == entry.commandId;
        EXPECT_TRUE(handled);
        const fw::Icon icon(fw::LoadScaledIcon(entry.iconId, 16, 96));
        EXPECT_TRUE(icon);
    }
}

TEST(MainWindow, StartsWithTheFirstDriveTheSummaryAndEveryControlSetUp) {
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        const std::pair<int, const char*> texts[] = {
            {IDOK, "Exit"},
            {IDC_TRANSPARENCY, "Transparency"}, // a name, not drawn
            {IDC_DRIVE_GROUP, "Logical Drive C:\\"},
            {IDC_SUMMARY_GROUP, "Summary"},
            {IDC_SYSTEM_DRIVE, "System drive: yes"},
            {IDC_DRIVE_COUNT, ". Number Of Logical Drives: 2"},
            {IDC_SERIAL, "Serial Number: 4300-0000"}, // Wine's serial of a drive without one
            {IDC_FILE_SYSTEM, "File System: NTFS"},
        };
        for (const auto& [id, text] : texts)
            EXPECT_EQ(Text(window, id), text) << id;
        EXPECT_EQ(SendDlgItemMessageA(window, IDC_DRIVE_COMBO, CB_GETCOUNT, 0, 0), 2);
        const std::pair<int, COLORREF> colors[] = {
            {IDC_DRIVE_GROUP, RGB(25, 25, 112)}, {IDC_SUMMARY_GROUP, RGB(25, 25, 112)},
            {IDC_VOLUME_NAME, RGB(178, 34, 34)}, {IDC_TOTAL_CAPACITY, RGB(178, 34, 34)},
            {IDC_SYSTEM_DRIVE, RGB(0, 0, 205)},  {IDC_SERIAL, GetSysColor(COLOR_WINDOWTEXT)},
        };
        for (const auto& [id, color] : colors) { // the colours a label is drawn with
            const Canvas drawn(1, 1);
            EXPECT_NE(SendMessageA(window, WM_CTLCOLORSTATIC, WPARAM(drawn.Dc()),
                                   LPARAM(GetDlgItem(window, id))),
                      0);
            EXPECT_EQ(GetTextColor(drawn.Dc()), color) << id;
            EXPECT_EQ(GetBkColor(drawn.Dc()), GetSysColor(COLOR_WINDOW)) << id;
        }
        for (int bar : {IDC_FREE_BAR, IDC_USED_BAR, IDC_TOTAL_FREE_BAR, IDC_TOTAL_USED_BAR}) {
            HWND control = GetDlgItem(window, bar);
            EXPECT_EQ(SendMessageA(control, PBM_GETRANGE, FALSE, 0), 100) << bar;
            EXPECT_EQ(Text(control), "%d%%");
            EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & (TGB_TEXT_MODE | TGB_GRADIENT_ON_BAR),
                      LONG(TGB_TEXT_PERCENT | TGB_GRADIENT_ON_BAR));
            const auto& gradient = ControlOf<CGradientTextBar>(window, bar);
            EXPECT_EQ(gradient.gradientColors,
                      (std::vector<COLORREF>{RGB(173, 216, 230), RGB(165, 42, 42)}));
            EXPECT_EQ(gradient.bkColor, GetSysColor(COLOR_WINDOW));
        }
        EXPECT_NE(SendDlgItemMessageA(window, IDC_SUMMARY_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0),
                  0);
        for (int id : {IDOK, IDC_TRANSPARENCY})
            EXPECT_NE(ControlOf<CImageButton>(window, id).GetIcon(), nullptr) << id;
        // A volume's own names are shown as they are ("R&D", not "RD" with a
        // mnemonic) and cut with an ellipsis rather than wrapped out of sight.
        for (int id : {IDC_VOLUME_NAME, IDC_FILE_SYSTEM})
            EXPECT_EQ(GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) &
                          (SS_NOPREFIX | SS_ELLIPSISMASK),
                      SS_NOPREFIX | SS_ENDELLIPSIS)
                << id;
        // The system's tools are looked for in the system folder only (this
        // one has neither the clean-up tool nor the defragmenter).
        char folder[MAX_PATH] = {};
        GetSystemDirectoryA(folder, MAX_PATH);
        EXPECT_EQ(
            BoxTexts([&] {
                dialog.Send(WM_COMMAND, ID_CLEAN);
                dialog.Send(WM_COMMAND, ID_DEFRAG);
            }),
            (std::vector<std::string>{std::string(folder) + "\\cleanmgr.exe could not be found.",
                                      std::string(folder) + "\\dfrgui.exe could not be found."}));
        // The window's background is erased in the window colour; the list draws a
        // drive with its icon, the selected one in the highlight colours.
        Canvas background(20, 20, RGB(1, 2, 3)), item(120, 20, RGB(1, 2, 3));
        SendMessageA(window, WM_ERASEBKGND, WPARAM(background.Dc()), 0);
        EXPECT_EQ(background.Count(GetSysColor(COLOR_WINDOW)), 400);
        const DRAWITEMSTRUCT draw{
            ODT_COMBOBOX,   IDC_DRIVE_COMBO, 0,
            ODA_DRAWENTIRE, ODS_SELECTED,    GetDlgItem(window, IDC_DRIVE_COMBO),
            item.Dc(),      {0, 0, 120, 20}, 0};
        SendMessageA(window, WM_DRAWITEM, IDC_DRIVE_COMBO, LPARAM(&draw));
        const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
        EXPECT_EQ(item.At(110, 10), highlight);
        EXPECT_GT(item.Count(GetSysColor(COLOR_HIGHLIGHTTEXT), {20, 0, 120, 20}), 0) << "C:\\";
        EXPECT_GT(256 - item.Count(highlight, {1, 0, 17, 16}), 50) << "the icon";

        HMENU system = GetSystemMenu(window, FALSE);
        const int last = GetMenuItemCount(system) - 1;
        char about[32] = {};
        GetMenuStringA(system, UINT(last), about, sizeof about, MF_BYPOSITION);
        EXPECT_EQ(std::string(about), "&About...");
        EXPECT_EQ(GetMenuItemID(system, last), UINT(IDM_ABOUTBOX));
        EXPECT_EQ(GetMenuState(system, UINT(last - 1), MF_BYPOSITION) & MF_SEPARATOR,
                  UINT(MF_SEPARATOR));
        for (WPARAM size : {ICON_BIG, ICON_SMALL})
            EXPECT_NE(SendMessageA(window, WM_GETICON, size, 0), 0);
        const NOTIFYICONDATAA& tray = dialog.GetIconData();
        EXPECT_EQ(std::string(tray.szTip), "Orbelune v1.0.2");
        EXPECT_EQ(tray.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(tray.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64)
            << "the record's first version";
        EXPECT_NE(tray.hIcon, nullptr);
        EXPECT_TRUE(dialog.trayActions.empty()) << "no icon at the start";
    });
}

// The balloon tip shows once the pointer has rested on the transparency button
// for 700 ms, not on the Exit button, with its stem's tip on the pointer and
// without taking the activation; moving away or a click hides it.
TEST(MainWindow, TheTipShowsWhenThePointerRestsOnTheTransparencyButtonOnly) {
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        POINT pointer{};
        // Each time a pixel further: a move to the tip's own anchor does nothing.
        const auto rest = [&](int id, DWORD ms) {
            RECT bounds{};
            GetWindowRect(GetDlgItem(window, id), &bounds);
            pointer = {(bounds.left + bounds.right) / 2 + ++pointer.x % 4,
                       (bounds.top + bounds.bottom) / 2};
            SetCursorPos(pointer.x, pointer.y);
            PostMessageA(GetDlgItem(window, id), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            Wait(dialog, ms);
            HWND tip = FindWindowA(CBalloonTip::ClassName, nullptr);
            return tip != nullptr && IsWindowVisible(tip) ? tip : nullptr;
        };
        EXPECT_EQ(rest(IDOK, 1000), nullptr) << "the Exit button has no tip";
        for (const UINT hide : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONDOWN)}) {
            EXPECT_EQ(rest(IDC_TRANSPARENCY, 550), nullptr) << "not before the window's delay";
            Wait(dialog, 500);
            HWND tip = FindWindowA(CBalloonTip::ClassName, nullptr);
            RECT balloon{};
            ASSERT_TRUE(IsWindowVisible(tip) && GetWindowRect(tip, &balloon));
            EXPECT_EQ((std::vector<LONG>{balloon.right - 12, balloon.bottom - 10}),
                      (std::vector<LONG>{pointer.x, pointer.y}));
            EXPECT_NE(GetActiveWindow(), tip);
            if (hide == WM_MOUSEMOVE) {
                EXPECT_EQ(rest(IDOK, 100), nullptr);
            } else { // the pointer stays: only the click can hide it
                PostMessageA(GetDlgItem(window, IDC_TRANSPARENCY), hide, 0, 0);
                Wait(dialog, 100);
                EXPECT_FALSE(IsWindowVisible(tip));
            }
        }
    });
}

// Reduced to the notification area, the window can always be brought back: a
// minimise the shell refuses leaves it shown, a restarted taskbar gets the
// icon again, a double-click on the icon shows the window.
TEST(MainWindow, MinimiseAndRestoreFollowTheShellsAnswers) {
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
        dialog.Send(taskbarCreated); // no icon shown: nothing to add again
        dialog.shellAnswer = FALSE;
        dialog.Send(WM_SYSCOMMAND, SC_MINIMIZE);
        EXPECT_TRUE(IsWindowVisible(window) && !IsIconic(window));
        dialog.shellAnswer = TRUE;
        dialog.Send(WM_SYSCOMMAND, SC_MINIMIZE);
        EXPECT_FALSE(IsWindowVisible(window));
        dialog.Send(taskbarCreated);
        dialog.Send(CTrayIconDialog::TrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(IsWindowVisible(window) && !dialog.IsTrayIconVisible());
    });
    EXPECT_EQ(dialog.trayActions, (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_ADD, NIM_DELETE}));
}

int menuHeight = 0;
// Reads the height of the open context menu and closes it with Escape.
void CALLBACK MeasureOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    RECT bounds{};
    for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr));)
        if (IsWindowVisible(menu) && GetWindowRect(menu, &bounds))
            menuHeight = bounds.bottom - bounds.top;
    PostMessageA(GetActiveWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
}

// WM_DPICHANGED as the system sends it when the window moves to a monitor of
// another DPI; the context menu opened afterwards is measured for that DPI.
TEST(MainWindow, ADpiChangeRemakesFontsAndIconsAndTakesTheSuggestedRectangle) {
    const auto iconWidth = [](HICON icon) { return fw::IconInfo(icon).Size().cx; };
    std::map<int, int> heights;
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        for (int dpi : {192, 120, fw::WindowDpi(window)}) {
            const auto previous = SendDlgItemMessageA(window, IDC_SERIAL, WM_GETFONT, 0, 0);
            RECT suggested{30, 40, 30 + base::Scale(400, dpi), 40 + base::Scale(270, dpi)};
            RECT now{};
            SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
            GetWindowRect(window, &now);
            EXPECT_TRUE(EqualRect(&now, &suggested));
            const int fonts[][2] = {{IDC_SERIAL, 12}, {IDC_VOLUME_NAME, 16}, {IDC_DRIVE_GROUP, 22}};
            for (const auto& label : fonts) {
                LOGFONTA font{};
                GetObjectA(HFONT(SendDlgItemMessageA(window, label[0], WM_GETFONT, 0, 0)),
                           sizeof font, &font);
                EXPECT_EQ(font.lfHeight, base::Scale(label[1], dpi)) << label[0];
            }
            EXPECT_EQ(GetObjectType(HGDIOBJ(previous)), 0u) << "the fonts of the previous DPI go";
            EXPECT_EQ(iconWidth(ControlOf<CImageButton>(window, IDOK).GetIcon()),
                      base::Scale(16, dpi));
            EXPECT_EQ(iconWidth(HICON(SendMessageA(window, WM_GETICON, ICON_BIG, 0))),
                      base::Scale(32, dpi));
            SetTimer(nullptr, 0, 200, MeasureOpenMenu);
            PostMessageA(window, WM_CONTEXTMENU, 0, MAKELPARAM(50, 50));
            Wait(dialog, 400);
            heights[dpi] = menuHeight;
        }
        // Four rows of 20 pixels and two separators at 96 DPI, in a frame that does not grow.
        EXPECT_GT(heights[fw::WindowDpi(window)], 60);
        EXPECT_NEAR(heights[192], 2 * heights[fw::WindowDpi(window)], 10);
        EXPECT_NEAR(heights[120], heights[192] * 120 / 192, 10);
    });
}

// Reduced to the notification area and then closed, the window takes its icon
// away; nothing of a run is left behind, a context menu and a refresh
// included: no window, hook, menu or GDI object.
TEST(MainWindow, AClosedWindowLeavesNoIconWindowHookOrObjectBehind) {
    int afterFirstRun = 0;
    for (int run = 0; run < 2; ++run) {
        MainWindow dialog;
        WithMainWindow(dialog, [&](HWND window) {
            PostMessageA(window, WM_CONTEXTMENU, 0, MAKELPARAM(300, 300));
            PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(window, WM_KEYDOWN, VK_F5, 0);
            Wait(dialog, 300);
            dialog.Send(WM_COMMAND, ID_REDUCE);
            EXPECT_FALSE(IsWindowVisible(window));
        });
        EXPECT_EQ(dialog.trayActions, (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
        EXPECT_FALSE(dialog.IsAttached());
        EXPECT_EQ(FindWindowA(CBalloonTip::ClassName, nullptr), nullptr);
        EXPECT_FALSE(fw::IsWindowCreateHooked());
        if (run == 0)
            afterFirstRun = CountObjects(); // the first run loads what stays for the process
        else
            EXPECT_EQ(CountObjects(), afterFirstRun);
    }
}

namespace {

// The name a screen reader gives a tab stop: a button's window text, a combo
// box's the text of the static just before it in z-order.
std::string NameOf(HWND control) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    HWND named = control;
    if (lstrcmpiA(className, "ComboBox") == 0) {
        named = GetWindow(control, GW_HWNDPREV);
        GetClassNameA(named, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0)
            return "";
    }
    return Text(named);
}

// The names of the tab stops in the order Tab visits them, from the focus.
std::vector<std::string> TabStops(HWND dialog) {
    std::vector<std::string> names;
    HWND first = GetFocus();
    for (HWND stop = first; names.size() < 8;) {
        names.push_back(NameOf(stop));
        stop = GetNextDlgTabItem(dialog, stop, FALSE);
        if (stop == first)
            break;
    }
    return names;
}

base::ColorScheme HighContrast() {
    return {true, {RGB(255, 255, 0), RGB(0, 0, 0), RGB(0, 255, 255), RGB(1, 2, 3), RGB(4, 5, 6)}};
}

} // namespace

// Every control Tab reaches has a name; Tab goes from the window's top to its
// bottom, and starts on Exit; in the about box on its one button. The focus
// comes back when the about box closes.
TEST(MainWindow, EveryTabStopHasANameAndTabFollowsTheWindowFromTopToBottom) {
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        EXPECT_EQ(TabStops(window), (std::vector<std::string>{"Exit", "Drive", "Transparency"}));
        RECT label{};
        GetClientRect(GetDlgItem(window, IDC_DRIVE_LABEL), &label);
        EXPECT_TRUE(IsRectEmpty(&label)) << "the list's name draws nothing";
        // When the about box closes, the focus is back where it was.
        SetFocus(GetDlgItem(window, IDC_DRIVE_COMBO));
        WithBoxes([&] { dialog.Send(WM_COMMAND, ID_ABOUT); },
                  [](HWND box) { SendMessageA(box, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_DRIVE_COMBO));
    });
    testing_support::RecordingLauncher launcher;
    CAboutDialog about(launcher);
    WithBoxes([&] { about.DoModal(); },
              [&](HWND box) {
                  EXPECT_EQ(TabStops(box), std::vector<std::string>{"Orbelune home page"});
                  SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
              });
}

// In high contrast every fixed colour gives way to the system's, the warnings
// take the highlight colour; switching back while the window is open brings
// the program's own colours back.
TEST(MainWindow, HighContrastDrawsWithTheSystemColorsAndSwitchesWhileOpen) {
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        const auto label = [&](int id) {
            return ControlOf<CColorLabel>(window, id).LabelTextColor();
        };
        const auto bar = [&] {
            return ControlOf<CGradientTextBar>(window, IDC_USED_BAR).gradientColors;
        };
        const auto background = [&] {
            Canvas canvas(4, 4);
            SendMessageA(window, WM_ERASEBKGND, WPARAM(canvas.Dc()), 0);
            return canvas.At(1, 1);
        };
        const controls::ColorSchemeSource system = controls::SetColorSchemeSource(HighContrast);
        SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(label(IDC_DRIVE_GROUP), RGB(255, 255, 0)) << "window text";
        EXPECT_EQ(label(IDC_VOLUME_NAME), RGB(255, 255, 0));
        EXPECT_EQ(label(IDC_SYSTEM_DRIVE), RGB(255, 255, 0));
        EXPECT_EQ(ControlOf<CColorLabel>(window, IDC_SERIAL).LabelBkColor(), RGB(0, 0, 0));
        EXPECT_EQ(bar(), (std::vector<COLORREF>{RGB(0, 255, 255), RGB(0, 255, 255)}));
        EXPECT_EQ(background(), RGB(0, 0, 0));
        controls::SetColorSchemeSource(system);
        SendMessageA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_EQ(label(IDC_DRIVE_GROUP), RGB(25, 25, 112));
        EXPECT_EQ(label(IDC_SYSTEM_DRIVE), RGB(0, 0, 205));
        EXPECT_EQ(bar(), (std::vector<COLORREF>{RGB(173, 216, 230), RGB(165, 42, 42)}));
        EXPECT_EQ(background(), GetSysColor(COLOR_WINDOW));
    });
}
