// The installer package in a prefix of its own, as an administrator uses it: installed quietly,
// started from where it went, replaced by a newer package and removed again, each step read back
// from the files and the registry.
#include "Orbelune.h"
#include "Version.h"

using namespace e2e;

namespace {

DWORD Msiexec(const std::string& action, const std::string& package) {
    return RunProgram("msiexec.exe " + action + " \"" + package + "\" /qn", 120000);
}

// The entries of Add/Remove Programs named Orbelune, each as "version, publisher".
std::vector<std::string> UninstallEntries() {
    std::vector<std::string> entries;
    HKEY root = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0,
                  KEY_READ, &root);
    char key[256];
    for (DWORD i = 0; root && RegEnumKeyA(root, i, key, sizeof key) == ERROR_SUCCESS; ++i) {
        const auto value = [&](const char* name) {
            char data[1024] = "";
            DWORD size = sizeof data;
            RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, data, &size);
            return std::string(data);
        };
        if (value("DisplayName") == "Orbelune")
            entries.push_back(value("DisplayVersion") + ", " + value("Publisher"));
    }
    RegCloseKey(root);
    return entries;
}

} // namespace

TEST(Package_Msi, InstallsPerMachineStartsUpgradesAndUninstallsQuietly) {
    const std::string package = Env("ORBELUNE_BIN") + "Orbelune-" ORBELUNE_VERSION "-win64.msi";
    const std::string newer =
        Env("ORBELUNE_BIN") + "test-packages\\Orbelune-" ORBELUNE_NEXT_VERSION "-win64.msi";
    const std::string folder = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Orbelune\\";
    // What the shortcuts start: a per-machine package's one goes into the Start menu of all users
    // on Windows, of the installing user with Wine 8.0.
    const auto shortcuts = [&] {
        std::string targets;
        for (const int programs : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS})
            if (Exists(KnownFolder(programs) + "\\Orbelune.lnk"))
                targets += LinkField(KnownFolder(programs) + "\\Orbelune.lnk", "Local path") + ";";
        return targets;
    };
    const std::string program = folder + "Orbelune.exe";

    // A quiet install: the shortcut, one entry.
    ASSERT_EQ(Msiexec("/i", package), 0u) << package;
    EXPECT_EQ(shortcuts(), program + ";");
    EXPECT_EQ(UninstallEntries(), std::vector<std::string>{ORBELUNE_VERSION ", Orbelune"});

    // The installed program starts and lists the drives; where the user may not write and no file
    // is beside it, a toggle goes to the profile.
    {
        const LockedFolder locked(folder.substr(0, folder.size() - 1));
        const std::string profile = KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Orbelune\\Orbelune.ini";
        App app(program);
        ASSERT_NE(app.window, nullptr);
        EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive C:\\");
        ClickButton(app.window, IDC_TRANSPARENCY);
        EXPECT_TRUE(WaitUntil(
            [&] { return ReadFileBytes(profile) == "[Orbelune]\r\nWnd_Transparency=1\r\n"; }));
        app.Quit();
    }

    // A newer package replaces it: still one entry, of the new version.
    ASSERT_EQ(Msiexec("/i", newer), 0u) << newer;
    EXPECT_EQ(UninstallEntries(), std::vector<std::string>{ORBELUNE_NEXT_VERSION ", Orbelune"});
    for (const char* file : {"Orbelune.exe", "README.md", "LICENSE"})
        EXPECT_TRUE(Exists(folder + file)) << file;
    EXPECT_EQ(shortcuts(), program + ";");

    // Removing it leaves nothing behind, a settings file beside the program included.
    std::ofstream(folder + "Orbelune.ini", std::ios::binary) << "[Orbelune]\r\n";
    ASSERT_EQ(Msiexec("/x", newer), 0u);
    EXPECT_FALSE(Exists(folder)) << "the program's folder, with its files and settings";
    EXPECT_EQ(shortcuts(), "");
    EXPECT_TRUE(UninstallEntries().empty());
}
