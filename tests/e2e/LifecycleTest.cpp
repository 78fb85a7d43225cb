#include "Orbelune.h"

#include <cstring>
#include <tlhelp32.h>

using namespace e2e;

// A run as a user may take it: Escape (the program stays), F3 while another program holds the
// clipboard, the about box (its button draws with the visual styles), the way to the notification
// area and back and the icon menu's Exit. A library with a system library's name beside the
// program, as a download folder may hold one, is never loaded, not even by the system's libraries.
TEST(TwoDrives_Lifecycle, AClipboardHeldThePlantedLibraryAndTheTrayMenuOnTheWayToTheEnd) {
    const std::string folder = Scratch("planted");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((Env("ORBELUNE_BIN") + "planted\\UXTHEME.DLL").c_str(),
                          (folder + "\\UXTHEME.DLL").c_str(), FALSE));
    App app(folder + "\\Orbelune.exe");
    ASSERT_NE(app.window, nullptr);
    const std::string held = "the other program's text";
    OpenClipboard(nullptr); // held as another program holds it
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, held.size() + 1);
    std::memcpy(GlobalLock(block), held.c_str(), held.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    PressKeys(app.window, {VK_ESCAPE, VK_F3});
    Post(app.window, WM_COMMAND, ID_ABOUT); // opens once the keys were handled
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
    CloseClipboard();
    EXPECT_EQ(ClipboardText(), held);
    EXPECT_EQ(app.CopyWithF3().rfind("C:\\\r\nVolume Name: SYSTEM\r\n", 0), 0u)
        << "F3 copies once the clipboard is free";

    // Minimised and back by the icon's menu, reduced by the context menu and back by a
    // double-click on the icon (under Wine its menu right after the context menu may not open).
    Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(app.WaitVisible(false));
    EXPECT_TRUE(app.UseMenu(true, {VK_DOWN, VK_RETURN})); // Restore
    EXPECT_TRUE(app.WaitVisible());
    EXPECT_TRUE(app.UseMenu(false, {VK_DOWN, VK_DOWN, VK_RETURN})); // Reduce
    EXPECT_TRUE(app.WaitVisible(false));
    Post(app.window, kTrayMessage, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(app.WaitVisible());
    Send(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(app.WaitVisible(false));
    EXPECT_TRUE(app.UseMenu(true, {VK_DOWN, VK_DOWN, VK_RETURN})); // Exit
    EXPECT_TRUE(app.EndsCleanly());
}
