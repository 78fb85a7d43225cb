// The installer package in a prefix of its own, as an administrator uses it:
// installed quietly, started from where it went, replaced by a newer package
// and removed again, each step read back from the files and the registry.
#include "Orbelune.h"
#include "Version.h"

#include <msi.h>

using namespace e2e;

namespace {

DWORD Msiexec(const std::string& action, const std::string& package) {
    return RunProgram("msiexec.exe " + action + " \"" + package + "\" /qn", 120000);
}

// The entries of Add/Remove Programs named Orbelune; each key is named by the product code.
struct Entry {
    std::string productCode, version, publisher;
};
std::vector<Entry> UninstallEntries() {
    std::vector<Entry> entries;
    HKEY root = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                      0, KEY_READ, &root) != ERROR_SUCCESS)
        return entries;
    char key[256];
    for (DWORD i = 0; RegEnumKeyA(root, i, key, sizeof key) == ERROR_SUCCESS; ++i) {
        const auto value = [&](const char* name) {
            char data[1024] = "";
            DWORD size = sizeof data;
            RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, data, &size);
            return std::string(data);
        };
        if (value("DisplayName") == "Orbelune")
            entries.push_back({key, value("DisplayVersion"), value("Publisher")});
    }
    RegCloseKey(root);
    return entries;
}

// The file of the icon that Add/Remove Programs shows for an installed product.
std::string ProductIcon(const std::string& productCode) {
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    MsiGetProductInfoA(productCode.c_str(), INSTALLPROPERTY_PRODUCTICON, path, &size);
    return path;
}

} // namespace

TEST(Package_Msi, InstallsPerMachineStartsUpgradesAndUninstallsQuietly) {
    const std::string package = Env("ORBELUNE_BIN") + "Orbelune-" ORBELUNE_VERSION "-win64.msi";
    const std::string newer =
        Env("ORBELUNE_BIN") + "test-packages\\Orbelune-" ORBELUNE_NEXT_VERSION "-win64.msi";
    const std::string folder = KnownFolder(CSIDL_PROGRAM_FILES) + "\\Orbelune\\";
    const std::vector<std::string> files = {"Orbelune.exe", "README.md", "LICENSE"};
    const auto installed = [&] {
        std::vector<std::string> found;
        for (const std::string& file : files)
            if (Exists(folder + file))
                found.push_back(file);
        return found;
    };
    // Windows puts the shortcut of a per-machine package into the Start menu of
    // all users; Wine 8.0's installer puts it into the installing user's. What
    // the one shortcut starts, read by the host's link parser.
    const auto shortcut = [&] {
        std::vector<std::string> links;
        for (const int programs : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS})
            if (Exists(KnownFolder(programs) + "\\Orbelune.lnk"))
                links.push_back(KnownFolder(programs) + "\\Orbelune.lnk");
        if (links.size() != 1)
            return std::to_string(links.size()) + " shortcuts";
        const std::string info = RunOnHost("lnkinfo " + HostPath(links[0])),
                          field = "Local path\t\t\t: ";
        const size_t at = info.find(field);
        return at == info.npos ? info
                               : info.substr(at, info.find('\n', at) - at).substr(field.size());
    };
    const std::string program = folder + "Orbelune.exe";

    // A quiet install: the files in Program Files, the shortcut, one entry.
    ASSERT_EQ(Msiexec("/i", package), 0u) << package;
    EXPECT_EQ(installed(), files);
    EXPECT_EQ(shortcut(), program);
    std::vector<Entry> entries = UninstallEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].version, ORBELUNE_VERSION);
    EXPECT_EQ(entries[0].publisher, "Orbelune");
    EXPECT_EQ(ReadFileBytes(ProductIcon(entries[0].productCode)).substr(0, 4),
              std::string("\0\0\1\0", 4))
        << "an icon file";

    // The installed program starts and lists the drives; where the user may not
    // write, a toggle is kept in the profile and comes back at the next start.
    {
        const LockedFolder locked(folder.substr(0, folder.size() - 1));
        ASSERT_TRUE(NothingCanBeWrittenIn(locked.path)) << "the program's folder is not locked";
        const std::string profile = KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Orbelune\\Orbelune.ini";
        for (const int alpha : {255, 191}) {
            App app(program);
            ASSERT_NE(app.window, nullptr);
            EXPECT_EQ(app.Item(IDC_DRIVE_GROUP), "Logical Drive C:\\");
            EXPECT_EQ(app.Alpha(), alpha);
            if (alpha == 255) {
                ClickButton(app.window, IDC_TRANSPARENCY);
                EXPECT_TRUE(WaitUntil([&] {
                    return ReadFileBytes(profile) == "[Orbelune]\r\nWnd_Transparency=1\r\n";
                }));
            }
            app.Quit();
        }
    }

    // A newer package replaces it: still one entry, of the new version.
    ASSERT_EQ(Msiexec("/i", newer), 0u) << newer;
    entries = UninstallEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].version, ORBELUNE_NEXT_VERSION);
    EXPECT_EQ(installed(), files);
    EXPECT_EQ(shortcut(), program);

    // Removing it leaves nothing behind, a settings file beside the program included.
    std::ofstream(folder + "Orbelune.ini", std::ios::binary) << "[Orbelune]\r\n";
    ASSERT_TRUE(Exists(folder + "Orbelune.ini"));
    ASSERT_EQ(Msiexec("/x", newer), 0u);
    EXPECT_FALSE(Exists(folder)) << "the program's folder, with its files and settings";
    EXPECT_EQ(shortcut(), "0 shortcuts");
    EXPECT_TRUE(UninstallEntries().empty());
}
