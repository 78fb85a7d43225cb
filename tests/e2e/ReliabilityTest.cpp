// Reliability: the clipboard held by another program, and a drive that goes
// away while the program runs. Each case checks that nothing is lost and that
// the program keeps working.
#include "Orbelune.h"

#include <cstdlib>
#include <functional>
#include <map>

using namespace e2e;

namespace {

// The number in a text such as ". Storage Capacity: 120 GB".
long long NumberIn(const std::string& text) {
    const size_t digit = text.find_first_of("0123456789");
    return digit == std::string::npos ? -1 : std::atoll(text.c_str() + digit);
}

// Opens the about box and closes it: every message posted before has been
// handled, and no other box may be open.
void HandledSoFar(App& app) {
    Post(app.window, WM_COMMAND, ID_ABOUT);
    HWND about = FindWindowOf(app.Id(), kDialogClass, "About...");
    ASSERT_NE(about, nullptr);
    Post(about, WM_CLOSE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    const auto box = [](HWND w) { return GetDlgItem(w, kMessageBoxText) != nullptr; };
    EXPECT_FALSE(FindWindowOf(app.Id(), box, 0)) << "a box nobody answered";
}

} // namespace

TEST(TwoDrives_Reliability, CommandsWhileAnotherProgramHoldsTheClipboardLeaveItsText) {
    const struct {
        const char* name;
        std::function<void(App&)> act;
    } rows[] = {
        {"F3 and the copy command",
         [](App& app) {
             PressKeys(app.window, {VK_F3});
             Post(app.window, WM_COMMAND, ID_COPY_TO_CLIPBOARD);
         }},
        {"the screenshot",
         [](App& app) {
             DeleteFileA(Scratch("held.bmp").c_str());
             Post(app.window, WM_COMMAND, ID_SCREENSHOT);
             EXPECT_TRUE(SaveFileAs(app.Id(), Scratch("held.bmp")));
             EXPECT_TRUE(app.WaitVisible());
             EXPECT_TRUE(app.IsPictureOfTheWindow(Scratch("held.bmp")));
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        App app;
        ASSERT_NE(app.window, nullptr);
        ASSERT_TRUE(WithClipboardHeld("the other program's text", [&] {
            row.act(app);
            HandledSoFar(app);
        }));
        EXPECT_EQ(ClipboardText(), "the other program's text");
        EXPECT_TRUE(StartsWith(app.CopyWithF3(), kSystemFacts)) << "F3 copies once it is free";
        app.Quit();
    }
}

TEST(DriveGone_Reliability, ADriveTakenAwayWhileRunningThenEveryCommandOnItThenBack) {
    const std::string folder = Scratch("edrive");
    const std::string away = Scratch("edrive-away");
    App app;
    ASSERT_NE(app.window, nullptr);
    const long long bothDrives = NumberIn(app.Item(IDC_TOTAL_CAPACITY));
    app.SelectDrive(1);
    ASSERT_EQ(app.Item(IDC_VOLUME_NAME), "Volume Name: GONE");

    ASSERT_TRUE(MoveFileA(folder.c_str(), away.c_str())) << GetLastError();
    PressKeys(app.window, {VK_F5});
    // The list is built once; the totals only count drives that answer.
    EXPECT_TRUE(StartsWith(app.CopyWithF3(), "E:\\\r\n"));
    EXPECT_EQ(app.DriveList(CB_GETCOUNT), 2);
    EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive E:\\");
    EXPECT_EQ(NumberIn(app.Item(IDC_TOTAL_CAPACITY)) * 2, bothDrives);

    const std::string report = app.SaveReport("gone");
    EXPECT_NE(report.find("- C:\\\r\nVolume Name: SYSTEM\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("- E:\\\r\nThe facts of this drive could not be read.\r\n\r\n-> Summary"),
              std::string::npos)
        << report;

    // Every command on the drive, then the buttons that answer the boxes it shows:
    // the system's error for the properties, the rename's input box and question.
    std::map<int, std::vector<int>> answers = {{ID_PROPERTIES, {IDOK}},
                                               {ID_RENAME_VOLUME, {IDOK, IDNO}}};
    for (const int command : {ID_REFRESH, ID_EXPLORE, ID_PROPERTIES, ID_SEARCH, ID_DEFRAG, ID_CLEAN,
                              ID_FORMAT, ID_SHORTCUT, ID_COPY_TO_CLIPBOARD, ID_RENAME_VOLUME}) {
        SCOPED_TRACE(command);
        Post(app.window, WM_COMMAND, command);
        for (const int answer : answers[command])
            EXPECT_NE(AnswerMessageBox(app.Id(), answer), "");
        HandledSoFar(app);
        EXPECT_TRUE(IsWindowVisible(app.window));
        EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive E:\\");
    }
    DeleteFileA(DesktopFile("GONE.lnk").c_str());

    // The drive comes back: the next refresh shows it again.
    ASSERT_TRUE(MoveFileA(away.c_str(), folder.c_str())) << GetLastError();
    PressKeys(app.window, {VK_F5});
    EXPECT_TRUE(StartsWith(app.CopyWithF3(), "E:\\\r\nVolume Name: GONE\r\n"));
    EXPECT_EQ(app.Item(IDC_VOLUME_NAME), "Volume Name: GONE");
    EXPECT_EQ(NumberIn(app.Item(IDC_TOTAL_CAPACITY)), bothDrives);
    app.Quit();
}
