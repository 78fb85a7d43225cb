#include "controls/CAboutDialog.h"
#include "framework/Handles.h"
#include "resource.h"

#include "../unit/RecordingLauncher.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT RunChecks = WM_APP + 41;

// The about box with the shell call recorded, running checks inside its modal loop.
class ProbeAbout : public CAboutDialog {
  public:
    explicit ProbeAbout(testing_support::RecordingLauncher& launcher) : CAboutDialog(launcher) {}

    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&ProbeAbout::OnRunChecks>(RunChecks),
        };
        static const fw::MessageMap map(entries, &CAboutDialog::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    std::function<void(ProbeAbout&)> checks;
    HWND focusAtStart = nullptr;

  protected:
    BOOL OnInitDialog() override {
        const BOOL result = CAboutDialog::OnInitDialog();
        PostMessageA(GetHwnd(), RunChecks, 0, 0);
        return result;
    }

  private:
    LRESULT OnRunChecks(WPARAM, LPARAM) {
        focusAtStart = GetFocus();
        if (checks)
            checks(*this);
        EndDialog(IDCANCEL);
        return 0;
    }
};

std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

} // namespace

TEST(AboutDialog, TextColoursAndAHomePageButtonThatOpensThePageOncePerClick) {
    testing_support::RecordingLauncher launcher;
    ProbeAbout about(launcher);
    std::string caption;
    std::string text;
    COLORREF background = 0;
    HWND button = nullptr;
    bool stillOpen = false;
    about.checks = [&](ProbeAbout& box) {
        HWND window = box.GetHwnd();
        char buffer[64] = {};
        GetWindowTextA(window, buffer, sizeof buffer);
        caption = buffer;
        text = ItemText(window, IDC_ABOUT_TEXT);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        fw::WindowDc dc = fw::WindowDc::Client(window);
        RECT client{};
        GetClientRect(window, &client);
        background = GetPixel(dc.Get(), client.right - 3, client.bottom - 3);

        button = box.GetDlgItem(IDC_HOMEPAGE);
        const LPARAM inside = MAKELPARAM(4, 4);
        // With the pointer resting on the button, a double-click opens the page twice.
        SendMessageA(button, WM_MOUSEMOVE, 0, inside);
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        SendMessageA(button, WM_LBUTTONUP, 0, inside);
        SendMessageA(button, WM_MOUSEMOVE, 0, inside);
        SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
        SendMessageA(button, WM_LBUTTONUP, 0, inside);
        SendMessageA(button, WM_CHAR, VK_RETURN, 1);
        // Escape is not a dialog-manager key here.
        MSG escape{button, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
        EXPECT_FALSE(box.PreTranslateMessage(escape));
        SendMessageA(button, WM_KEYDOWN, VK_ESCAPE, 1);
        stillOpen = IsWindowVisible(window) != FALSE;
    };
    about.DoModal();
    EXPECT_EQ(caption, "About...");
    EXPECT_EQ(text.rfind("Orbelune is a simple, light and free software to retrieve informations "
                         "on logical drives and has also standard Windows options to manage "
                         "them.\r\n\r\n\r\n",
                         0),
              0u);
    EXPECT_NE(text.find("\r\nVersion 1.0.2\r\n"), std::string::npos);
    EXPECT_EQ(background, CAboutDialog::AboutBkColor);
    EXPECT_EQ(about.focusAtStart, button);
    EXPECT_TRUE(stillOpen);
    const std::string open = "Execute open [https://orbelune.example.org/] 10";
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{open, open, open}));
}
