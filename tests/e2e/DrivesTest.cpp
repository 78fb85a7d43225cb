// Drives that come and go while the program runs: the system tells the window
// of a volume's arrival and removal, and the list follows.
#include "Orbelune.h"

#include <dbt.h>

using namespace e2e;

namespace {

// What the system sends to every top-level window when a volume comes or goes.
bool TellVolumeChange(HWND window, WPARAM event, char letter) {
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << (letter - 'A');
    return Send(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume)).has_value();
}

} // namespace

TEST(Hotplug_Drives, ArrivalAndRemovalRebuildTheListKeepingTheSelectedDrive) {
    const std::string folder = Scratch("gdrive");
    App app;
    ASSERT_NE(app.window, nullptr);
    ASSERT_EQ(app.DriveList(CB_GETCOUNT), 2);
    app.SelectDrive(1);

    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(TellVolumeChange(app.window, DBT_DEVICEARRIVAL, 'G'));
    EXPECT_EQ(app.DriveList(CB_GETCOUNT), 3);
    EXPECT_EQ(app.DriveList(CB_GETCURSEL), 1);
    EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive E:\\");
    EXPECT_EQ(app.Item(IDC_DRIVE_COUNT), ". Number Of Logical Drives: 3");

    app.SelectDrive(2);
    ASSERT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive G:\\");
    ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
    ASSERT_TRUE(TellVolumeChange(app.window, DBT_DEVICEREMOVECOMPLETE, 'G'));
    EXPECT_EQ(app.DriveList(CB_GETCOUNT), 2);
    EXPECT_EQ(app.DriveList(CB_GETCURSEL), 0) << "the first drive when the selected one went";
    EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive C:\\");
    app.Quit();
}
