// A user without a mouse, with real key presses through the X server: Tab
// reaches every control, the arrow keys choose a drive, and the context menu
// opens where the focus is; a right click still opens it at the pointer.
#include "Orbelune.h"

using namespace e2e;

namespace {

HWND Focus(const App& app) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.window, nullptr), &info);
    return info.hwndFocus;
}

// The open context menu's top-left corner, or (-1, -1) when none opened in time.
POINT MenuCorner(const App& app) {
    RECT menu{-1, -1, -1, -1};
    GetWindowRect(FindWindowOf(app.Id(), kMenuClass, nullptr, 5000), &menu);
    return {menu.left, menu.top};
}

bool MenuClosed(const App& app) {
    return WaitUntil([&] { return !FindWindowOf(app.Id(), kMenuClass, nullptr, 0); }, 3000);
}

} // namespace

TEST(TwoDrives_Keyboard, TabReachesEveryControlAndTheMenuOpensAtTheFocus) {
    App app;
    ASSERT_NE(app.window, nullptr);
    SetWindowPos(app.window, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND list = GetDlgItem(app.window, IDC_DRIVE_COMBO), exit = GetDlgItem(app.window, IDOK);
    ASSERT_EQ(Focus(app), exit);
    TypeKeys("Tab");
    EXPECT_TRUE(WaitUntil([&] { return Focus(app) == list; }, 3000));
    TypeKeys("Down");
    EXPECT_TRUE(WaitUntil([&] { return app.Item(IDC_DRIVE_GROUP) == "Logical Drive E:\\"; }, 3000));

    const auto below = [](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        return POINT{r.left, r.bottom};
    };
    RECT window{};
    GetWindowRect(app.window, &window);
    TypeKeys("shift+F10");
    POINT corner = MenuCorner(app);
    EXPECT_NEAR(corner.x, below(list).x, 4);
    EXPECT_NEAR(corner.y, below(list).y, 4);
    EXPECT_TRUE(PtInRect(&window, corner)) << "within the window";
    TypeKeys("Escape");
    EXPECT_TRUE(MenuClosed(app));

    TypeKeys("shift+Tab");
    EXPECT_TRUE(WaitUntil([&] { return Focus(app) == exit; }, 3000));
    TypeKeys("Menu");
    corner = MenuCorner(app);
    EXPECT_NEAR(corner.x, below(exit).x, 4);
    EXPECT_NEAR(corner.y, below(exit).y, 4);
    TypeKeys("Escape Escape");
    EXPECT_TRUE(MenuClosed(app));
    EXPECT_TRUE(IsWindowVisible(app.window)) << "Escape leaves the window open";

    // The about box from the menu's last item; Alt+F4 closes it and the
    // focus is back on Exit.
    TypeKeys("Menu Up Return");
    HWND about = FindWindowOf(app.Id(), kDialogClass, "About...");
    ASSERT_NE(about, nullptr);
    TypeKeys("alt+F4", "About\\.\\.\\.");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3000));
    EXPECT_TRUE(WaitUntil([&] { return Focus(app) == exit; }, 3000));

    RunOnHost("xdotool mousemove 300 200 click 3");
    corner = MenuCorner(app);
    EXPECT_EQ((std::vector<LONG>{corner.x, corner.y}), (std::vector<LONG>{300, 200}));
    TypeKeys("Escape");
    EXPECT_TRUE(MenuClosed(app));
    app.Quit();
}
