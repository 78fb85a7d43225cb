// Names in any script, as a user writes them: the program in a folder whose name no legacy code
// page holds, where it keeps its setting (a file made at the first start, read beside the program
// whatever the working folder, garbage in it taken for none) and writes a report (in UTF-8) named
// in any script, and a volume label in Cyrillic, Greek and Chinese, shown, copied, made a
// shortcut's name and written anew.
#include "Orbelune.h"

using namespace e2e;

TEST(Unicode_Names, ALabelAndTheProgramsFolderInAnyScriptAreShownCopiedKeptAndReported) {
    const std::string label = "Диск Ω 数据", folder = "C:\\Łódź Ω";
    const std::string program = folder + "\\Orbelune.exe", ini = folder + "\\Orbelune.ini";
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(Wide(Env("ORBELUNE_EXE")).c_str(), Wide(program).c_str(), FALSE));
    {
        App app(program, folder);
        ASSERT_NE(app.window, nullptr);
        app.SelectDrive(1);
        EXPECT_EQ(app.Item(IDC_VOLUME_NAME), "Volume Name: " + label);
        EXPECT_EQ(app.CopyWithF3().rfind("G:\\\r\nVolume Name: " + label + "\r\n", 0), 0u);
        const std::string link = Env("USERPROFILE") + "\\Desktop\\" + label + ".lnk";
        DeleteFileW(Wide(link).c_str());
        Send(app.window, WM_COMMAND, ID_SHORTCUT); // returns when the command has ended
        ASSERT_TRUE(CopyFileW(Wide(link).c_str(), Wide(Scratch("names.lnk")).c_str(), FALSE));
        EXPECT_EQ(LinkField(Scratch("names.lnk"), "Local path"), "G:\\");
        EXPECT_EQ(LinkField(Scratch("names.lnk"), "Description").rfind("Shortcut created on ", 0),
                  0u);
        EXPECT_EQ(ReadFileBytes(ini), "[Orbelune]\r\nWnd_Transparency=0\r\n");
        ClickButton(app.window, IDC_TRANSPARENCY);
        EXPECT_TRUE(WaitUntil(
            [&] { return ReadFileBytes(ini) == "[Orbelune]\r\nWnd_Transparency=1\r\n"; }, 3000));
        app.Quit();
    }
    const std::string report = folder + "\\Отчёт 数据.txt";
    EXPECT_EQ(RunProgram("\"" + program + "\" /report \"" + report + "\""), 0u);
    EXPECT_NE(ReadFileBytes(report).find("\r\nVolume Name: " + label + "\r\n"), std::string::npos);

    App app(program); // in the scratch folder
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(app.Alpha(), 191) << "restored at the next start";
    // A new label typed in the input box reaches the volume as typed.
    app.SelectDrive(1);
    Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
    HWND box = FindWindowOf(app.Id(), [](HWND w) { return GetDlgItem(w, IDC_INPUT_EDIT); });
    ASSERT_NE(box, nullptr);
    Send(GetDlgItem(box, IDC_INPUT_EDIT), WM_SETTEXT, 0, LPARAM(L"Данные ε"));
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(AnswerMessageBox(app.Id(), IDYES),
              "Volume Name \"Данные ε\" will be apply to G:\\\nConfirm ?");
    EXPECT_TRUE(WaitUntil(
        [] {
            const std::string written = Env("ORBELUNE_DRIVE_G_DIR") + "/.windows-label";
            return ReadFileBytes(written).rfind("Данные ε", 0) == 0;
        },
        3000));
    app.Quit();

    std::string garbage(65536, '\0'); // binary garbage in the file is taken for no setting
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 2654435761u) >> 13);
    std::ofstream(Wide(ini).c_str(), std::ios::binary) << garbage;
    App damaged(program);
    EXPECT_EQ(damaged.Alpha(), 255);
    damaged.Quit();
}
