// The main window in the test's process on the profile's drives (C:, E: DATA, a CD drive D: and a
// network drive F:): what it shows, what a pointer resting on a button does, what it leaves.
#include "app/CMainDialog.h"
#include "base/Dpi.h"
#include "commands/ContextMenuText.h"
#include "controls/CAboutDialog.h"
#include "controls/CColorScheme.h"
#include "framework/CreationHook.h"
#include "framework/Dpi.h"
#include "resource.h"

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

// Handles this thread's messages for `ms` milliseconds as the window's modal loop does.
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

// A tab stop's name to a screen reader: its text, a combo box's the static's just before it.
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

// Every command of the context menu reaches a handler of the window's table, and its icon loads.
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

// What the window shows once started; every control Tab reaches has a name, from the window's top
// to its bottom; in high contrast every fixed colour gives way to the system's, the bars take the
// highlight colour, until switched back while the window is open.
TEST(MainWindow, StartsWithEveryControlSetUpAndNamedAndSwitchesColorSchemesWhileOpen) {
    MainWindow dialog;
    WithMainWindow(dialog, [&](HWND window) {
        EXPECT_EQ(TabStops(window), (std::vector<std::string>{"Exit", "Drive", "Transparency"}));
        RECT label{};
        GetClientRect(GetDlgItem(window, IDC_DRIVE_LABEL), &label);
        EXPECT_TRUE(IsRectEmpty(&label)) << "the list's name draws nothing";
        // The about box: its one tab stop named, its text on its light green background; the
        // focus is back where it was when it closes.
        SetFocus(GetDlgItem(window, IDC_DRIVE_COMBO));
        WithBoxes([&] { dialog.Send(WM_COMMAND, ID_ABOUT); },
                  [](HWND box) {
                      EXPECT_EQ(TabStops(box), std::vector<std::string>{"Orbelune home page"});
                      EXPECT_EQ(Text(box, IDC_ABOUT_TEXT), CAboutDialog::AboutText());
                      Canvas background(10, 10);
                      SendMessageA(box, WM_ERASEBKGND, WPARAM(background.Dc()), 0);
                      EXPECT_EQ(background.Count(RGB(250, 255, 250)), 100);
                      SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
                  });
        EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_DRIVE_COMBO));
        for (int bar : {IDC_FREE_BAR, IDC_USED_BAR, IDC_TOTAL_FREE_BAR, IDC_TOTAL_USED_BAR}) {
            EXPECT_EQ(GetWindowLongA(GetDlgItem(window, bar), GWL_STYLE) &
                          (TGB_TEXT_MODE | TGB_GRADIENT_ON_BAR),
                      LONG(TGB_TEXT_PERCENT | TGB_GRADIENT_ON_BAR))
                << bar;
        }
        EXPECT_NE(SendDlgItemMessageA(window, IDC_SUMMARY_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0),
                  0);
        for (int id : {IDOK, IDC_TRANSPARENCY})
            EXPECT_NE(ControlOf<CImageButton>(window, id).GetIcon(), nullptr) << id;
        // A volume's names are shown as they are ("R&D") and cut with an ellipsis, not wrapped.
        for (int id : {IDC_VOLUME_NAME, IDC_FILE_SYSTEM})
            EXPECT_EQ(GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) &
                          (SS_NOPREFIX | SS_ELLIPSISMASK),
                      SS_NOPREFIX | SS_ENDELLIPSIS)
                << id;
        // The system's tools are looked for in the system folder only (this one has neither).
        char folder[MAX_PATH] = {};
        GetSystemDirectoryA(folder, MAX_PATH);
        EXPECT_EQ(
            BoxTexts([&] {
                dialog.Send(WM_COMMAND, ID_CLEAN);
                dialog.Send(WM_COMMAND, ID_DEFRAG);
            }),
            (std::vector<std::string>{std::string(folder) + "\\cleanmgr.exe could not be found.",
                                      std::string(folder) + "\\dfrgui.exe could not be found."}));
        // The list draws a drive with its icon, the selected one in the highlight colours.
        Canvas item(120, 20, RGB(1, 2, 3));
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

        // The colours a label is drawn with (a fixed one's and a rule's), the bars' and the
        // window's background.
        const auto colors = [&] {
            Canvas drawn(4, 4);
            std::vector<COLORREF> seen;
            for (int id : {IDC_DRIVE_GROUP, IDC_SYSTEM_DRIVE}) {
                EXPECT_NE(SendMessageA(window, WM_CTLCOLORSTATIC, WPARAM(drawn.Dc()),
                                       LPARAM(GetDlgItem(window, id))),
                          0);
                seen.push_back(GetTextColor(drawn.Dc()));
            }
            seen.push_back(GetBkColor(drawn.Dc()));
            const auto& bar = ControlOf<CGradientTextBar>(window, IDC_USED_BAR);
            seen.insert(seen.end(), bar.gradientColors.begin(), bar.gradientColors.end());
            seen.push_back(bar.bkColor);
            SendMessageA(window, WM_ERASEBKGND, WPARAM(drawn.Dc()), 0);
            seen.push_back(drawn.At(3, 3));
            return seen;
        };
        const std::vector<COLORREF> own = colors();
        const COLORREF background = GetSysColor(COLOR_WINDOW);
        EXPECT_EQ(own, (std::vector<COLORREF>{RGB(25, 25, 112), RGB(0, 0, 205), background,
                                              RGB(173, 216, 230), RGB(165, 42, 42), background,
                                              background}));
        const controls::ColorSchemeSource source = controls::SetColorSchemeSource(HighContrast);
        SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
        const COLORREF text = RGB(255, 255, 0), black = RGB(0, 0, 0), mark = RGB(0, 255, 255);
        EXPECT_EQ(colors(), (std::vector<COLORREF>{text, text, black, mark, mark, black, black}));
        controls::SetColorSchemeSource(source);
        SendMessageA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_EQ(colors(), own);
    });
}

SIZE menuSize{};
// Reads the size of the open context menu and closes it with Escape.
void CALLBACK MeasureOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    RECT bounds{};
    for (HWND menu = nullptr; (menu = FindWindowExA(nullptr, menu, "#32768", nullptr));)
        if (IsWindowVisible(menu) && GetWindowRect(menu, &bounds))
            menuSize = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    PostMessageA(GetActiveWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
}

// WM_DPICHANGED, as the system sends it when the window moves to a monitor of another DPI, remakes
// fonts and icons; the context menu opened afterwards is measured for that DPI. The balloon tip
// shows once the pointer has rested on the transparency button for 700 ms, not on Exit, its stem's
// tip on the pointer, without taking the activation; moving or a click hides it.
TEST(MainWindow, ADpiChangeRescalesTheWindowAndTheTipShowsOnTheTransparencyButtonOnly) {
    const auto iconWidth = [](HICON icon) { return fw::IconInfo(icon).Size().cx; };
    std::map<int, SIZE> menus;
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
            menus[dpi] = menuSize;
        }
        // Four rows of 20 pixels and two separators at 96 DPI, in a frame that does not grow; the
        // width follows the text in a font of the DPI (the frame and the submenu's arrow stay).
        const SIZE at96 = menus[fw::WindowDpi(window)];
        EXPECT_GT(at96.cy, 60);
        EXPECT_NEAR(menus[192].cy, 2 * at96.cy, 10);
        EXPECT_NEAR(menus[120].cy, menus[192].cy * 120 / 192, 10);
        EXPECT_GT(menus[192].cx * 10, at96.cx * 16);
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

// Reduced to the notification area, the window can always be brought back: a minimise the shell
// refuses leaves it shown, a restarted taskbar gets the icon again, a double-click on the icon
// shows the window. Closed, it takes its icon away; nothing of a run is left behind, a context
// menu and a refresh included: no window, hook, menu or GDI object.
TEST(MainWindow, MinimiseAndRestoreFollowTheShellAndAClosedWindowLeavesNothingBehind) {
    int afterFirstRun = 0;
    for (int run = 0; run < 2; ++run) {
        MainWindow dialog;
        WithMainWindow(dialog, [&](HWND window) {
            PostMessageA(window, WM_CONTEXTMENU, 0, MAKELPARAM(300, 300));
            PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(window, WM_KEYDOWN, VK_F5, 0);
            Wait(dialog, 300);
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
            dialog.Send(WM_COMMAND, ID_REDUCE);
            EXPECT_FALSE(IsWindowVisible(window));
        });
        EXPECT_EQ(dialog.trayActions,
                  (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_ADD, NIM_DELETE, NIM_ADD, NIM_DELETE}));
        EXPECT_FALSE(dialog.IsAttached());
        EXPECT_EQ(FindWindowA(CBalloonTip::ClassName, nullptr), nullptr);
        EXPECT_FALSE(fw::IsWindowCreateHooked());
        if (run == 0)
            afterFirstRun = CountObjects(); // the first run loads what stays for the process
        else
            EXPECT_EQ(CountObjects(), afterFirstRun);
    }
}
