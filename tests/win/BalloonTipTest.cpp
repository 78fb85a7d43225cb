#include "controls/CBalloonTip.h"
#include "framework/Handles.h"

#include <gtest/gtest.h>

namespace {

class TipHost {
  public:
    TipHost() {
        host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 200, 200, 300, 200,
                               nullptr, nullptr, nullptr, nullptr);
        tool = CreateWindowExA(0, "BUTTON", "tool", WS_CHILD | WS_VISIBLE, 50, 80, 60, 30, host,
                               nullptr, nullptr, nullptr);
    }
    ~TipHost() { DestroyWindow(host); }

    // Puts the pointer on a window and relays the move the owner would see.
    void MoveOnto(CBalloonTip& tip, HWND window, int dx = 0) {
        RECT rect{};
        GetWindowRect(window, &rect);
        SetCursorPos(rect.left + 10 + dx, rect.top + 10);
        Relay(tip, WM_MOUSEMOVE, window);
    }
    static void Relay(CBalloonTip& tip, UINT message, HWND window) {
        MSG msg{window, message, 0, 0, GetTickCount(), {}};
        tip.RelayEvent(msg);
    }

    HWND host = nullptr;
    HWND tool = nullptr;
};

void Pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

SIZE TextSize(const char* text) {
    fw::WindowDc dc = fw::WindowDc::Client(nullptr);
    fw::SelectGuard font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc.Get(), text, -1, &rect, DT_CALCRECT);
    return SIZE{rect.right, rect.bottom};
}

} // namespace

TEST(BalloonTip, ShowsAfterTheDelayWithItsStemOnThePointer) {
    TipHost host;
    CBalloonTip tip;
    ASSERT_TRUE(tip.Create(host.host));
    tip.delay = 100;
    const char* text = "Make the window transparent...";
    tip.AddTool(host.tool, text, nullptr);

    host.MoveOnto(tip, host.tool);
    EXPECT_EQ(tip.Text(), text);
    Pump(40);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd())) << "not before the delay";
    host.MoveOnto(tip, host.tool, 3);
    Pump(70);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd())) << "every move restarts the delay";
    Pump(150);
    ASSERT_TRUE(IsWindowVisible(tip.GetHwnd()));

    const SIZE textSize = TextSize(text);
    RECT window{};
    GetWindowRect(tip.GetHwnd(), &window);
    const int width = textSize.cx + 24;
    const int height = textSize.cy + 20;
    EXPECT_EQ(window.right - window.left, width);
    EXPECT_EQ(window.bottom - window.top, height + 25);
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(window.left + width - 12, pointer.x);
    EXPECT_EQ(window.top + height + 15, pointer.y);
    EXPECT_NE(GetActiveWindow(), tip.GetHwnd());

    // A move that does not change the pointer's place changes nothing.
    TipHost::Relay(tip, WM_MOUSEMOVE, host.tool);
    EXPECT_TRUE(IsWindowVisible(tip.GetHwnd()));

    TipHost::Relay(tip, WM_LBUTTONDOWN, host.tool);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd())) << "a click hides it at once";
}

// Leaving the tool is checked against the program itself, end to end.
TEST(BalloonTip, ASecondTextReplacesTheFirstAndARemovedToolShowsNothing) {
    TipHost host;
    CBalloonTip tip;
    ASSERT_TRUE(tip.Create(host.host));
    tip.delay = 20;
    tip.AddTool(host.tool, "old", nullptr);
    tip.AddTool(host.tool, "new", nullptr);
    host.MoveOnto(tip, host.tool);
    EXPECT_EQ(tip.Text(), "new");
    Pump(100);
    tip.RemoveTool(host.tool);
    host.MoveOnto(tip, host.tool, 4);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd()));
    Pump(100);
    EXPECT_FALSE(IsWindowVisible(tip.GetHwnd()));
}
