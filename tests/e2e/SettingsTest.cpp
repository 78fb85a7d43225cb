// The settings file beside the program: it decides the opacity at start, the
// transparency button stores it, and neither a damaged nor a locked one stops it.
#include "Orbelune.h"

using namespace e2e;

namespace {

constexpr int kOpaque = 255;
constexpr int kTransparent = 191; // 75 % of 255
const std::string kStored0 = "[Orbelune]\r\nWnd_Transparency=0\r\n";
const std::string kStored1 = "[Orbelune]\r\nWnd_Transparency=1\r\n";

int Alpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : -1;
}

// A copy of the program in a folder of its own, beside the settings given; the folder.
std::string ProgramCopy(const std::string& name, const std::optional<std::string>& settings) {
    const std::string folder = Scratch(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), FALSE);
    DeleteFileA((folder + "\\Orbelune.ini").c_str());
    if (settings)
        std::ofstream(folder + "\\Orbelune.ini", std::ios::binary) << *settings;
    return folder;
}

} // namespace

TEST(ReadOnlyProgram_Settings, TheStoredOpacityIsReadToggledAndKeptForTheNextStart) {
    std::string garbage(65536, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 2654435761u) >> 13);
    const struct {
        const char* name;
        std::optional<std::string> stored; // nothing: no file
        int alpha;                         // shown at start
        std::optional<std::string> after;  // the file after a toggle, where it is known
        bool elsewhere = false;            // started from another working folder
        const char* locked = nullptr;      // the profile's program folder, read-only
    } rows[] = {
        {"no file", std::nullopt, kOpaque, kStored1},
        {"binary garbage", garbage, kOpaque, std::nullopt},
        {"another working folder", kStored1, kTransparent, kStored0, true},
        {"a folder where nothing can be written", std::nullopt, kOpaque, std::nullopt, false, "P:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string folder = row.locked ? row.locked : ProgramCopy(row.name, row.stored);
        const std::string ini = folder + "\\Orbelune.ini";
        const std::string cwd = row.elsewhere ? Scratch("elsewhere") : folder;
        CreateDirectoryA(cwd.c_str(), nullptr);
        const int toggled = row.alpha == kOpaque ? kTransparent : kOpaque;
        {
            App app(folder + "\\Orbelune.exe", cwd + "\\");
            ASSERT_NE(app.window, nullptr);
            EXPECT_EQ(Alpha(app.window), row.alpha);
            if (!row.stored && !row.locked)
                EXPECT_EQ(ReadFileBytes(ini), kStored0) << "made at the start";
            // The opacity changes for this run even where it cannot be stored.
            ClickButton(app.window, IDC_TRANSPARENCY);
            EXPECT_TRUE(WaitUntil([&] { return Alpha(app.window) == toggled; }, 3000));
            if (row.after) { // written just after the opacity changed
                EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(ini) == *row.after; }, 3000))
                    << ReadFileBytes(ini);
            }
            app.Quit();
        }
        App app(folder + "\\Orbelune.exe", cwd + "\\");
        ASSERT_NE(app.window, nullptr);
        EXPECT_EQ(Alpha(app.window), row.locked ? row.alpha : toggled) << "at the next start";
        app.Quit();
        EXPECT_EQ(ReadFileBytes(cwd + "\\Orbelune.ini") != "<none>", cwd == folder && !row.locked);
    }
}

// With the pointer resting on the button, the second press of a double-click
// counts: a click and a double-click toggle three times. The messages are sent,
// each handled before the next: posted, they hid a press ended by the button
// taking its own capture again.
TEST(TwoDrives_Settings, ADoubleClickOnTheTransparencyButtonTogglesTwice) {
    const std::string folder = ProgramCopy("double-click", std::nullopt);
    App app(folder + "\\Orbelune.exe", folder);
    ASSERT_NE(app.window, nullptr);
    HWND button = GetDlgItem(app.window, IDC_TRANSPARENCY);
    RECT bounds{};
    GetWindowRect(button, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    const auto press = [&](UINT down) {
        for (const UINT message : {UINT(WM_MOUSEMOVE), down, UINT(WM_LBUTTONUP)})
            Send(button, message, message == down ? MK_LBUTTON : 0, MAKELPARAM(5, 5));
    };
    EXPECT_EQ(Alpha(app.window), kOpaque);
    press(WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return Alpha(app.window) == kTransparent; }, 3000));
    press(WM_LBUTTONDOWN);
    press(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Send(app.window, WM_NULL).has_value());
    EXPECT_EQ(Alpha(app.window), kTransparent) << "two toggles more";
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(folder + "\\Orbelune.ini") == kStored1; }));
    app.Quit();
}
