// Start-up, every way to end the program, and the way to the notification area
// and back, driven from outside.
#include "Orbelune.h"

#include <functional>

using namespace e2e;

TEST(TwoDrives_Lifecycle, EveryWayToEndTheProgramEndsItCleanly) {
    const struct {
        const char* name;
        std::function<void(App&)> end;
    } ways[] = {
        {"Exit button", [](App& app) { ClickButton(app.window, IDOK); }},
        {"Enter on the focused Exit button", [](App& app) { PressKeys(app.window, {VK_RETURN}); }},
        {"close box", [](App& app) { Post(app.window, WM_SYSCOMMAND, SC_CLOSE); }},
        {"context menu Exit",
         [](App& app) {
             ASSERT_TRUE(app.UseMenu(false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
         }},
        {"tray menu Exit while minimised",
         [](App& app) {
             Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
             ASSERT_TRUE(app.WaitVisible(false));
             ASSERT_TRUE(app.UseMenu(true, {VK_DOWN, VK_DOWN, VK_RETURN}));
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        App app;
        ASSERT_NE(app.window, nullptr);
        way.end(app);
        EXPECT_TRUE(app.process.EndsCleanly()) << "the program did not end, or not with code 0";
    }
}

TEST(TwoDrives_Lifecycle,
     MinimiseAndReduceGoToTheTrayItsMenuOrDoubleClickBringBackAndEscapeIsIgnored) {
    App app;
    ASSERT_NE(app.window, nullptr);
    Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(app.WaitVisible(false));
    EXPECT_FALSE(IsIconic(app.window));
    ASSERT_TRUE(app.UseMenu(true, {VK_DOWN, VK_RETURN})); // Restore
    EXPECT_TRUE(app.WaitVisible());

    ASSERT_TRUE(app.UseMenu(false, {VK_DOWN, VK_DOWN, VK_RETURN})); // Reduce
    EXPECT_TRUE(app.WaitVisible(false));
    Post(app.window, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(app.WaitVisible());
    // Keys arrive in order: once F3 has copied, Escape has been ignored.
    PressKeys(app.window, {VK_ESCAPE});
    EXPECT_TRUE(StartsWith(app.CopyWithF3(), kSystemFacts));
    EXPECT_TRUE(IsWindowVisible(app.window));
    app.Quit();
}
