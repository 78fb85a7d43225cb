// The drives each profile promises, as the programs under test see them.
#include "Driver.h"

#include <cstdlib>

#include <gtest/gtest.h>

using namespace e2e;

namespace {

struct Volume {
    bool ok = false;
    std::string label;
    DWORD serial = 0;
};

Volume VolumeOf(const char* root) {
    Volume volume;
    char label[MAX_PATH + 1] = "";
    volume.ok = GetVolumeInformationA(root, label, sizeof label, &volume.serial, nullptr, nullptr,
                                      nullptr, 0) != FALSE;
    volume.label = label;
    return volume;
}

DWORD EnvSerial(const char* name) {
    return std::strtoul(Env(name).c_str(), nullptr, 16);
}

std::string FixedDrives() {
    std::string letters;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const char root[] = {static_cast<char>('A' + i), ':', '\\', '\0'};
        if ((mask & (1u << i)) && GetDriveTypeA(root) == DRIVE_FIXED)
            letters += root[0];
    }
    return letters;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(TwoDrives_Profile, CAndEAreFixedWithKnownLabelsAndSerials) {
    EXPECT_EQ(FixedDrives(), "CE");
    const Volume c = VolumeOf("C:\\");
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.label, Env("ORBELUNE_DRIVE_C_LABEL"));
    EXPECT_EQ(c.label, "SYSTEM");
    EXPECT_EQ(c.serial, EnvSerial("ORBELUNE_DRIVE_C_SERIAL"));
    const Volume e = VolumeOf("E:\\");
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.label, "DATA");
    EXPECT_EQ(e.serial, 0x1a2b3c4du);
}

TEST(TwoDrives_Profile, HarnessFoldersAreReachable) {
    for (const char* root : {"S:\\", "T:\\", "W:\\"})
        EXPECT_EQ(GetDriveTypeA(root), static_cast<UINT>(DRIVE_REMOTE)) << root;
    EXPECT_EQ(Env("ORBELUNE_SCRATCH"), "S:\\");
    EXPECT_TRUE(Exists(Env("ORBELUNE_EXE")));
    EXPECT_TRUE(Exists(Env("ORBELUNE_BARE_DIALOG")));
    EXPECT_TRUE(Exists(Env("ORBELUNE_TRASH") + "files"));
    EXPECT_TRUE(Exists(Env("ORBELUNE_TRASH") + "info"));
    EXPECT_FALSE(Env("ORBELUNE_DRIVE_E_DIR").empty());
}

TEST(NoFixedDrive_Profile, NoLetterIsFixedAndProgramsStillRun) {
    EXPECT_EQ(FixedDrives(), "");
    EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_REMOTE));
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    EXPECT_STREQ(windows, "C:\\windows");

    Process process = Process::Start(Env("ORBELUNE_BARE_DIALOG"));
    HWND window = FindTopWindow(process.Id(), "Orbelune");
    ASSERT_NE(window, nullptr);
    Send(window, WM_CLOSE);
    EXPECT_TRUE(process.WaitForExit());
}
