// The settings file beside the program, or in the user's profile where the
// program's folder cannot be written: it decides the opacity at start, the
// transparency button stores it, and neither a damaged nor a locked one stops it.
#include "Orbelune.h"

using namespace e2e;

namespace {

constexpr int kOpaque = 255;
constexpr int kTransparent = 191; // 75 % of 255
const std::string kStored0 = "[Orbelune]\r\nWnd_Transparency=0\r\n";
const std::string kStored1 = "[Orbelune]\r\nWnd_Transparency=1\r\n";

// Where the setting goes when the program's folder cannot be written.
std::string ProfileFile() {
    return KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Orbelune\\Orbelune.ini";
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
    } rows[] = {
        {"no file", std::nullopt, kOpaque, kStored1},
        {"binary garbage", garbage, kOpaque, std::nullopt},
        {"another working folder", kStored1, kTransparent, kStored0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string folder = ProgramCopy(row.name, row.stored);
        const std::string ini = folder + "\\Orbelune.ini";
        const std::string cwd = row.elsewhere ? Scratch("elsewhere") : folder;
        CreateDirectoryA(cwd.c_str(), nullptr);
        const int toggled = row.alpha == kOpaque ? kTransparent : kOpaque;
        {
            App app(folder + "\\Orbelune.exe", cwd + "\\");
            ASSERT_NE(app.window, nullptr);
            EXPECT_EQ(app.Alpha(), row.alpha);
            if (!row.stored) {
                EXPECT_EQ(ReadFileBytes(ini), kStored0) << "made at the start";
            }
            ClickButton(app.window, IDC_TRANSPARENCY);
            EXPECT_TRUE(WaitUntil([&] { return app.Alpha() == toggled; }, 3000));
            if (row.after) { // written just after the opacity changed
                EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(ini) == *row.after; }, 3000))
                    << ReadFileBytes(ini);
            }
            app.Quit();
        }
        App app(folder + "\\Orbelune.exe", cwd + "\\");
        ASSERT_NE(app.window, nullptr);
        EXPECT_EQ(app.Alpha(), toggled) << "at the next start";
        app.Quit();
        EXPECT_EQ(Exists(cwd + "\\Orbelune.ini"), cwd == folder);
    }
    EXPECT_FALSE(Exists(ProfileFile())) << "a folder that can be written keeps its own file";
}

// Installed where the user may not write: the file there is the administrator's
// default until the user's own choice, kept in the profile, wins at every later
// start. Where the profile cannot be written either, the toggle works for the
// run, and the user is told once which file cannot keep it. A report cannot be
// written there either.
TEST(ReadOnlyProgram_Settings, ALockedProgramFolderKeepsTheChoiceInTheProfile) {
    const std::string program = "P:\\Orbelune.exe", profile = ProfileFile();
    ASSERT_TRUE(NothingCanBeWrittenIn("P:")) << "the program's folder is not locked";
    const auto start = [&](int alpha, const char* why) {
        auto app = std::make_unique<App>(program);
        EXPECT_EQ(app->Alpha(), alpha) << why;
        return app;
    };
    auto app = start(kTransparent, "the administrator's default");
    ClickButton(app->window, IDC_TRANSPARENCY);
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(profile) == kStored0; }, 3000));
    app->Quit();
    app = start(kOpaque, "the user's choice");
    app->Quit();
    EXPECT_EQ(ReadFileBytes("P:\\Orbelune.ini"), kStored1);

    DeleteFileA(profile.c_str());
    const LockedFolder locked(profile.substr(0, profile.rfind('\\')));
    ASSERT_TRUE(NothingCanBeWrittenIn(locked.path)) << "the profile's folder is not locked";
    app = start(kTransparent, "the default again");
    ClickButton(app->window, IDC_TRANSPARENCY);
    EXPECT_EQ(AnswerMessageBox(app->Id(), IDOK),
              "The transparency cannot be kept for the next start: the settings file\n" + profile +
                  "\ncannot be written.");
    EXPECT_EQ(app->Alpha(), kOpaque) << "for this run";
    ClickButton(app->window, IDC_TRANSPARENCY);
    EXPECT_TRUE(WaitUntil([&] { return app->Alpha() == kTransparent; }, 3000));
    EXPECT_EQ(AnswerMessageBox(app->Id(), IDOK, 1000), "") << "told once";
    app->Quit();

    EXPECT_EQ(RunProgram(program + " /report P:\\report.txt"), 1u);
    EXPECT_FALSE(Exists("P:\\report.txt"));
}
