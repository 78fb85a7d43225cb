// Names in any script, as a user writes them: a volume label in Cyrillic,
// Greek and Chinese, shown, copied, made a shortcut's name and written anew,
// and the program in a folder whose name no legacy code page holds, where it
// keeps its setting and writes a report (in UTF-8) named in any script.
#include "Orbelune.h"

using namespace e2e;

namespace {

const std::string kLabel = "Диск Ω 数据";

} // namespace

TEST(Unicode_Names, ALabelInAnyScriptIsShownCopiedAndNamesTheShortcut) {
    App app;
    ASSERT_NE(app.window, nullptr);
    app.SelectDrive(1);
    EXPECT_EQ(app.Item(IDC_VOLUME_NAME), "Volume Name: " + kLabel);
    EXPECT_EQ(app.Item(IDC_SERIAL), "Serial Number: 0A1B-2C3D");
    // The clipboard holds UTF-16; a program reading 8-bit text gets the
    // system's conversion into its own code page.
    EXPECT_EQ(app.CopyWithF3().rfind("G:\\\r\nVolume Name: " + kLabel + "\r\n", 0), 0u);
    EXPECT_EQ(ClipboardText(CF_TEXT).rfind("G:\\\r\nVolume Name: ", 0), 0u);

    const std::string link = Env("USERPROFILE") + "\\Desktop\\" + kLabel + ".lnk";
    DeleteFileW(Wide(link).c_str());
    Send(app.window, WM_COMMAND, ID_SHORTCUT); // returns when the command has ended
    ASSERT_TRUE(CopyFileW(Wide(link).c_str(), Wide(Scratch("names.lnk")).c_str(), FALSE));
    const std::string info = RunOnHost("lnkinfo " + HostPath(Scratch("names.lnk")));
    EXPECT_NE(info.find("Local path\t\t\t: G:\\\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Description\t\t\t: Shortcut created on "), std::string::npos) << info;

    // A new label typed in the input box reaches the volume as typed.
    Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
    HWND box = FindWindowOf(app.Id(), [](HWND w) { return GetDlgItem(w, IDC_INPUT_EDIT); });
    ASSERT_NE(box, nullptr);
    SendMessageW(GetDlgItem(box, IDC_INPUT_EDIT), WM_SETTEXT, 0, LPARAM(L"Данные ε"));
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(AnswerMessageBox(app.Id(), IDYES),
              "Volume Name \"Данные ε\" will be apply to G:\\\nConfirm ?");
    EXPECT_TRUE(WaitUntil(
        [] {
            return ReadFileBytes(Env("ORBELUNE_DRIVE_G_DIR") + "/.windows-label")
                       .rfind("Данные ε", 0) == 0;
        },
        3000));
    app.Quit();
}

TEST(Unicode_Names, AProgramInAFolderNamedInAnyScriptKeepsItsSettingAndReportsThere) {
    const std::string folder = "C:\\Łódź Ω";
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(Wide(Env("ORBELUNE_EXE")).c_str(),
                          Wide(folder + "\\Orbelune.exe").c_str(), FALSE));
    {
        App app(folder + "\\Orbelune.exe", folder);
        ASSERT_NE(app.window, nullptr);
        ClickButton(app.window, IDC_TRANSPARENCY);
        EXPECT_TRUE(WaitUntil(
            [&] {
                return ReadFileBytes(folder + "\\Orbelune.ini") ==
                       "[Orbelune]\r\nWnd_Transparency=1\r\n";
            },
            3000));
        app.Quit();
    }
    App app(folder + "\\Orbelune.exe", folder);
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(app.Alpha(), 191) << "restored at the next start";
    app.Quit();
    const std::string report = folder + "\\Отчёт 数据.txt";
    EXPECT_EQ(RunProgram("\"" + folder + "\\Orbelune.exe\" /report \"" + report + "\""), 0u);
    EXPECT_NE(ReadFileBytes(report).find("\r\nVolume Name: " + kLabel + "\r\n"), std::string::npos);
}
