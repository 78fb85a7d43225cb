// Every way to end the program (its close box ends every other scenario), the
// way to the notification area and back, Escape, which does not end it, and F3
// while another program holds the clipboard.
#include "Orbelune.h"

#include <tlhelp32.h>

using namespace e2e;

TEST(TwoDrives_Lifecycle, EveryWayToEndTheProgramEndsItCleanly) {
    const std::pair<const char*, std::function<void(App&)>> ways[] = {
        {"Exit button after Escape and F3 while another program held the clipboard",
         [](App& app) {
             WithClipboardHeld("the other program's text", [&] {
                 PressKeys(app.window, {VK_ESCAPE, VK_F3});
                 Post(app.window, WM_COMMAND, ID_ABOUT); // opens once the keys were handled
                 HWND about = FindWindowOf(app.Id(), kDialogClass, "About...");
                 EXPECT_TRUE(about && Post(about, WM_CLOSE) &&
                             WaitUntil([&] { return !IsWindow(about); }));
             });
             EXPECT_EQ(ClipboardText(), "the other program's text");
             EXPECT_EQ(app.CopyWithF3().rfind(kSystemFacts, 0), 0u) << "F3 copies once it is free";
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

// A library with a system library's name beside the program, as a download
// folder may hold one, is never loaded, not even by the system's libraries.
TEST(TwoDrives_Lifecycle, ALibraryPlantedBesideTheProgramIsNeverLoaded) {
    const std::string folder = Scratch("planted");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((Env("ORBELUNE_BIN") + "planted\\UXTHEME.DLL").c_str(),
                          (folder + "\\UXTHEME.DLL").c_str(), FALSE));
    App app(folder + "\\Orbelune.exe");
    ASSERT_NE(app.window, nullptr);
    Post(app.window, WM_COMMAND, ID_ABOUT); // its button draws with the visual styles
    HWND about = FindWindowOf(app.Id(), kDialogClass, "About...");
    std::vector<std::string> fromItsFolder;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, app.Id());
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module))
        if (_strnicmp(module.szExePath, folder.c_str(), folder.size()) == 0)
            fromItsFolder.push_back(module.szModule);
    CloseHandle(snapshot);
    EXPECT_EQ(fromItsFolder, std::vector<std::string>{"Orbelune.exe"});
    EXPECT_TRUE(about && Post(about, WM_CLOSE) && WaitUntil([&] { return !IsWindow(about); }));
    app.Quit();
}
