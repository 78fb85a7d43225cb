// The settings file beside the program, or in the user's profile where the program's folder
// cannot be written: it decides the opacity at start, the transparency button stores it, and
// neither a damaged nor a locked one stops it.
#include "Orbelune.h"

using namespace e2e;

namespace {

constexpr int kOpaque = 255;
constexpr int kTransparent = 191; // 75 % of 255
constexpr const char* kStored0 = "[Orbelune]\r\nWnd_Transparency=0\r\n";
constexpr const char* kStored1 = "[Orbelune]\r\nWnd_Transparency=1\r\n";

// Where the setting goes when the program's folder cannot be written.
std::string ProfileFile() {
    return KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Orbelune\\Orbelune.ini";
}

} // namespace

// One copy of the program in a folder of its own: no file shows it opaque and makes one, the
// file read beside the program whatever the working folder, binary garbage taken for no file.
TEST(ReadOnlyProgram_Settings, TheStoredOpacityIsReadToggledAndKeptForTheNextStart) {
    const std::string folder = Scratch("copy"), ini = folder + "\\Orbelune.ini";
    const std::string elsewhere = Scratch("elsewhere");
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), FALSE));
    DeleteFileA(ini.c_str());
    // Starts the copy, checks the opacity and the file, toggles and checks them again.
    const auto start = [&](const std::string& cwd, int alpha, const char* stored,
                           const char* after) {
        App app(folder + "\\Orbelune.exe", cwd + "\\");
        ASSERT_NE(app.window, nullptr);
        EXPECT_EQ(app.Alpha(), alpha);
        EXPECT_TRUE(!stored || ReadFileBytes(ini) == stored) << ReadFileBytes(ini);
        ClickButton(app.window, IDC_TRANSPARENCY);
        EXPECT_TRUE(WaitUntil([&] { return app.Alpha() == kOpaque + kTransparent - alpha; }, 3000));
        // Written just after the opacity changed, where the file is known.
        EXPECT_TRUE(WaitUntil([&] { return !after || ReadFileBytes(ini) == after; }, 3000))
            << after;
        app.Quit();
    };
    start(folder, kOpaque, kStored0, kStored1);
    start(elsewhere, kTransparent, nullptr, kStored0);
    EXPECT_FALSE(Exists(elsewhere + "\\Orbelune.ini"));
    std::string garbage(65536, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 2654435761u) >> 13);
    std::ofstream(ini, std::ios::binary) << garbage;
    start(folder, kOpaque, nullptr, nullptr);
    start(folder, kTransparent, nullptr, nullptr);
    EXPECT_FALSE(Exists(ProfileFile())) << "a folder that can be written keeps its own file";
}

// Installed where the user may not write: the file there is the administrator's default until
// the user's own choice, kept in the profile, wins at every later start. Where the profile cannot
// be written either, the toggle works for the run, and the user is told once which file cannot
// keep it. A report cannot be written there either.
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
}
