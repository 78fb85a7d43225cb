// A user without a mouse, with real key presses through the X server: Tab reaches every control,
// the arrow keys choose a drive, the context menu opens where the focus is, and Enter on Exit ends
// the program; a right click still opens the menu at the pointer.
#include "Orbelune.h"

using namespace e2e;

namespace {

// The top-left corner of the menu that the keys `open` (none: a right click at 300, 200) open,
// closed by the keys `close`; (-1, -1) when none opened in time, (-2, -2) when it stayed.
std::vector<LONG> MenuCorner(const App& app, const char* open, const char* close) {
    if (open != nullptr)
        TypeKeys(open);
    else
        RunOnHost("xdotool mousemove 300 200 click 3");
    RECT menu{-1, -1, -1, -1};
    GetWindowRect(FindWindowOf(app.Id(), kMenuClass, nullptr, 5000), &menu);
    TypeKeys(close);
    const bool closed =
        WaitUntil([&] { return !FindWindowOf(app.Id(), kMenuClass, nullptr, 0); }, 3000);
    return closed ? std::vector<LONG>{menu.left, menu.top} : std::vector<LONG>{-2, -2};
}

// The lower-left corner of a control, where the keyboard's menu opens.
std::vector<LONG> Below(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {r.left, r.bottom};
}

} // namespace

TEST(TwoDrives_Keyboard, TabReachesEveryControlAndTheMenuOpensAtTheFocus) {
    App app;
    ASSERT_NE(app.window, nullptr);
    SetWindowPos(app.window, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND list = GetDlgItem(app.window, IDC_DRIVE_COMBO), exit = GetDlgItem(app.window, IDOK);
    ASSERT_EQ(Focus(app.window), exit);
    TypeKeys("Tab");
    EXPECT_TRUE(WaitUntil([&] { return Focus(app.window) == list; }, 3000));
    TypeKeys("Down");
    EXPECT_TRUE(WaitUntil([&] { return app.Item(IDC_DRIVE_GROUP) == "Logical Drive E:\\"; }, 3000));
    EXPECT_EQ(MenuCorner(app, "shift+F10", "Escape"), Below(list));
    TypeKeys("shift+Tab");
    EXPECT_TRUE(WaitUntil([&] { return Focus(app.window) == exit; }, 3000));
    EXPECT_EQ(MenuCorner(app, "Menu", "Escape Escape"), Below(exit));
    EXPECT_TRUE(IsWindowVisible(app.window)) << "Escape leaves the window open";
    EXPECT_EQ(MenuCorner(app, nullptr, "Escape"), (std::vector<LONG>{300, 200}));
    // Enter posted, not typed: a real key held while the program ends stays down for the next.
    PressKeys(app.window, {VK_RETURN});
    EXPECT_TRUE(app.EndsCleanly()) << "Enter on Exit";
}
