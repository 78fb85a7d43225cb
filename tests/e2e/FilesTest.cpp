// What the program writes through the system's save dialogs and its own
// questions: the report, the screenshot, the desktop shortcut and a new volume
// name; the files are read back by independent readers where there are any.
#include "Orbelune.h"

#include <regex>

using namespace e2e;

namespace {

// The report with its date and its figures, which depend on the machine,
// replaced by placeholders.
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
           drive + "Serial Number: 5EED-0C01\r\n" + facts +
           "yes\r\n\r\n- E:\\\r\nVolume Name: DATA\r\n" + drive + "Serial Number: 1A2B-3C4D\r\n" +
           facts +
           "no\r\n\r\n-> Summary\r\n\r\n. Storage Capacity: # GB\r\n. Used: # GB (#%)\r\n. Free: # "
           "GB (#%)";
}

// The label Wine keeps for a drive in its folder.
std::string LabelOf(const std::string& root) {
    const std::string label = ReadFileBytes(root + ".windows-label");
    return label.substr(0, label.find_first_of("\r\n"));
}

} // namespace

// Each save command hides the window while it asks (the screenshot holding its
// picture on the clipboard), asks before replacing the file that the name typed
// without its extension stands for, runs once however often it arrives, and
// writes the expected report, or a picture of the whole window.
TEST(TwoDrives_SaveDialogs, ReportAndScreenshotAskBeforeReplacingAndWriteTheirFiles) {
    for (const int command : {ID_SAVE_REPORT, ID_SCREENSHOT}) {
        const bool report = command == ID_SAVE_REPORT;
        SCOPED_TRACE(report ? "report" : "screenshot");
        const std::string path = Scratch(report ? "old.txt" : "old.bmp");
        App app;
        ASSERT_NE(app.window, nullptr);
        for (const int replace : {IDNO, IDYES}) {
            WriteFileBytes(path, "keep me");
            Post(app.window, WM_COMMAND, command);
            Post(app.window, WM_COMMAND, command); // arrives while the first one asks
            HWND dialog = FindSaveDialog(app.Id());
            ASSERT_NE(dialog, nullptr);
            EXPECT_FALSE(IsWindowVisible(app.window));
            EXPECT_EQ(IsClipboardFormatAvailable(CF_BITMAP) != FALSE, !report) << "the picture";
            const std::string typed = Scratch("old");
            Send(GetDlgItem(dialog, kSaveDialogFileName), WM_SETTEXT, 0, LPARAM(typed.c_str()));
            Post(dialog, WM_COMMAND, IDOK);
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
        } else {
            EXPECT_TRUE(app.IsPictureOfTheWindow(path));
        }
        app.Quit();
    }
}

TEST(Tools_Rename, TheInputBoxAndTheConfirmationDecideWhetherTheLabelChanges) {
    const struct {
        const char* typed;
        int answer;
        const char* shownName;
        const char* failure;
        const char* label; // nullptr: unchanged
    } rows[] = {
        {"IGNORED", IDNO, "IGNORED", "", nullptr},
        {"TWO\rLINES", IDYES, "TWO\r\nLINES", "The volume name of E:\\ could not be changed.",
         nullptr},
        {"ARCHIVE", IDYES, "ARCHIVE", "", "ARCHIVE"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string label = row.label ? row.label : LabelOf("E:\\");
        App app;
        ASSERT_NE(app.window, nullptr);
        app.SelectDrive(1);
        Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
        HWND box = FindWindowOf(app.Id(), [](HWND w) { return GetDlgItem(w, IDC_INPUT_EDIT); });
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ItemText(box, kMessageBoxText), "New volume name for E:\\");
        EXPECT_EQ(ItemText(box, IDC_INPUT_EDIT), "");
        for (const char c : std::string(row.typed))
            Post(GetDlgItem(box, IDC_INPUT_EDIT), WM_CHAR, static_cast<unsigned char>(c));
        ClickButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_EQ(AnswerMessageBox(app.Id(), row.answer),
                  std::string("Volume Name \"") + row.shownName +
                      "\" will be apply to E:\\\nConfirm ?");
        EXPECT_EQ(AnswerMessageBox(app.Id(), IDOK, 1000), row.failure);
        EXPECT_TRUE(WaitUntil([&] { return LabelOf("E:\\") == label; }, 3000)) << LabelOf("E:\\");
        app.Quit();
    }
}

TEST(Tools_Shortcut, LinksToTheDriveForTheLinkParserNamedAfterLabelOrLetter) {
    const struct {
        int drive;
        const char* root;
        const char* link;
    } rows[] = {{0, "C:\\", "SYSTEM.lnk"}, {2, "F:\\", "Drive F.lnk"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.link);
        const std::string link = DesktopFile(row.link);
        DeleteFileA(link.c_str());
        App app;
        ASSERT_NE(app.window, nullptr);
        app.SelectDrive(row.drive);
        Post(app.window, WM_COMMAND, ID_SHORTCUT);
        ASSERT_TRUE(WaitUntil([&] { return FileExists(link); })) << link;
        EXPECT_FALSE(FileExists(DesktopFile(".lnk")));
        const std::string info = RunHostTool("lnkinfo", link);
        EXPECT_NE(info.find(std::string("Local path\t\t\t: ") + row.root + "\n"), std::string::npos)
            << info;
        EXPECT_NE(info.find("Description\t\t\t: Shortcut created on "), std::string::npos) << info;
        app.Quit();
    }
}
