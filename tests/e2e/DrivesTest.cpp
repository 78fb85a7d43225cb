// Drives that come and go while the program runs (the system tells the window of a volume's
// arrival and removal), and a drive that stops answering.
#include "Orbelune.h"

#include <commctrl.h>
#include <cstdlib>
#include <dbt.h>

using namespace e2e;

TEST(Hotplug_Drives, ArrivalAndRemovalRebuildTheListKeepingTheSelectedDriveAfterADialog) {
    const std::string folder = Scratch("gdrive");
    // What the system sends to every top-level window when a volume comes or goes.
    const auto tell = [](HWND window, WPARAM event) {
        DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << ('G' - 'A'), 0};
        return Send(window, WM_DEVICECHANGE, event, LPARAM(&volume)).has_value();
    };
    App app;
    ASSERT_NE(app.window, nullptr);
    ASSERT_EQ(app.DriveList(CB_GETCOUNT), 2);
    app.SelectDrive(1);

    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(tell(app.window, DBT_DEVICEARRIVAL));
    EXPECT_EQ(app.DriveList(CB_GETCURSEL), 1);
    EXPECT_EQ(app.Item(IDC_DRIVE_COUNT), ". Number Of Logical Drives: 3");
    app.SelectDrive(2);
    // The removal waits for the about box, which the command opened, to close.
    Post(app.window, WM_COMMAND, ID_ABOUT);
    HWND about = FindWindowOf(app.Id(), kDialogClass, "About...");
    ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
    ASSERT_TRUE(tell(app.window, DBT_DEVICEREMOVECOMPLETE));
    EXPECT_EQ(app.DriveList(CB_GETCOUNT), 3);
    EXPECT_TRUE(about && Post(about, WM_CLOSE));
    EXPECT_TRUE(WaitUntil([&] { return app.DriveList(CB_GETCOUNT) == 2; }));
    EXPECT_EQ(app.DriveList(CB_GETCURSEL), 0) << "the first drive when the selected one went";
    EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive C:\\");
    app.Quit();
}

// A drive that stops answering stays listed with its own root and says so, in the window (its
// figures and bars empty), on the clipboard and in the report; the totals count those that answer.
TEST(DriveGone_Drives, ADriveTakenAwayWhileRunningIsReportedUnreadable) {
    App app;
    ASSERT_NE(app.window, nullptr);
    // The figure of ". Storage Capacity: 120 GB".
    const auto total = [&] { return std::atoll(app.Item(IDC_TOTAL_CAPACITY).substr(20).c_str()); };
    const long long bothDrives = total();
    app.SelectDrive(1);
    ASSERT_EQ(app.Item(IDC_VOLUME_NAME), "Volume Name: GONE");
    ASSERT_TRUE(MoveFileA(Scratch("edrive").c_str(), Scratch("edrive-away").c_str()));
    PressKeys(app.window, {VK_F5});
    EXPECT_EQ(app.CopyWithF3(), "E:\\\r\nThe facts of this drive could not be read.");
    EXPECT_EQ(app.Item(IDC_VOLUME_NAME), "The facts of this drive could not be read.");
    for (int id : {IDC_CAPACITY, IDC_USED, IDC_FREE, IDC_SERIAL, IDC_FILE_SYSTEM,
                   IDC_MAX_NAME_LENGTH, IDC_SYSTEM_DRIVE})
        EXPECT_EQ(app.Item(id), "") << id;
    for (int bar : {IDC_FREE_BAR, IDC_USED_BAR})
        EXPECT_EQ(Send(GetDlgItem(app.window, bar), PBM_GETPOS), 0) << bar;
    EXPECT_NEAR(total() * 2, bothDrives, 1) << "one drive of two counts (each sum cut once)";
    // The report, from the context menu: Options, then the tenth item of its submenu.
    DeleteFileA(Scratch("gone.txt").c_str());
    ASSERT_TRUE(app.UseMenu(false, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
                                    VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    ASSERT_TRUE(SaveFileAs(app.Id(), Scratch("gone")));
    EXPECT_EQ(AnswerMessageBox(app.Id(), IDNO), kWritten);
    const std::string report = ReadFileBytes(Scratch("gone.txt"));
    EXPECT_NE(report.find("- E:\\\r\nThe facts of this drive could not be read.\r\n\r\n-> Summary"),
              std::string::npos)
        << report;
    ASSERT_TRUE(MoveFileA(Scratch("edrive-away").c_str(), Scratch("edrive").c_str()));
    app.Quit();
}
