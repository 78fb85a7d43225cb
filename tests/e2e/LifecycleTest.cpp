// Every way to end the program (its close box ends every other scenario), the
// way to the notification area and back, and Escape, which does not end it.
#include "Orbelune.h"

using namespace e2e;

TEST(TwoDrives_Lifecycle, EveryWayToEndTheProgramEndsItCleanly) {
    const std::pair<const char*, std::function<void(App&)>> ways[] = {
        {"Exit button after Escape",
         [](App& app) {
             // Keys arrive in order: once F3 has copied, Escape has been ignored.
             PressKeys(app.window, {VK_ESCAPE});
             EXPECT_EQ(app.CopyWithF3().rfind(kSystemFacts, 0), 0u);
             ClickButton(app.window, IDOK);
         }},
        {"Enter on the focused Exit button", [](App& app) { PressKeys(app.window, {VK_RETURN}); }},
        {"context menu Exit",
         [](App& app) {
             app.UseMenu(false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
         }},
        {"tray menu Exit, after minimising and reducing to the tray and coming back",
         [](App& app) {
             Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
             EXPECT_TRUE(app.WaitVisible(false));
             EXPECT_TRUE(app.UseMenu(true, {VK_DOWN, VK_RETURN})); // Restore
             EXPECT_TRUE(app.WaitVisible());
             EXPECT_TRUE(app.UseMenu(false, {VK_DOWN, VK_DOWN, VK_RETURN})); // Reduce
             EXPECT_TRUE(app.WaitVisible(false));
             Post(app.window, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
             EXPECT_TRUE(app.WaitVisible());
             Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
             app.UseMenu(true, {VK_DOWN, VK_DOWN, VK_RETURN});
         }},
    };
    for (const auto& [name, end] : ways) {
        SCOPED_TRACE(name);
        App app;
        ASSERT_NE(app.window, nullptr);
        end(app);
        EXPECT_TRUE(app.EndsCleanly()) << "the program did not end, or not with code 0";
    }
}
