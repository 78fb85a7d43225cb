// Reliability with unusual drives: twenty fixed drives, a drive that goes
// away while the program runs, and labels of the longest length with 8-bit
// characters. Each scenario checks that the texts stay right, that nothing
// written is lost and that the window keeps answering.
#include "ReliabilityHelpers.h"

#include <shlobj.h>

#include <cstdlib>
#include <string>

using namespace reliability;

namespace {

// The number in a summary text such as ". Storage Capacity: 120 GB".
long long NumberIn(const std::string& text) {
    const std::size_t digit = text.find_first_of("0123456789");
    return digit == std::string::npos ? -1 : std::atoll(text.c_str() + digit);
}

// Whole gigabytes of the selected drive's capacity text ("Capacity: 251.97 GB").
long long WholeCapacity(HWND window) {
    return NumberIn(e2e::DlgItemText(window, IDC_CAPACITY));
}

int CountOccurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string SaveReport(Running& app, const std::string& name) {
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    if (!e2e::SaveFileAs(app.process.Id(), Scratch(name))) {
        return "<no save dialog>";
    }
    const auto question = e2e::AnswerMessageBox(app.process.Id(), IDNO);
    EXPECT_EQ(question.value_or(""), "File correctly written.\nDo you want to open it ?");
    e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000);
    return e2e::ReadFileBytes(Scratch(name + ".txt")).value_or("<missing>");
}

std::string CopyWithF3(Running& app) {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    e2e::PressKey(app.window, VK_F3);
    e2e::WaitUntil([] { return !e2e::ClipboardIsEmpty(); }, 5000);
    return e2e::ClipboardText().value_or("");
}

// The shortcut file of that name on the desktop.
std::string DesktopShortcut(const std::string& name) {
    char desktop[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    return std::string(desktop) + "\\" + name + ".lnk";
}

} // namespace

TEST(TwentyDrives_Reliability, ListsAllTwentyInOrderAndEveryExportCoversThem) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    HWND combo = GetDlgItem(app.window, IDC_DRIVE_COMBO);
    const std::string letters = "CDEFGHIJKLMNOPQRUVXY";
    ASSERT_EQ(e2e::Send(combo, CB_GETCOUNT).value_or(-1), 20);
    for (int i = 0; i < 20; ++i) {
        const std::string root = std::string(1, letters[i]) + ":\\";
        EXPECT_EQ(e2e::Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(root.c_str()))
                      .value_or(-1),
                  i)
            << root;
    }
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 20");
    // All twenty folders lie on one file system: the total is twenty times one drive.
    const long long oneDrive = WholeCapacity(app.window);
    EXPECT_EQ(NumberIn(e2e::DlgItemText(app.window, IDC_TOTAL_CAPACITY)), 20 * oneDrive);

    SelectDrive(app.window, 19);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive Y:\\");
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: DISK_Y");
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_SERIAL), "Serial Number: 2026-0013");
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_SYSTEM_DRIVE), "System drive: no");
    EXPECT_TRUE(StartsWith(CopyWithF3(app), "Y:\\\r\nVolume Name: DISK_Y\r\n"));

    const std::string report = SaveReport(app, "twenty");
    EXPECT_NE(report.find(" -> Number Of Logical Drives: 20\r\n"), std::string::npos) << report;
    EXPECT_EQ(CountOccurrences(report, "\r\n- "), 20);
    for (char letter : letters) {
        EXPECT_NE(report.find(std::string("- ") + letter + ":\\\r\n"), std::string::npos) << letter;
    }
    // Writing the report does not move the selection.
    EXPECT_EQ(e2e::Send(combo, CB_GETCURSEL).value_or(-1), 19);
    ASSERT_TRUE(Answers(app.window));
    Quit(app);
}

TEST(DriveGone_Reliability, DriveTakenAwayWhileRunningThenEveryCommandOnIt) {
    const std::string folder = Scratch("edrive");
    const std::string away = Scratch("edrive-away");
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const long long bothDrives = NumberIn(e2e::DlgItemText(app.window, IDC_TOTAL_CAPACITY));
    SelectDrive(app.window, 1);
    ASSERT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: GONE");

    ASSERT_TRUE(MoveFileA(folder.c_str(), away.c_str())) << GetLastError();
    e2e::PressKey(app.window, VK_F5);
    ASSERT_TRUE(Answers(app.window));
    // The list is built once; the totals only count drives that answer.
    EXPECT_EQ(e2e::Send(GetDlgItem(app.window, IDC_DRIVE_COMBO), CB_GETCOUNT).value_or(-1), 2);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive E:\\");
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    EXPECT_EQ(NumberIn(e2e::DlgItemText(app.window, IDC_TOTAL_CAPACITY)) * 2, bothDrives);

    EXPECT_TRUE(StartsWith(CopyWithF3(app), "E:\\\r\n"));
    const std::string report = SaveReport(app, "gone");
    EXPECT_TRUE(StartsWith(report, "Orbelune version 1.0.2\r\n")) << report;
    EXPECT_NE(report.find("- C:\\\r\nVolume Name: SYSTEM\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("- E:\\\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("-> Summary"), std::string::npos) << report;

    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    EXPECT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("gone.bmp")));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsCompleteBitmapFile(Scratch("gone.bmp")); }, 5000));

    for (int command : {ID_REFRESH, ID_EXPLORE, ID_PROPERTIES, ID_SEARCH, ID_DEFRAG, ID_CLEAN,
                        ID_FORMAT, ID_RENAME_VOLUME, ID_SHORTCUT, ID_COPY_TO_CLIPBOARD}) {
        e2e::Post(app.window, WM_COMMAND, command);
        const std::string closed = DismissDialogs(app);
        ASSERT_TRUE(Answers(app.window)) << "after command " << command << ": " << closed;
        EXPECT_TRUE(IsWindowVisible(app.window)) << "after command " << command;
        EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive E:\\") << command;
    }

    DeleteFileA(DesktopShortcut("GONE").c_str());

    // The drive comes back: the next refresh shows it again.
    ASSERT_TRUE(MoveFileA(away.c_str(), folder.c_str())) << GetLastError();
    e2e::PressKey(app.window, VK_F5);
    ASSERT_TRUE(Answers(app.window));
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: GONE");
    EXPECT_EQ(NumberIn(e2e::DlgItemText(app.window, IDC_TOTAL_CAPACITY)), bothDrives);
    EXPECT_TRUE(app.process.IsRunning());
    Quit(app);
}

TEST(LongLabels_Reliability, LongestLabelsWithEightBitCharactersPassThroughUnchanged) {
    // The C: label in the program's 8-bit code page (Windows-1252).
    const std::string wide = "Gr\xf6\xdf"
                             "e_Donn\xe9"
                             "es_\xc9t\xe9_\xd1"
                             "and\xfa_\xd8re_\xc6\xc5!!";
    const std::string ascii = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    ASSERT_EQ(wide.size(), 32u);

    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: " + wide);
    EXPECT_EQ(CopyWithF3(app).substr(0, 5 + 13 + 32), "C:\\\r\nVolume Name: " + wide);

    SelectDrive(app.window, 1);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: " + ascii);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_SERIAL), "Serial Number: 1A2B-3C4D");

    const std::string report = SaveReport(app, "labels");
    EXPECT_NE(report.find("- C:\\\r\nVolume Name: " + wide + "\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("- E:\\\r\nVolume Name: " + ascii + "\r\n"), std::string::npos);

    // The desktop shortcut is named after the label.
    const std::string shortcut = DesktopShortcut(wide);
    DeleteFileA(shortcut.c_str());
    SelectDrive(app.window, 0);
    e2e::Post(app.window, WM_COMMAND, ID_SHORTCUT);
    DismissDialogs(app);
    EXPECT_TRUE(e2e::WaitUntil([&] { return FileExists(shortcut); }, 5000)) << shortcut;
    DeleteFileA(shortcut.c_str());
    ASSERT_TRUE(Answers(app.window));
    Quit(app);
}
