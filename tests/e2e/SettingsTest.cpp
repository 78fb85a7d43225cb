// Installed where the user may not write: the file there is the administrator's default until
// the user's own choice, kept in the profile, wins at every later start. Where the profile cannot
// be written either, the toggle works for the run, and the user is told once which file cannot
// keep it.
#include "Orbelune.h"

using namespace e2e;

TEST(ReadOnlyProgram_Settings, ALockedProgramFolderKeepsTheChoiceInTheProfile) {
    const std::string program = "P:\\Orbelune.exe";
    const std::string profile = KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Orbelune\\Orbelune.ini";
    const auto start = [&](int alpha, const char* why) { // 255 opaque, 191 transparent
        auto app = std::make_unique<App>(program);
        EXPECT_EQ(app->Alpha(), alpha) << why;
        return app;
    };
    auto app = start(191, "the administrator's default");
    ClickButton(app->window, IDC_TRANSPARENCY);
    EXPECT_TRUE(WaitUntil(
        [&] { return ReadFileBytes(profile) == "[Orbelune]\r\nWnd_Transparency=0\r\n"; }, 3000));
    app->Quit();
    app = start(255, "the user's choice");
    app->Quit();
    EXPECT_EQ(ReadFileBytes("P:\\Orbelune.ini"), "[Orbelune]\r\nWnd_Transparency=1\r\n");

    DeleteFileA(profile.c_str());
    const LockedFolder locked(profile.substr(0, profile.rfind('\\')));
    app = start(191, "the default again");
    ClickButton(app->window, IDC_TRANSPARENCY);
    EXPECT_EQ(AnswerMessageBox(app->Id(), IDOK),
              "The transparency cannot be kept for the next start: the settings file\n" + profile +
                  "\ncannot be written.");
    EXPECT_EQ(app->Alpha(), 255) << "for this run";
    ClickButton(app->window, IDC_TRANSPARENCY);
    EXPECT_TRUE(WaitUntil([&] { return app->Alpha() == 191; }, 3000));
    EXPECT_EQ(AnswerMessageBox(app->Id(), IDOK, 1000), "") << "told once";
    app->Quit();
}
