#include "settings/CIniFile.h"
#include "settings/CLayeredWindow.h"
#include "settings/CTransparencySettings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

namespace {

class SettingsFile : public testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "orbelune-settings-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        path = folder + "\\Orbelune.ini";
        DeleteFileA(path.c_str());
    }
    void TearDown() override {
        DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string Contents() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Store(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    CTransparencySettings Settings() const {
        return CTransparencySettings(CIniFile(path, "Orbelune"));
    }

    std::string folder;
    std::string path;
};

} // namespace

// The start-up scenarios (first start, toggles, hand-edited and damaged files) run
// against the program itself in the end-to-end tests; these cover the class alone.
TEST_F(SettingsFile, ValuesAreCutToTheReadBufferAndStoredAsDigits) {
    Store("[Orbelune]\r\nWnd_Transparency=" + std::string(1000, '7') + "\r\n");
    CIniFile file(path, "Orbelune");
    EXPECT_EQ(file.GetString("Wnd_Transparency").size(), 255u);
    EXPECT_TRUE(file.SetBool("Wnd_Transparency", false));
    EXPECT_EQ(Contents(), "[Orbelune]\r\nWnd_Transparency=0\r\n");
    Settings().CreateDefaultFile();
    EXPECT_EQ(Contents(), "[Orbelune]\r\nWnd_Transparency=0\r\n");
    // A section given once sticks for later calls.
    file.SetBool("Flag", true, "Second");
    EXPECT_TRUE(file.GetBool("Flag", false));
    EXPECT_EQ(file.GetString("Missing", nullptr, "fallback"), "fallback");
}

TEST(LayeredWindow, OpacityFollowsThePercent) {
    HWND window = CreateWindowExA(0, "STATIC", "layered", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                  nullptr, nullptr, nullptr, nullptr);
    CLayeredWindow layered;
    CLayeredWindow::MakeLayered(window);
    const std::pair<int, int> cases[] = {{75, 191}, {100, 255}, {0, 0}, {150, 255}};
    for (const auto& c : cases) {
        BYTE alpha = 0;
        DWORD flags = 0;
        EXPECT_TRUE(layered.SetTransparency(window, static_cast<BYTE>(c.first)));
        ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, c.second) << c.first;
        EXPECT_EQ(flags, DWORD(LWA_ALPHA));
    }
    DestroyWindow(window);
}
