#include "tray/CTrayIconDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace {

constexpr UINT RunMessage = WM_APP + 40;

// The notification-area dialog with the shell's answers chosen by the test.
class FakeTrayDialog : public CTrayIconDialog {
public:
    FakeTrayDialog() : CTrayIconDialog(IDD_ABOUT, nullptr) {}

    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&FakeTrayDialog::OnRun>(RunMessage),
        };
        static const fw::MessageMap map(entries, &CTrayIconDialog::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    std::vector<DWORD> actions;
    BOOL shellAnswer = TRUE;
    std::function<void(FakeTrayDialog&)> body;
    int rightDowns = 0;
    using CTrayIconDialog::minimizeToTray;

protected:
    BOOL NotifyIcon(DWORD action, NOTIFYICONDATAA&) override {
        actions.push_back(action);
        return shellAnswer;
    }
    BOOL OnInitDialog() override {
        PostMessageA(GetHwnd(), RunMessage, 0, 0);
        return TRUE;
    }
    void OnTrayRightDown(POINT) override { ++rightDowns; }

private:
    LRESULT OnRun(WPARAM, LPARAM) {
        body(*this);
        EndDialog(IDOK);
        return 0;
    }
};

} // namespace

TEST(TrayIcon, RecordIsPreparedAndCompletedWithTheWindow) {
    FakeTrayDialog dialog;
    // The first version of the record: 88 bytes in a 32-bit program.
    EXPECT_EQ(dialog.GetIconData().cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
    EXPECT_EQ(dialog.GetIconData().uFlags, static_cast<UINT>(NIF_MESSAGE));
    EXPECT_EQ(dialog.GetIconData().uCallbackMessage, static_cast<UINT>(WM_USER + 1));
    dialog.SetTrayTip("Orbelune v1.0.2");
    EXPECT_NE(dialog.SetTrayIcon(IDI_APP), nullptr);
    EXPECT_EQ(dialog.SetTrayIcon(4242), nullptr);
    EXPECT_STREQ(dialog.GetIconData().szTip, "Orbelune v1.0.2");
    EXPECT_EQ(dialog.GetIconData().uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    HWND seen = nullptr;
    dialog.body = [&](FakeTrayDialog& d) { seen = d.GetIconData().hWnd; };
    dialog.DoModal();
    EXPECT_NE(seen, nullptr);
}

TEST(TrayIcon, AddAndRemoveFollowTheShellsAnswers) {
    FakeTrayDialog dialog;
    dialog.body = [](FakeTrayDialog& d) {
        EXPECT_FALSE(d.RemoveTrayIcon()) << "nothing to remove yet";
        EXPECT_TRUE(d.AddTrayIcon());
        EXPECT_FALSE(d.AddTrayIcon()) << "already shown";
        d.shellAnswer = FALSE;
        EXPECT_FALSE(d.RemoveTrayIcon());
        EXPECT_TRUE(d.IsTrayIconVisible());
        d.shellAnswer = TRUE;
        EXPECT_TRUE(d.RemoveTrayIcon());
        EXPECT_FALSE(d.IsTrayIconVisible());
    };
    dialog.DoModal();
    EXPECT_EQ(dialog.actions, (std::vector<DWORD>{NIM_ADD, NIM_DELETE, NIM_DELETE}));
}

TEST(TrayIcon, MinimiseHidesOnlyWhenTheIconIsAddedAndTheIconsMessagesAreDispatched) {
    FakeTrayDialog dialog;
    dialog.body = [](FakeTrayDialog& d) {
        ShowWindow(d.GetHwnd(), SW_SHOW);
        d.shellAnswer = FALSE;
        d.Send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsWindowVisible(d.GetHwnd()));
        EXPECT_FALSE(IsIconic(d.GetHwnd())) << "a failed add must not minimise either";
        d.shellAnswer = TRUE;
        d.Send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_FALSE(IsWindowVisible(d.GetHwnd()));
        // Right-button presses of our icon only (id 1) reach the menu handler.
        EXPECT_EQ(d.Send(WM_USER + 1, 2, WM_RBUTTONDOWN), 0);
        EXPECT_EQ(d.Send(WM_USER + 1, 1, WM_RBUTTONDOWN), 1);
        EXPECT_EQ(d.Send(WM_USER + 1, 1, WM_CONTEXTMENU), 1);
        EXPECT_EQ(d.Send(WM_USER + 1, 1, WM_RBUTTONUP), 1);
        EXPECT_EQ(d.rightDowns, 2);
        // A double-click brings it back and removes the icon.
        d.Send(WM_USER + 1, 1, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(IsWindowVisible(d.GetHwnd()));
        EXPECT_FALSE(d.IsTrayIconVisible());
    };
    dialog.DoModal();
}

TEST(TrayIcon, ShownIconIsAddedAgainWhenTheShellRestarts) {
    FakeTrayDialog dialog;
    dialog.body = [](FakeTrayDialog& d) {
        d.Send(RegisterWindowMessageA("TaskbarCreated"), 0, 0); // not shown: nothing to do
        d.AddTrayIcon();
        d.Send(RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        EXPECT_TRUE(d.IsTrayIconVisible());
    };
    dialog.DoModal();
    // add, re-add after the restart, and the removal when the window is destroyed
    EXPECT_EQ(dialog.actions, (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_DELETE}));
}
