#include "app/CMainDialog.h"
#include "controls/CMenuXP.h"
#include "framework/Menu.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct RecordingLauncher : commands::ShellLauncher {
    std::vector<std::string> calls;
    commands::ShellExecuteRequest properties;

    bool Execute(const std::string& verb, const std::string& file, int show) override {
        calls.push_back("Execute " + verb + " [" + file + "] " + std::to_string(show));
        return true;
    }
    bool ExecuteEx(const commands::ShellExecuteRequest& request) override {
        properties = request;
        calls.push_back("ExecuteEx " + request.verb + " [" + request.file + "] " +
                        std::to_string(request.show));
        return true;
    }
    bool RunCommandLine(const std::string& commandLine, int show) override {
        calls.push_back("Run [" + commandLine + "] " + std::to_string(show));
        return true;
    }
};

// The main window, run modally; `script` runs once it is initialised, with
// the commands it posts handled by the modal loop.
class ScriptedMainDialog : public CMainDialog {
  public:
    std::function<void(ScriptedMainDialog&)> script;
    std::string rootAtStart;

  protected:
    BOOL OnInitDialog() override {
        const BOOL result = CMainDialog::OnInitDialog();
        rootAtStart = SelectedDriveRoot();
        if (script) {
            script(*this);
        }
        PostMessageA(GetHwnd(), WM_COMMAND, IDOK, 0);
        return result;
    }
};

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

TEST(MainDialogCommands, ShellActionsReachTheLauncherWithTheSelectedRoot) {
    RecordingLauncher launcher;
    ScriptedMainDialog dialog;
    dialog.SetShellLauncher(launcher);
    dialog.script = [](ScriptedMainDialog& d) {
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
    EXPECT_EQ(launcher.properties.mask, 0x0Cu);
}

TEST(MainDialogCommands, CopyPutsOnlyTheDriveTextOnTheClipboard) {
    const UINT foreign = RegisterClipboardFormatA("OrbeluneTestFormat");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(foreign, block);
    CloseClipboard();

    ScriptedMainDialog dialog;
    dialog.script = [](ScriptedMainDialog& d) { PostCommand(d, ID_COPY_TO_CLIPBOARD); };
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
    ScriptedMainDialog dialog;
    const int menusBefore = fw::Menu::LiveCount();
    dialog.script = [](ScriptedMainDialog& d) {
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
    EXPECT_EQ(seen.options[0], "Refresh     (F5) #1020");
    EXPECT_EQ(seen.options[2], "Explore " + drive + " #1025");
    EXPECT_EQ(seen.options[11], "Rename volume name of " + drive + " #1044");
    EXPECT_EQ(seen.options[15], "Copy to clipboard infos on " + drive + "\\     (F3) #1057");
    EXPECT_EQ(seen.options[17], "Empty Recycle Bin #1053");
    EXPECT_TRUE(seen.topIsFlat);
    EXPECT_TRUE(seen.optionsIsButton);
    EXPECT_EQ(fw::Menu::LiveCount(), menusBefore);
}
