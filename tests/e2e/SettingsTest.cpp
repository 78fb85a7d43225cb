// The settings file beside the program, or in the user's profile where the program's folder
// cannot be written: it decides the opacity at start, the transparency button stores it, and a
// locked one does not stop it.
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
// file read beside the program whatever the working folder.
TEST(ReadOnlyProgram_Settings, TheStoredOpacityIsReadToggledAndKeptForTheNextStart) {
    const std::string folder = Scratch("copy"), ini = folder + "\\Orbelune.ini";
    const std::string elsewhere = Scratch("elsewhere");
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(Env("ORBELUNE_EXE").c_str(), (folder + "\\Orbelune.exe").c_str(), FALSE));
    DeleteFileA(ini.c_str());
    for (const bool second : {false, true}) { // the second start from another working folder
        const int alpha = second ? kTransparent : kOpaque;
        App app(folder + "\\Orbelune.exe", (second ? elsewhere : folder) + "\\");
        ASSERT_NE(app.window, nullptr);
        EXPECT_EQ(app.Alpha(), alpha);
        EXPECT_EQ(ReadFileBytes(ini), second ? kStored1 : kStored0);
        ClickButton(app.window, IDC_TRANSPARENCY);
        EXPECT_TRUE(WaitUntil([&] { return app.Alpha() == kOpaque + kTransparent - alpha; }, 3000));
        // Written just after the opacity changed, where the file is known.
        EXPECT_TRUE(
            WaitUntil([&] { return ReadFileBytes(ini) == (second ? kStored0 : kStored1); }, 3000));
        app.Quit();
    }
    EXPECT_FALSE(Exists(elsewhere + "\\Orbelune.ini"));
    EXPECT_FALSE(Exists(ProfileFile())) << "a folder that can be written keeps its own file";
}

// Installed where the user may not write: the file there is the administrator's default until
// the user's own choice, kept in the profile, wins at every later start. Where the profile cannot
// be written either, the toggle works for the run, and the user is told once which file cannot
// keep it.
TEST(ReadOnlyProgram_Settings, ALockedProgramFolderKeepsTheChoiceInTheProfile) {
    const std::string program = "P:\\Orbelune.exe", profile = ProfileFile();
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
}
