// The settings file beside the program: what it holds at start decides the
// opacity, the transparency button changes and stores it, and files written by
// other hands, or a folder where nothing can be written, do not stop the program.
#include "Orbelune.h"

using namespace e2e;

namespace {

constexpr int kOpaque = 255;
constexpr int kTransparent = 191; // 75 % of 255
const std::string kStored0 = "[Orbelune]\r\nWnd_Transparency=0\r\n";
const std::string kStored1 = "[Orbelune]\r\nWnd_Transparency=1\r\n";
const std::string kFolderInTheWay = "<a folder where the file belongs>";

int Alpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : -1;
}

void ClickTransparency(const App& app, int alpha) {
    ClickButton(app.window, IDC_TRANSPARENCY);
    EXPECT_TRUE(WaitUntil([&] { return Alpha(app.window) == alpha; }, 3000)) << Alpha(app.window);
}

} // namespace

TEST(TwoDrives_Settings, TheStoredOpacityIsReadToggledStoredAndKeptForTheNextStart) {
    std::string garbage(65536, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 2654435761u) >> 13);
    std::string lines(6u << 20, 'x');
    for (size_t i = 100; i < lines.size(); i += 100)
        lines[i] = '\n';
    std::string foreign = "; written by hand\r\n[Other]\r\n";
    for (int i = 0; i < 20000; ++i)
        foreign += "key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
    const struct {
        const char* name;
        std::optional<std::string> stored; // nothing: no file
        int alpha;                         // shown at start
        std::optional<std::string> after;  // the file after a toggle, where it is known
        bool elsewhere = false;            // started from another working folder
    } rows[] = {
        {"no file", std::nullopt, kOpaque, kStored1},
        {"empty file", "", kOpaque, kStored1},
        {"transparent", kStored1, kTransparent, kStored0},
        {"any number but 0", "[Orbelune]\r\nWnd_Transparency=5\r\n", kTransparent, kStored0},
        {"a word", "[Orbelune]\r\nWnd_Transparency=yes\r\n", kOpaque, kStored1},
        {"binary garbage", garbage, kOpaque, std::nullopt},
        {"6 MB of lines after the key", kStored1 + lines, kTransparent, std::nullopt},
        {"other sections and keys", foreign + kStored1, kTransparent, foreign + kStored0},
        {"another working folder", kStored1, kTransparent, kStored0, true},
        {"a folder in the file's place", kFolderInTheWay, kOpaque, std::nullopt},
    };
    int n = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // A copy of the program in a folder of its own, beside its own settings.
        const std::string folder = Scratch("settings-" + std::to_string(++n));
        const std::string ini = folder + "\\Orbelune.ini";
        const std::string cwd = row.elsewhere ? folder + "-cwd" : folder;
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA(cwd.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), 0));
        const bool blocked = row.stored == kFolderInTheWay;
        DeleteFileA(ini.c_str()) || RemoveDirectoryA(ini.c_str());
        if (blocked) {
            CreateDirectoryA(ini.c_str(), nullptr);
        } else if (row.stored) {
            WriteFileBytes(ini, *row.stored);
        }
        const int toggled = row.alpha == kOpaque ? kTransparent : kOpaque;
        {
            App app = StartOrbelune(folder + "\\Orbelune.exe", cwd);
            ASSERT_NE(app.window, nullptr);
            EXPECT_EQ(Alpha(app.window), row.alpha);
            if (!row.stored) {
                EXPECT_EQ(ReadFileBytes(ini).value_or("<none>"), kStored0)
                    << "made at the first start";
            }
            ClickTransparency(app, toggled);
            if (row.after) { // written just after the opacity changed
                EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(ini) == *row.after; }, 3000))
                    << ReadFileBytes(ini).value_or("<none>");
            }
            Quit(app);
        }
        App app = StartOrbelune(folder + "\\Orbelune.exe", cwd);
        ASSERT_NE(app.window, nullptr);
        EXPECT_EQ(Alpha(app.window), blocked ? row.alpha : toggled) << "at the next start";
        Quit(app);
        EXPECT_EQ(FileExists(cwd + "\\Orbelune.ini"), cwd == folder && !blocked);
    }
}

TEST(ReadOnlyProgram_Settings, AProgramFolderWhereNothingCanBeWrittenChangesNothingElse) {
    App app = StartOrbelune("P:\\Orbelune.exe", "P:\\");
    ASSERT_NE(app.window, nullptr);
    EXPECT_FALSE(FileExists("P:\\Orbelune.ini")) << "the folder is not read-only";
    EXPECT_EQ(ItemText(app.window, IDC_VOLUME_NAME), "Volume Name: SYSTEM");
    EXPECT_EQ(Alpha(app.window), kOpaque);
    // The opacity still changes for this run, although it cannot be stored.
    ClickTransparency(app, kTransparent);
    ClickTransparency(app, kOpaque);
    // Everything that is written elsewhere still works.
    EXPECT_TRUE(StartsWith(SaveReport(app, "from-read-only"), "Orbelune version 1.0.2\r\n"));
    EXPECT_TRUE(StartsWith(CopyWithF3(app), kSystemFacts)) << "keys reach the window again";
    Quit(app);
    EXPECT_FALSE(FileExists("P:\\Orbelune.ini"));
}

// With the pointer resting on the button, its second press of a double-click
// counts: one click and a double-click toggle three times.
TEST(TwoDrives_Settings, ADoubleClickOnTheTransparencyButtonTogglesTwice) {
    const std::string folder = Scratch("double-click");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), 0));
    DeleteFileA((folder + "\\Orbelune.ini").c_str());
    App app = StartOrbelune(folder + "\\Orbelune.exe", folder);
    ASSERT_NE(app.window, nullptr);
    HWND button = GetDlgItem(app.window, IDC_TRANSPARENCY);
    RECT bounds{};
    GetWindowRect(button, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    const LPARAM inside = MAKELPARAM(5, 5);
    auto press = [&](UINT down) {
        Send(button, WM_MOUSEMOVE, 0, inside);
        Send(button, down, MK_LBUTTON, inside);
        Send(button, WM_LBUTTONUP, 0, inside);
    };
    EXPECT_EQ(Alpha(app.window), kOpaque);
    press(WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return Alpha(app.window) == kTransparent; }, 3000));
    press(WM_LBUTTONDOWN);
    press(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Answers(app.window));
    EXPECT_EQ(Alpha(app.window), kTransparent) << "two toggles more";
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(folder + "\\Orbelune.ini") == kStored1; }));
    Quit(app);
}
