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

// The label Wine keeps for a drive in its folder.
std::string LabelOf(const std::string& root) {
    std::string label = ReadFileBytes(root + ".windows-label").value_or("");
    return label.substr(0, label.find_first_of("\r\n"));
}

} // namespace

TEST(TwoDrives_Report, ChosenFromTheContextMenuItsBytesAreTheExpectedTexts) {
    DeleteFileA(Scratch("drives.txt").c_str());
    App app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    // Options, then the tenth item of its submenu.
    ASSERT_TRUE(UseMenu(app, false,
                        {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
                         VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    ASSERT_TRUE(SaveFileAs(app.Id(), Scratch("drives")));
    EXPECT_FALSE(IsWindowVisible(app.window));
    EXPECT_EQ(AnswerMessageBox(app.Id(), IDNO).value_or(""), kWritten);
    EXPECT_TRUE(WaitVisible(app.window));

    const std::string drive = "Capacity: # GB\r\nUsed: # GB (#%)\r\nFree: # GB  (#%)\r\n";
    const std::string facts = "File System: NTFS\r\nMax File Length Support: 255\r\nSystem drive: ";
    EXPECT_EQ(WithoutFigures(ReadFileBytes(Scratch("drives.txt")).value_or("")),
              "Orbelune version 1.0.2\r\nReport on computer: " + Env("COMPUTERNAME") + " by " +
                  Env("USERNAME") + "\r\nDate: (date)\r\n" + std::string(60, '-') +
                  "\r\n\r\n -> Number Of Logical Drives: 2\r\n\r\n"
                  "- C:\\\r\nVolume Name: SYSTEM\r\n" +
                  drive + "Serial Number: 5EED-0C01\r\n" + facts +
                  "yes\r\n\r\n"
                  "- E:\\\r\nVolume Name: DATA\r\n" +
                  drive + "Serial Number: 1A2B-3C4D\r\n" + facts +
                  "no\r\n\r\n"
                  "-> Summary\r\n\r\n. Storage Capacity: # GB\r\n. Used: # GB (#%)\r\n"
                  ". Free: # GB (#%)");
    Quit(app);
}

TEST(TwoDrives_SaveDialogs, ReportAndScreenshotKeepTheNameAskBeforeReplacingAndTakeLongPaths) {
    for (const int command : {ID_SAVE_REPORT, ID_SCREENSHOT}) {
        const bool report = command == ID_SAVE_REPORT;
        SCOPED_TRACE(report ? "report" : "screenshot");
        const std::string extension = report ? ".txt" : ".bmp";
        App app = StartOrbelune();
        ASSERT_NE(app.window, nullptr);
        // Types the name into the save dialog. `replace` answers the question
        // about an existing file; after a No the dialog is back, and is cancelled.
        const auto save = [&](const std::string& typed, int replace = 0) {
            Post(app.window, WM_COMMAND, command);
            HWND dialog = FindSaveDialog(app.Id());
            ASSERT_NE(dialog, nullptr);
            EXPECT_FALSE(IsWindowVisible(app.window));
            EXPECT_EQ(IsClipboardFormatAvailable(CF_BITMAP) != FALSE, !report) << "the picture";
            SetText(GetDlgItem(dialog, kSaveDialogFileName), typed);
            Post(dialog, WM_COMMAND, IDOK);
            if (replace) {
                const std::string question = AnswerMessageBox(app.Id(), replace).value_or("");
                EXPECT_NE(question.find("already exists"), std::string::npos) << question;
                if (report) {
                    EXPECT_EQ(question, typed + ".txt already exists.\nDo you want to replace it?");
                }
            }
            if (replace == IDNO) {
                Post(FindSaveDialog(app.Id()), WM_COMMAND, IDCANCEL);
            } else if (report) {
                EXPECT_EQ(AnswerMessageBox(app.Id(), IDNO).value_or(""), kWritten);
            }
            EXPECT_TRUE(WaitVisible(app.window));
            EXPECT_TRUE(WaitUntil([&] { return report || ClipboardIsEmpty(); })) << "the picture";
        };
        const auto isWritten = [&](const std::string& path) {
            return WaitUntil([&] {
                return report ? StartsWith(ReadFileBytes(path).value_or(""), "Orbelune version")
                              : IsCompleteBitmap(path);
            });
        };

        const std::string named = Scratch(report ? "Named.TXT" : "Named.BMP");
        DeleteFileA(named.c_str());
        save(named);
        EXPECT_TRUE(isWritten(named));
        EXPECT_FALSE(FileExists(named + extension)) << "the extension was added again";
        if (!report) { // the whole window, as an image tool reads it
            RECT outer{};
            GetWindowRect(app.window, &outer);
            EXPECT_EQ(RunHostTool("identify", "-format %w,%h\\n", named),
                      std::to_string(outer.right - outer.left) + "," +
                          std::to_string(outer.bottom - outer.top) + "\n");
        }

        // Typed without its extension, the name is still that of the existing file.
        WriteFileBytes(Scratch("old" + extension), "keep me");
        save(Scratch("old"), IDNO);
        EXPECT_EQ(ReadFileBytes(Scratch("old" + extension)).value_or(""), "keep me");
        save(Scratch("old"), IDYES);
        EXPECT_TRUE(isWritten(Scratch("old" + extension)));

        // The longest path a file can have.
        const std::string folder = Scratch(std::string(120, 'd'));
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string stem = folder + "\\" + std::string(MAX_PATH - folder.size() - 6, 'n');
        DeleteFileA((stem + extension).c_str());
        save(stem);
        EXPECT_TRUE(isWritten(stem + extension));
        EXPECT_EQ((stem + extension).size(), size_t(MAX_PATH - 1));
        Quit(app);
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
        {"IGNORED", IDNO, "IGNORED", nullptr, nullptr},
        {"TWO\rLINES", IDYES, "TWO\r\nLINES", "The volume name of E:\\ could not be changed.",
         nullptr},
        {"ARCHIVE", IDYES, "ARCHIVE", nullptr, "ARCHIVE"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::string before = LabelOf("E:\\");
        App app = StartOrbelune();
        ASSERT_NE(app.window, nullptr);
        SelectDrive(app.window, 1);
        Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
        HWND box = FindWindowOf(app.Id(), [](HWND w) { return GetDlgItem(w, IDC_INPUT_EDIT); });
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ItemText(box, kMessageBoxText), "New volume name for E:\\");
        EXPECT_EQ(ItemText(box, IDC_INPUT_EDIT), "");
        for (const char c : std::string(row.typed))
            Post(GetDlgItem(box, IDC_INPUT_EDIT), WM_CHAR, static_cast<unsigned char>(c));
        ClickButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_EQ(AnswerMessageBox(app.Id(), row.answer).value_or(""),
                  std::string("Volume Name \"") + row.shownName +
                      "\" will be apply to E:\\\nConfirm ?");
        EXPECT_EQ(AnswerMessageBox(app.Id(), IDOK, 1000).value_or("none"),
                  row.failure ? row.failure : "none");
        const std::string label = row.label ? row.label : before;
        EXPECT_TRUE(WaitUntil([&] { return LabelOf("E:\\") == label; }, 3000)) << LabelOf("E:\\");
        Quit(app);
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
        App app = StartOrbelune();
        ASSERT_NE(app.window, nullptr);
        SelectDrive(app.window, row.drive);
        Post(app.window, WM_COMMAND, ID_SHORTCUT);
        ASSERT_TRUE(WaitUntil([&] { return FileExists(link); })) << link;
        EXPECT_FALSE(FileExists(DesktopFile(".lnk")));
        const std::string info = RunHostTool("lnkinfo", "", link);
        EXPECT_NE(info.find(std::string("Local path\t\t\t: ") + row.root + "\n"), std::string::npos)
            << info;
        EXPECT_NE(info.find("Description\t\t\t: Shortcut created on "), std::string::npos) << info;
        Quit(app);
    }
}
