// Reliability under awkward input: keys and commands repeated or crossing each
// other, the clipboard held by another program, and a drive that goes away while
// the program runs. Each scenario checks that nothing is lost and that the
// program keeps working.
#include "Orbelune.h"

#include <cstdlib>
#include <functional>

using namespace e2e;

namespace {

// The number in a text such as ". Storage Capacity: 120 GB".
long long NumberIn(const std::string& text) {
    const size_t digit = text.find_first_of("0123456789");
    return digit == std::string::npos ? -1 : std::atoll(text.c_str() + digit);
}

// Every text of the drive view, for comparisons before and after.
std::string ViewTexts(HWND window) {
    std::string all;
    for (int id : {IDC_DRIVE_GROUP, IDC_VOLUME_NAME, IDC_CAPACITY, IDC_SERIAL, IDC_FILE_SYSTEM,
                   IDC_MAX_NAME_LENGTH, IDC_SYSTEM_DRIVE, IDC_DRIVE_COUNT, IDC_TOTAL_CAPACITY})
        all += ItemText(window, id) + "|";
    return all;
}

// Opens the about box and closes it: every message posted before has been handled.
void HandledSoFar(App& app) {
    Post(app.window, WM_COMMAND, ID_ABOUT);
    HWND about = FindWindowOf(app.Id(), kDialogClass, "About...");
    ASSERT_NE(about, nullptr);
    Post(about, WM_CLOSE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}

} // namespace

TEST(TwoDrives_Reliability, RepeatedAndCrossingInputLeavesTheViewRightAndTheProgramWorking) {
    const struct {
        const char* name;
        std::function<void(App&)> act;
    } rows[] = {
        {"F5 and F3 held down",
         [](App& app) {
             EmptyTheClipboard();
             for (WPARAM key : {VK_F5, VK_F3}) {
                 for (int i = 0; i < 40; ++i) // a first press, then repeats
                     Post(app.window, WM_KEYDOWN, key, i == 0 ? 1 : 0x40000001);
                 Post(app.window, WM_KEYUP, key, 0xC0000001);
             }
             HandledSoFar(app);
             const std::string copied = ClipboardText().value_or("");
             EXPECT_TRUE(StartsWith(copied, kSystemFacts)) << copied;
             EXPECT_EQ(copied.find("C:\\", 1), std::string::npos) << "copied more than once";
         }},
        {"commands that open a dialog arriving twice",
         [](App& app) {
             for (int command : {ID_SAVE_REPORT, ID_SCREENSHOT, ID_ABOUT, ID_RENAME_VOLUME}) {
                 Post(app.window, WM_COMMAND, command);
                 Post(app.window, WM_COMMAND, command);
                 DismissDialogs(app.Id(), app.window);
                 EXPECT_TRUE(WaitVisible(app.window)) << command;
                 EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.window) != FALSE; }));
             }
         }},
        {"a second right click while the menu is open",
         [](App& app) {
             for (int i = 0; i < 2; ++i)
                 Post(app.window, WM_CONTEXTMENU, WPARAM(app.window), MAKELPARAM(100, 100));
             ASSERT_TRUE(MenuIsOpen(app));
             PressKeys(app.window, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
             EXPECT_TRUE(WaitUntil([&] { return !MenuIsOpen(app, 0); }, 5000));
             ASSERT_TRUE(UseMenu(app, false, {VK_ESCAPE}));
             EXPECT_TRUE(WaitUntil([&] { return !MenuIsOpen(app, 0); }, 5000));
         }},
        {"clipboard held by another program during F3 and the copy command",
         [](App& app) {
             ASSERT_TRUE(WithClipboardHeld("the other program's text", [&] {
                 PressKeys(app.window, {VK_F3});
                 Post(app.window, WM_COMMAND, ID_COPY_TO_CLIPBOARD);
                 HandledSoFar(app);
             }));
             EXPECT_EQ(ClipboardText().value_or(""), "the other program's text");
         }},
        {"clipboard held by another program during the screenshot",
         [](App& app) {
             ASSERT_TRUE(WithClipboardHeld("kept", [&] {
                 Post(app.window, WM_COMMAND, ID_SCREENSHOT);
                 EXPECT_TRUE(SaveFileAs(app.Id(), Scratch("held.bmp")));
                 EXPECT_TRUE(WaitVisible(app.window));
                 EXPECT_TRUE(Answers(app.window)) << "the command has come to its end";
             }));
             EXPECT_TRUE(IsCompleteBitmap(Scratch("held.bmp")));
             EXPECT_EQ(ClipboardText().value_or(""), "kept");
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        App app = StartOrbelune();
        ASSERT_NE(app.window, nullptr);
        const std::string before = ViewTexts(app.window);
        row.act(app);
        ASSERT_TRUE(Answers(app.window));
        EXPECT_TRUE(WaitVisible(app.window));
        EXPECT_EQ(ViewTexts(app.window), before);
        EXPECT_TRUE(StartsWith(CopyWithF3(app), kSystemFacts)) << "F3 still copies";
        Quit(app);
    }
}

TEST(DriveGone_Reliability, ADriveTakenAwayWhileRunningThenEveryCommandOnItThenBack) {
    const std::string folder = Scratch("edrive");
    const std::string away = Scratch("edrive-away");
    App app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const long long bothDrives = NumberIn(ItemText(app.window, IDC_TOTAL_CAPACITY));
    SelectDrive(app.window, 1);
    ASSERT_EQ(ItemText(app.window, IDC_VOLUME_NAME), "Volume Name: GONE");

    ASSERT_TRUE(MoveFileA(folder.c_str(), away.c_str())) << GetLastError();
    PressKeys(app.window, {VK_F5});
    // The list is built once; the totals only count drives that answer.
    EXPECT_TRUE(StartsWith(CopyWithF3(app), "E:\\\r\n"));
    EXPECT_EQ(Send(GetDlgItem(app.window, IDC_DRIVE_COMBO), CB_GETCOUNT).value_or(-1), 2);
    EXPECT_EQ(ItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive E:\\");
    EXPECT_EQ(NumberIn(ItemText(app.window, IDC_TOTAL_CAPACITY)) * 2, bothDrives);

    const std::string report = SaveReport(app, "gone");
    EXPECT_NE(report.find("- C:\\\r\nVolume Name: SYSTEM\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("- E:\\\r\nThe facts of this drive could not be read.\r\n\r\n-> Summary"),
              std::string::npos)
        << report;

    for (int command : {ID_REFRESH, ID_EXPLORE, ID_PROPERTIES, ID_SEARCH, ID_DEFRAG, ID_CLEAN,
                        ID_FORMAT, ID_RENAME_VOLUME, ID_SHORTCUT, ID_COPY_TO_CLIPBOARD}) {
        Post(app.window, WM_COMMAND, command);
        const std::string closed = DismissDialogs(app.Id(), app.window);
        ASSERT_TRUE(Answers(app.window)) << "after command " << command << ": " << closed;
        EXPECT_TRUE(IsWindowVisible(app.window)) << command;
        EXPECT_EQ(ItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive E:\\") << command;
    }
    DeleteFileA(DesktopFile("GONE.lnk").c_str());

    // The drive comes back: the next refresh shows it again.
    ASSERT_TRUE(MoveFileA(away.c_str(), folder.c_str())) << GetLastError();
    PressKeys(app.window, {VK_F5});
    EXPECT_TRUE(StartsWith(CopyWithF3(app), "E:\\\r\nVolume Name: GONE\r\n"));
    EXPECT_EQ(ItemText(app.window, IDC_VOLUME_NAME), "Volume Name: GONE");
    EXPECT_EQ(NumberIn(ItemText(app.window, IDC_TOTAL_CAPACITY)), bothDrives);
    Quit(app);
}
