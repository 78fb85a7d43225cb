// The main window run in the test's process on the profile's drives (C:, E:
// DATA, a CD drive D: and a network drive F:): what it shows once started,
// what the pointer resting on its button does, and what it leaves behind.
#include "app/CMainDialog.h"
#include "base/Dpi.h"
#include "commands/ContextMenuText.h"
#include "framework/CreationHook.h"
#include "framework/Dpi.h"
#include "resource.h"

#include "Support.h"

#include <commctrl.h>

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

// Steps run in the started window, each from the window's own message loop
// once the delay that the step before returned has passed; then the window is
// closed as its close box does.
using Step = std::function<DWORD(HWND window)>;
struct Steps {
    std::vector<Step> list;
    std::size_t next = 0;
    HWND window = nullptr;
    UINT_PTR timer = 0;
};
Steps* running = nullptr;

void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, running->timer);
    if (running->next == running->list.size()) {
        SendMessageA(running->window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    const DWORD delay = running->list[running->next++](running->window);
    running->timer = SetTimer(nullptr, 0, delay, NextStep);
}

void WithMainWindow(MainWindow& dialog, std::vector<Step> steps) {
    Steps state{std::move(steps)};
    running = &state;
    dialog.afterInitDialog = [&](CMainDialog& main) {
        state.window = main.GetHwnd();
        state.timer = SetTimer(nullptr, 0, 0, NextStep);
    };
    dialog.DoModal();
    running = nullptr;
}

std::string Text(HWND window, int id = 0) {
    char text[256] = {};
    GetWindowTextA(id != 0 ? GetDlgItem(window, id) : window, text, sizeof text);
    return text;
}

template <typename Control> Control& ControlOf(HWND dialog, int id) {
    return dynamic_cast<Control&>(*fw::Window::FromHandle(GetDlgItem(dialog, id)));
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
    WithMainWindow(
        dialog, {[&](HWND window) -> DWORD {
            const std::pair<int, const char*> texts[] = {
                {IDOK, "Exit"},
                {IDC_TRANSPARENCY, ""},
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
                {IDC_DRIVE_GROUP, base::colors::DarkBlue},
                {IDC_SUMMARY_GROUP, base::colors::DarkBlue},
                {IDC_VOLUME_NAME, base::colors::BrickRed},
                {IDC_TOTAL_CAPACITY, base::colors::BrickRed},
                {IDC_SYSTEM_DRIVE, base::colors::MediumBlue},
                {IDC_SERIAL, GetSysColor(COLOR_WINDOWTEXT)},
            };
            for (const auto& [id, color] : colors) {
                EXPECT_EQ(ControlOf<CColorLabel>(window, id).LabelTextColor(), color) << id;
                EXPECT_EQ(ControlOf<CColorLabel>(window, id).LabelBkColor(),
                          GetSysColor(COLOR_WINDOW));
            }
            for (int bar : {IDC_FREE_BAR, IDC_USED_BAR, IDC_TOTAL_FREE_BAR, IDC_TOTAL_USED_BAR}) {
                HWND control = GetDlgItem(window, bar);
                EXPECT_EQ(SendMessageA(control, PBM_GETRANGE, FALSE, 0), 100) << bar;
                EXPECT_EQ(Text(control), "%d%%");
                EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) &
                              (TGB_TEXT_MODE | TGB_GRADIENT_ON_BAR),
                          LONG(TGB_TEXT_PERCENT | TGB_GRADIENT_ON_BAR));
                const auto& gradient = ControlOf<CGradientTextBar>(window, bar);
                EXPECT_EQ(gradient.gradientColors,
                          (std::vector<COLORREF>{base::colors::BarStart, base::colors::BarEnd}));
                EXPECT_EQ(gradient.bkColor, GetSysColor(COLOR_WINDOW));
            }
            EXPECT_NE(
                SendDlgItemMessageA(window, IDC_SUMMARY_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
            for (int id : {IDOK, IDC_TRANSPARENCY})
                EXPECT_NE(ControlOf<CImageButton>(window, id).GetIcon(), nullptr) << id;

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
            return 0;
        }});
}

// The balloon tip shows once the pointer has rested on the transparency button
// for 700 ms, not on the Exit button, with its stem's tip on the pointer and
// without taking the activation; moving away or a click hides it.
TEST(MainWindow, TheTipShowsWhenThePointerRestsOnTheTransparencyButtonOnly) {
    POINT pointer{};
    // Each time one pixel further right: a move to the tip's own anchor does nothing.
    const auto moveTo = [&](HWND window, int id) {
        RECT bounds{};
        GetWindowRect(GetDlgItem(window, id), &bounds);
        static int shift = 0;
        pointer = {(bounds.left + bounds.right) / 2 + shift++ % 4,
                   (bounds.top + bounds.bottom) / 2};
        SetCursorPos(pointer.x, pointer.y);
        PostMessageA(GetDlgItem(window, id), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    };
    const auto tip = [] {
        HWND balloon = FindWindowA(CBalloonTip::ClassName, nullptr);
        return balloon != nullptr && IsWindowVisible(balloon) ? balloon : nullptr;
    };
    const auto shownAndHiddenBy = [&](UINT message) -> std::vector<Step> {
        return {[&](HWND window) -> DWORD {
                    moveTo(window, IDC_TRANSPARENCY);
                    return 550;
                },
                [&](HWND) -> DWORD {
                    EXPECT_EQ(tip(), nullptr) << "not before the main window's delay";
                    return 500;
                },
                [&, message](HWND window) -> DWORD {
                    RECT balloon{};
                    EXPECT_TRUE(tip() && GetWindowRect(tip(), &balloon));
                    EXPECT_EQ((std::vector<LONG>{balloon.right - 12, balloon.bottom - 10}),
                              (std::vector<LONG>{pointer.x, pointer.y}));
                    EXPECT_NE(GetActiveWindow(), tip());
                    if (message == WM_MOUSEMOVE)
                        moveTo(window, IDOK);
                    else // the pointer stays: only the click can hide the tip
                        PostMessageA(GetDlgItem(window, IDC_TRANSPARENCY), message, 0, 0);
                    return 100;
                },
                [&](HWND) -> DWORD {
                    EXPECT_EQ(tip(), nullptr);
                    return 0;
                }};
    };
    MainWindow dialog;
    std::vector<Step> steps{[&](HWND window) -> DWORD {
                                moveTo(window, IDOK);
                                return 1000;
                            },
                            [&](HWND) -> DWORD {
                                EXPECT_EQ(tip(), nullptr) << "the Exit button has no tip";
                                return 0;
                            }};
    for (const UINT message : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONDOWN)})
        for (const Step& step : shownAndHiddenBy(message))
            steps.push_back(step);
    WithMainWindow(dialog, steps);
}

// Reduced to the notification area, the window can always be brought back: a
// minimise the shell refuses leaves it shown, a restarted taskbar gets the
// icon again, a double-click on the icon shows the window.
TEST(MainWindow, MinimiseAndRestoreFollowTheShellsAnswers) {
    MainWindow dialog;
    WithMainWindow(dialog, {[&](HWND window) -> DWORD {
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
                       return 0;
                   }});
    EXPECT_EQ(dialog.trayActions, (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_ADD, NIM_DELETE}));
}

// WM_DPICHANGED as the system sends it when the window moves to a monitor of another DPI.
TEST(MainWindow, ADpiChangeRemakesFontsAndIconsAndTakesTheSuggestedRectangle) {
    const auto iconWidth = [](HICON icon) { return fw::IconInfo(icon).Size().cx; };
    MainWindow dialog;
    WithMainWindow(
        dialog, {[&](HWND window) -> DWORD {
            for (int dpi : {192, 120, fw::WindowDpi(window)}) {
                const auto previous = SendDlgItemMessageA(window, IDC_SERIAL, WM_GETFONT, 0, 0);
                RECT suggested{30, 40, 30 + base::Scale(400, dpi), 40 + base::Scale(270, dpi)};
                RECT now{};
                SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
                GetWindowRect(window, &now);
                EXPECT_TRUE(EqualRect(&now, &suggested));
                const int fonts[][2] = {
                    {IDC_SERIAL, 12}, {IDC_VOLUME_NAME, 16}, {IDC_DRIVE_GROUP, 22}};
                for (const auto& label : fonts) {
                    LOGFONTA font{};
                    GetObjectA(HFONT(SendDlgItemMessageA(window, label[0], WM_GETFONT, 0, 0)),
                               sizeof font, &font);
                    EXPECT_EQ(font.lfHeight, base::Scale(label[1], dpi)) << label[0];
                }
                EXPECT_EQ(GetObjectType(HGDIOBJ(previous)), 0u)
                    << "the fonts of the previous DPI go";
                EXPECT_EQ(iconWidth(ControlOf<CImageButton>(window, IDOK).GetIcon()),
                          base::Scale(16, dpi));
                EXPECT_EQ(iconWidth(HICON(SendMessageA(window, WM_GETICON, ICON_BIG, 0))),
                          base::Scale(32, dpi));
            }
            return 0;
        }});
}

// Reduced to the notification area and then closed, the window takes its icon
// away; nothing of a run is left behind, a context menu and a refresh
// included: no window, hook, menu or GDI object.
TEST(MainWindow, AClosedWindowLeavesNoIconWindowHookOrObjectBehind) {
    int afterFirstRun = 0;
    for (int run = 0; run < 2; ++run) {
        MainWindow dialog;
        WithMainWindow(dialog, {[&](HWND window) -> DWORD {
                                    PostMessageA(window, WM_CONTEXTMENU, 0, MAKELPARAM(300, 300));
                                    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
                                    PostMessageA(window, WM_KEYDOWN, VK_F5, 0);
                                    return 300;
                                },
                                [&](HWND window) -> DWORD {
                                    dialog.Send(WM_COMMAND, ID_REDUCE);
                                    EXPECT_FALSE(IsWindowVisible(window));
                                    return 0;
                                }});
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
