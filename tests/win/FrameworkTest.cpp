#include "framework/CreationHook.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "framework/Handles.h"
#include "framework/Menu.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <functional>
#include <vector>

namespace {

constexpr UINT TestMessage = WM_APP + 5;
constexpr UINT RangeFirst = WM_APP + 10;
constexpr UINT RangeLast = WM_APP + 20;
constexpr UINT FinishMessage = WM_APP + 30;
constexpr UINT TestCommand = 4321;
constexpr UINT TestNotification = 0x77;

// A dialog (the about box's template) that runs a test body inside its modal loop.
class ProbeDialog : public fw::Dialog {
public:
    explicit ProbeDialog(HWND parent = nullptr) : fw::Dialog(IDD_ABOUT, parent) {}

    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&ProbeDialog::OnTest>(TestMessage),
            fw::OnMessageRange<&ProbeDialog::OnRange>(RangeFirst, RangeLast),
            fw::OnCommand<&ProbeDialog::OnTestCommand>(TestCommand),
            fw::OnNotify<&ProbeDialog::OnTestNotification>(TestNotification, IDC_HOMEPAGE),
            fw::OnMessage<&ProbeDialog::OnFinish>(FinishMessage),
            fw::OnMessage<&ProbeDialog::OnCreateMessage>(WM_CREATE),
            fw::OnMessageRange<&ProbeDialog::OnCtlColor>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC),
        };
        static const fw::MessageMap map(entries, &fw::Dialog::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool PreTranslateMessage(MSG& message) override {
        if (message.message == WM_KEYDOWN) {
            keysSeen.push_back(message.hwnd);
        }
        return fw::Dialog::PreTranslateMessage(message);
    }

    std::function<void(ProbeDialog&)> onInit;
    std::function<void(ProbeDialog&)> onFinish;
    std::vector<std::string> calls;
    std::vector<HWND> keysSeen;
    bool sawCreate = false;
    fw::Window* boundControl = nullptr;

protected:
    void DoDataExchange() override {
        if (boundControl != nullptr) {
            Bind(IDC_HOMEPAGE, *boundControl);
        }
    }
    BOOL OnInitDialog() override {
        if (onInit) {
            onInit(*this);
        }
        return TRUE;
    }

private:
    LRESULT OnTest(WPARAM wParam, LPARAM) {
        calls.push_back("message " + std::to_string(wParam));
        return 42;
    }
    LRESULT OnRange(WPARAM, LPARAM) {
        calls.push_back("range");
        return 7;
    }
    void OnTestCommand() { calls.push_back("command"); }
    void OnTestNotification() { calls.push_back("notification"); }
    LRESULT OnFinish(WPARAM, LPARAM) {
        if (onFinish) {
            onFinish(*this);
        }
        EndDialog(IDOK);
        return 0;
    }
    LRESULT OnCreateMessage(WPARAM, LPARAM) {
        sawCreate = true;
        return Default();
    }
    LRESULT OnCtlColor(WPARAM, LPARAM) {
        calls.push_back("parent colour");
        return Default();
    }
};

// A control object that colours itself through the reflected message.
class ReflectingButton : public fw::Window {
public:
    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&ReflectingButton::OnColor>(fw::ReflectBase + WM_CTLCOLORBTN),
        };
        static const fw::MessageMap map(entries, &fw::Window::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }
    fw::Brush brush{CreateSolidBrush(RGB(1, 2, 3))};
    int reflected = 0;

private:
    LRESULT OnColor(WPARAM, LPARAM) {
        ++reflected;
        return reinterpret_cast<LRESULT>(brush.Get());
    }
};

} // namespace

TEST(Framework, EveryKindOfTableEntryDispatchesAndBaseTableStillAnswers) {
    ProbeDialog dialog;
    LRESULT messageResult = 0, rangeResult = 0;
    dialog.onInit = [&](ProbeDialog& d) {
        HWND button = d.GetDlgItem(IDC_HOMEPAGE);
        messageResult = d.Send(TestMessage, 9, 0);
        rangeResult = d.Send(RangeFirst + 3, 0, 0);
        d.Send(WM_COMMAND, MAKEWPARAM(TestCommand, 0), 0);
        d.Send(WM_COMMAND, MAKEWPARAM(IDC_HOMEPAGE, TestNotification), reinterpret_cast<LPARAM>(button));
        d.Send(WM_COMMAND, MAKEWPARAM(IDC_HOMEPAGE, TestNotification + 1), reinterpret_cast<LPARAM>(button));
        d.Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); // reaches the base table's OnCancel
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(messageResult, 42);
    EXPECT_EQ(rangeResult, 7);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"message 9", "range", "command", "notification"}));
    EXPECT_TRUE(dialog.sawCreate) << "the dialog object must be linked during creation";
    EXPECT_EQ(dialog.GetHwnd(), nullptr) << "the window is gone after DoModal";
}

TEST(Framework, PreTranslateSeesKeysSentToAChildControl) {
    ProbeDialog dialog;
    HWND button = nullptr;
    dialog.onInit = [&](ProbeDialog& d) {
        button = d.GetDlgItem(IDC_HOMEPAGE);
        PostMessageA(button, WM_KEYDOWN, VK_F5, 0);
        PostMessageA(d.GetHwnd(), FinishMessage, 0, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(dialog.keysSeen.size(), 1u);
    EXPECT_EQ(dialog.keysSeen[0], button);
}

TEST(Framework, ModalLoopEndsOnQuitAndPostsItAgain) {
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog&) { PostQuitMessage(7); };
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

TEST(Framework, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    ProbeDialog dialog(owner);
    BOOL enabledInside = TRUE;
    dialog.onInit = [](ProbeDialog& d) { PostMessageA(d.GetHwnd(), FinishMessage, 0, 0); };
    dialog.onFinish = [&](ProbeDialog&) { enabledInside = IsWindowEnabled(owner); };
    dialog.DoModal();
    EXPECT_FALSE(enabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(Framework, ControlColourIsReflectedToTheControlObject) {
    ProbeDialog dialog;
    ReflectingButton button;
    dialog.boundControl = &button;
    LRESULT buttonBrush = 0;
    dialog.onInit = [&](ProbeDialog& d) {
        HDC dc = GetDC(d.GetHwnd());
        buttonBrush = d.Send(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_HOMEPAGE)));
        // A control without an object reaches the dialog's own table.
        d.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_ABOUT_TEXT)));
        ReleaseDC(d.GetHwnd(), dc);
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    EXPECT_EQ(button.reflected, 1);
    EXPECT_EQ(buttonBrush, reinterpret_cast<LRESULT>(button.brush.Get()));
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"parent colour"}));
    EXPECT_FALSE(button.IsAttached()) << "the link ends with the window";
}

namespace {

class RecordingMenu : public fw::Menu {
public:
    bool MeasureItem(MEASUREITEMSTRUCT& item) override {
        if (item.itemData != 0xBEEF) {
            return false;
        }
        item.itemHeight = 20;
        ++measured;
        return true;
    }
    bool DrawItem(const DRAWITEMSTRUCT&) override {
        ++drawn;
        return true;
    }
    int measured = 0;
    int drawn = 0;
};

class CreationProbe : public fw::Window {
public:
    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&CreationProbe::OnCreate>(WM_CREATE),
        };
        static const fw::MessageMap map(entries, &fw::Window::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }
    bool created = false;

private:
    LRESULT OnCreate(WPARAM, LPARAM) {
        created = true;
        return Default();
    }
};

} // namespace

TEST(Framework, OwnerDrawnMenuRequestsReachTheMenuObject) {
    RecordingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    fw::Window object;
    ASSERT_TRUE(object.Subclass(window));

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = 0xBEEF;
    EXPECT_EQ(SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
    EXPECT_EQ(measure.itemHeight, 20u);

    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hwndItem = reinterpret_cast<HWND>(menu.GetHandle());
    EXPECT_EQ(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    EXPECT_EQ(menu.measured, 1);
    EXPECT_EQ(menu.drawn, 1);

    const int live = fw::Menu::LiveCount();
    {
        RecordingMenu temporary;
        EXPECT_EQ(fw::Menu::LiveCount(), live + 1);
    }
    EXPECT_EQ(fw::Menu::LiveCount(), live);
    DestroyWindow(window);
}

TEST(Framework, CreationHookLinksOnlyTheNextWindowOfTheWantedClass) {
    CreationProbe probe;
    ASSERT_TRUE(fw::HookNextWindowCreate(probe, "#32770"));
    HWND skipped = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(fw::Window::FromHandle(skipped), nullptr);
    EXPECT_TRUE(fw::IsWindowCreateHooked());
    HWND dialog = CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(fw::Window::FromHandle(dialog), &probe);
    EXPECT_TRUE(probe.created);
    EXPECT_FALSE(fw::IsWindowCreateHooked());
    DestroyWindow(dialog);
    DestroyWindow(skipped);
    EXPECT_FALSE(probe.IsAttached());
}

TEST(Framework, HandleOwnersReleaseAndMove) {
    HFONT raw = CreateFontA(12, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    {
        fw::Font font(raw);
        fw::Font moved(std::move(font));
        EXPECT_FALSE(font);
        EXPECT_EQ(moved.Get(), raw);
        EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetObjectType(raw), 0u);
}

namespace {

// Rewrites every text it is given, through the previous window procedure.
class Upgrader : public fw::Window {
  public:
    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnMessage<&Upgrader::OnSetText>(WM_SETTEXT),
            fw::OnMessage<&Upgrader::OnThrow>(WM_USER),
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
        return Default(wParam, reinterpret_cast<LPARAM>("rewritten"));
    }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("table full"); }
};

std::string fatalError;
void RecordFatalError(const char* what) noexcept {
    fatalError = what;
}

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

    // An exception never crosses the window procedure unreported.
    const fw::FatalErrorHandler previous = fw::SetFatalErrorHandler(&RecordFatalError);
    SendMessageA(window, WM_USER, 0, 0);
    fw::SetFatalErrorHandler(previous);
    EXPECT_EQ(fatalError, "table full");
    DestroyWindow(window);
}

namespace {
WNDPROC beforeLater = nullptr;
int laterCalls = 0;
LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++laterCalls;
    return CallWindowProcA(beforeLater, window, message, wParam, lParam);
}
} // namespace

// An object that goes while someone else's procedure sits on top of its own:
// the window still works and never reaches the object again.
TEST(FrameworkSubclass, ObjectGoneUnderALaterSubclassLeavesAWorkingWindow) {
    HWND window = CreateWindowExA(0, "STATIC", "start", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    {
        Upgrader upgrader;
        ASSERT_TRUE(upgrader.Subclass(window));
        beforeLater = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
    }
    EXPECT_EQ(fw::Window::FromHandle(window), nullptr);
    SetWindowTextA(window, "plain");
    char text[16] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "plain");
    EXPECT_GT(laterCalls, 0);
    DestroyWindow(window);
}

namespace awareness {

// The declarations asked of a fake system, and its answers.
std::vector<INT_PTR> asked;
BOOL contextAnswers[2] = {};
BOOL awareAnswer = FALSE;

BOOL WINAPI SetContext(HANDLE context) {
    asked.push_back(reinterpret_cast<INT_PTR>(context));
    return contextAnswers[asked.size() - 1];
}
BOOL WINAPI SetAware() {
    asked.push_back(0);
    return awareAnswer;
}

} // namespace awareness

TEST(Framework, DpiAwarenessFallsBackFromPerMonitorV2ToV1ToSystemToNothing) {
    using fw::DpiAwareness;
    const struct {
        bool hasContext;
        BOOL v2, v1;
        bool hasAware;
        BOOL aware;
        DpiAwareness result;
        std::vector<INT_PTR> asked; // -4 version 2, -3 version 1, 0 SetProcessDPIAware
    } cases[] = {
        {true, TRUE, FALSE, true, TRUE, DpiAwareness::PerMonitorV2, {-4}},
        {true, FALSE, TRUE, true, TRUE, DpiAwareness::PerMonitor, {-4, -3}},
        // Wine: every process is aware already, so both contexts are refused.
        {true, FALSE, FALSE, true, TRUE, DpiAwareness::System, {-4, -3, 0}},
        {false, FALSE, FALSE, true, TRUE, DpiAwareness::System, {0}},
        {true, FALSE, FALSE, true, FALSE, DpiAwareness::None, {-4, -3, 0}},
        {false, FALSE, FALSE, false, FALSE, DpiAwareness::None, {}},
    };
    for (const auto& c : cases) {
        awareness::asked.clear();
        awareness::contextAnswers[0] = c.v2;
        awareness::contextAnswers[1] = c.v1;
        awareness::awareAnswer = c.aware;
        fw::DpiAwarenessFunctions functions;
        functions.setContext = c.hasContext ? awareness::SetContext : nullptr;
        functions.setAware = c.hasAware ? awareness::SetAware : nullptr;
        EXPECT_EQ(fw::DeclareDpiAwareness(functions), c.result) << &c - cases;
        EXPECT_EQ(awareness::asked, c.asked) << &c - cases;
    }
}
