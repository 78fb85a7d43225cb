#include "framework/Window.h"

#include <gtest/gtest.h>

namespace {

// Rewrites every text it is given, through the previous window procedure.
class Upgrader : public fw::Window {
  public:
    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&Upgrader::OnSetText>(WM_SETTEXT),
        };
        static const fw::MessageMap map(entries, &fw::Window::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    int linkedCalls = 0;
    HWND linkedWindow = nullptr;

  protected:
    void PreSubclassWindow() override {
        ++linkedCalls;
        linkedWindow = GetHwnd();
    }
    LRESULT OnSetText(WPARAM wParam, LPARAM) {
        return CallPrevious(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>("rewritten"));
    }
};

} // namespace

TEST(FrameworkSubclass, HookRunsOnceLinkedAndPreviousProcedureTakesNewArguments) {
    HWND window = CreateWindowExA(0, "STATIC", "start", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    Upgrader upgrader;
    ASSERT_TRUE(upgrader.Subclass(window));
    EXPECT_EQ(upgrader.linkedCalls, 1);
    EXPECT_EQ(upgrader.linkedWindow, window);
    EXPECT_FALSE(upgrader.Subclass(window));
    EXPECT_EQ(upgrader.linkedCalls, 1);

    SetWindowTextA(window, "asked");
    EXPECT_EQ(upgrader.GetText(), "rewritten");
    DestroyWindow(window);
}
