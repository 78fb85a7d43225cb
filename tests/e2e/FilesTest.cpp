// What the program writes through the save dialogs, its own questions and its
// command line, to the desktop and a volume's name, read back by independent readers.
#include "Orbelune.h"

#include <regex>

using namespace e2e;

namespace {

// The report with its date and figures, which depend on the machine, as placeholders.
std::string WithoutFigures(std::string report) {
    report = std::regex_replace(report, std::regex("\\d+(\\.\\d\\d)? GB"), "# GB");
    report = std::regex_replace(report, std::regex("\\(\\d+%\\)"), "(#%)");
    return std::regex_replace(report, std::regex("Date: \\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d"),
                              "Date: (date)");
}

// The report in the TwoDrives profile, as WithoutFigures leaves it.
std::string TwoDrivesReport() {
    const std::string drive = "Capacity: # GB\r\nUsed: # GB (#%)\r\nFree: # GB  (#%)\r\n";
    const std::string facts = "File System: NTFS\r\nMax File Length Support: 255\r\nSystem drive: ";
    return "Orbelune version 1.0.2\r\nReport on computer: " + Env("COMPUTERNAME") + " by " +
           Env("USERNAME") + "\r\nDate: (date)\r\n" + std::string(60, '-') +
           "\r\n\r\n -> Number Of Logical Drives: 2\r\n\r\n- C:\\\r\nVolume Name: SYSTEM\r\n" +
           drive + "Serial Number: 5EED-0C01\r\n" + facts + "yes\r\n\r\n" +
           "- E:\\\r\nVolume Name: DATA\r\n" + drive + "Serial Number: 1A2B-3C4D\r\n" + facts +
           "no\r\n\r\n-> Summary\r\n\r\n. Storage Capacity: # GB\r\n. Used: # GB (#%)\r\n" +
           ". Free: # GB (#%)";
}

} // namespace

// Each save command hides the window while it asks (the screenshot holding its picture on the
// clipboard), asks before replacing the file the name typed without its extension stands for,
// runs once however often it comes, and writes its file; the context menu's Exit ends the program.
TEST(TwoDrives_SaveDialogs, ReportAndScreenshotAskBeforeReplacingAndWriteTheirFiles) {
    App app;
    ASSERT_NE(app.window, nullptr);
    for (const int command : {ID_SAVE_REPORT, ID_SCREENSHOT}) {
        const bool report = command == ID_SAVE_REPORT;
        SCOPED_TRACE(report ? "report" : "screenshot");
        const std::string path = Scratch(report ? "old.txt" : "old.bmp");
        for (const int replace : {IDNO, IDYES}) {
            std::ofstream(path, std::ios::binary) << "keep me";
            Post(app.window, WM_COMMAND, command);
            Post(app.window, WM_COMMAND, command); // arrives while the first one asks
            ASSERT_NE(FindSaveDialog(app.Id()), nullptr);
            EXPECT_FALSE(IsWindowVisible(app.window));
            EXPECT_EQ(IsClipboardFormatAvailable(CF_BITMAP) != FALSE, !report) << "the picture";
            SaveFileAs(app.Id(), Scratch("old"));
            // The screenshot's question is the save dialog's own.
            EXPECT_EQ(AnswerMessageBox(app.Id(), replace),
                      (report ? path : "File") + " already exists.\nDo you want to replace it?");
            if (replace == IDNO) { // the dialog is back
                Post(FindSaveDialog(app.Id()), WM_COMMAND, IDCANCEL);
            } else if (report) {
                EXPECT_EQ(AnswerMessageBox(app.Id(), IDNO), kWritten);
            }
            EXPECT_TRUE(app.WaitVisible());
            EXPECT_EQ(ReadFileBytes(path) == "keep me", replace == IDNO);
            EXPECT_EQ(FindSaveDialog(app.Id(), 0), nullptr) << "a second dialog";
            EXPECT_TRUE(WaitUntil([&] { return report || !CountClipboardFormats(); }));
        }
        if (report) {
            EXPECT_EQ(WithoutFigures(ReadFileBytes(path)), TwoDrivesReport());
        } else { // the whole window, as an image tool reads it
            RECT r{};
            GetWindowRect(app.window, &r);
            EXPECT_EQ(RunOnHost("identify -format '%w,%h\\n' " + HostPath(path)),
                      std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top) +
                          "\n");
        }
    }
    EXPECT_TRUE(app.UseMenu(false, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(app.EndsCleanly());
}

// A script's inventory: "/report FILE" writes the menu's report over the file there; a report that
// cannot take its place ends with exit code 1 and leaves nothing half-written; any other argument
// ends with 2; "/?" shows the usage. A window or a question would hold the program past its time.
TEST(TwoDrives_CommandLine, TheReportIsWrittenWithoutAWindowAndOtherArgumentsAreRefused) {
    const std::string program = "\"" + Env("ORBELUNE_EXE") + "\" ";
    const std::string path = Scratch("drives of this computer.txt");
    std::ofstream(path, std::ios::binary) << "last week's report";
    EXPECT_EQ(RunProgram(program + "/report \"" + path + "\""), 0u);
    EXPECT_EQ(WithoutFigures(ReadFileBytes(path)), TwoDrivesReport());

    const std::string folder = Scratch("a folder");
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_EQ(RunProgram(program + "-REPORT \"" + folder + "\""), 1u);
    WIN32_FIND_DATAA found{};
    EXPECT_EQ(FindFirstFileA(Scratch("*.tmp").c_str(), &found), INVALID_HANDLE_VALUE);

    for (const char* refused : {"/bogus", "/report", "report x.txt", "/? /report x.txt"})
        EXPECT_EQ(RunProgram(program + refused), 2u) << refused;

    std::string usage; // under the program's name
    EXPECT_EQ(RunProgram(program + "/?", kTimeoutMs,
                         [&](HWND box) {
                             DWORD id = 0;
                             char title[64] = "";
                             GetWindowThreadProcessId(box, &id);
                             GetWindowTextA(box, title, sizeof title);
                             usage = title + (": " + AnswerMessageBox(id, IDOK));
                         }),
              0u);
    EXPECT_EQ(usage.rfind("Orbelune: Orbelune shows the fixed drives", 0), 0u) << usage;
}

// The shortcut goes on the desktop, named after the drive's label; a file of that name is
// replaced only when the user says so. A rename answered No, or confirmed with a name the file
// system refuses (reported), leaves the label; an accepted name is checked with the Unicode names.
TEST(Tools_DriveTools, TheShortcutAsksBeforeReplacingAFileAndARenameChangesNothingUnconfirmed) {
    const std::string link = Env("USERPROFILE") + "\\Desktop\\SYSTEM.lnk";
    App app;
    ASSERT_NE(app.window, nullptr);
    for (const int answer : {IDNO, IDYES}) {
        std::ofstream(link, std::ios::binary) << "the user's own file";
        Post(app.window, WM_COMMAND, ID_SHORTCUT);
        EXPECT_EQ(AnswerMessageBox(app.Id(), answer),
                  link + " already exists.\nDo you want to replace it?");
        EXPECT_TRUE(Send(app.window, WM_NULL).has_value()); // the command has ended
        EXPECT_EQ(ReadFileBytes(link) == "the user's own file", answer == IDNO);
    }
    app.SelectDrive(1);
    const auto labelOf = [] { return ReadFileBytes("E:\\.windows-label"); }; // where Wine keeps it
    const std::string label = labelOf();
    for (const auto& [typed, answer] : {std::pair{"IGNORED", IDNO}, {"TWO\rLINES", IDYES}}) {
        SCOPED_TRACE(typed);
        Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
        HWND box = FindWindowOf(app.Id(), [](HWND w) { return GetDlgItem(w, IDC_INPUT_EDIT); });
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ItemText(box, kMessageBoxText), "New volume name for E:\\");
        RECT inner{}, outer{};
        GetWindowRect(box, &inner);
        GetWindowRect(app.window, &outer);
        EXPECT_NEAR(inner.left + inner.right, outer.left + outer.right, 2) << "centred";
        EXPECT_NEAR(inner.top + inner.bottom, outer.top + outer.bottom, 2);
        for (const char c : std::string(typed))
            Post(GetDlgItem(box, IDC_INPUT_EDIT), WM_CHAR, static_cast<unsigned char>(c));
        ClickButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_EQ(AnswerMessageBox(app.Id(), answer),
                  "Volume Name \"" + std::regex_replace(typed, std::regex("\r"), "\r\n") +
                      "\" will be apply to E:\\\nConfirm ?");
        EXPECT_EQ(AnswerMessageBox(app.Id(), IDOK, 1000),
                  answer == IDYES ? "The volume name of E:\\ could not be changed." : "");
        EXPECT_EQ(labelOf(), label);
    }
    app.Quit();
}
