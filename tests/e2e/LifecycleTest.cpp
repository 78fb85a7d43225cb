// Start-up, every way to end the program, and the way to the notification area
// and back, driven from outside.
#include "Orbelune.h"

#include <functional>

using namespace e2e;

TEST(TwoDrives_Lifecycle, StartsOnTheFirstFixedDriveAndIgnoresEscape) {
    App app = StartOrbelune();
    ASSERT_NE(app.window, nullptr) << "no window titled Orbelune";
    EXPECT_EQ(ItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive C:\\");
    EXPECT_EQ(ItemText(app.window, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    // Keys arrive in order: once F3 has copied, Escape and Tab have been handled.
    PressKeys(app.window, {VK_ESCAPE, VK_TAB});
    EXPECT_TRUE(StartsWith(CopyWithF3(app), kSystemFacts));
    EXPECT_TRUE(IsWindowVisible(app.window));
    Quit(app);
}

TEST(TwoDrives_Lifecycle, EveryWayToEndTheProgramEndsItOnceAndCleanly) {
    const struct {
        const char* name;
        std::function<void(App&)> end;
    } ways[] = {
        {"Exit button", [](App& app) { ClickButton(app.window, IDOK); }},
        {"Enter on the focused Exit button", [](App& app) { PressKeys(app.window, {VK_RETURN}); }},
        {"double click on the Exit button",
         [](App& app) {
             HWND button = GetDlgItem(app.window, IDOK);
             for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
                 Post(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
         }},
        {"close box", [](App& app) { Post(app.window, WM_SYSCOMMAND, SC_CLOSE); }},
        {"context menu Exit",
         [](App& app) {
             ASSERT_TRUE(UseMenu(app, false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
         }},
        {"tray menu Exit while minimised",
         [](App& app) {
             Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
             ASSERT_TRUE(WaitVisible(app.window, false));
             ASSERT_TRUE(UseMenu(app, true, {VK_DOWN, VK_DOWN, VK_RETURN}));
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        App app = StartOrbelune();
        ASSERT_NE(app.window, nullptr);
        way.end(app);
        EXPECT_TRUE(app.process.EndsCleanly()) << "the program did not end, or not with code 0";
    }
}

TEST(TwoDrives_Lifecycle, MinimiseAndReduceGoToTheTrayAndItsMenuOrDoubleClickBringsItBack) {
    App app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(WaitVisible(app.window, false));
    EXPECT_FALSE(IsIconic(app.window));
    ASSERT_TRUE(UseMenu(app, true, {VK_DOWN, VK_RETURN})); // Restore
    EXPECT_TRUE(WaitVisible(app.window));

    ASSERT_TRUE(UseMenu(app, false, {VK_DOWN, VK_DOWN, VK_RETURN})); // Reduce
    EXPECT_TRUE(WaitVisible(app.window, false));
    Post(app.window, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitVisible(app.window));
    Quit(app);
}
