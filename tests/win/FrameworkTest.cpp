// The framework: message tables, the modal loop, subclassing, handle
// owners, the report of an exception in a window procedure, the DPI awareness.
#include "controls/CMenuXP.h"
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "resource.h"

#include "Support.h"

#include <memory>
#include <stdexcept>
#include <tuple>

namespace {

constexpr UINT TestCommand = 4321;
constexpr UINT TestNotification = 0x77;
constexpr UINT ThrowMessage = WM_APP + 1;
constexpr WPARAM ThrowKey = VK_F12;

// A dialog (the about box's template) that runs a test body as it starts.
class ProbeDialog : public fw::Dialog {
  public:
    explicit ProbeDialog(HWND owner = nullptr) : fw::Dialog(IDD_ABOUT, owner) {}

    static const fw::MessageMap& Messages() {
        static const fw::MessageEntry entries[] = {
            fw::OnCommand<&ProbeDialog::OnTestCommand>(TestCommand),
            fw::OnNotify<&ProbeDialog::OnTestNotification>(TestNotification, IDC_HOMEPAGE),
            fw::OnMessage<&ProbeDialog::OnThrow>(ThrowMessage),
        };
        static const fw::MessageMap map(entries, &fw::Dialog::Messages());
        return map;
    }
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool PreTranslateMessage(MSG& message) override {
        if (message.message == WM_KEYDOWN && message.wParam == ThrowKey)
            throw std::runtime_error("key refused");
        if (message.message == WM_KEYDOWN) // with whether the owner was enabled then
            keysSeen.push_back({message.hwnd, IsWindowEnabled(GetWindow(GetHwnd(), GW_OWNER))});
        return fw::Dialog::PreTranslateMessage(message);
    }

    std::function<void(ProbeDialog&)> onInit;
    std::vector<std::string> calls;
    std::vector<std::pair<HWND, BOOL>> keysSeen;

  protected:
    BOOL OnInitDialog() override {
        onInit(*this);
        return TRUE;
    }

  private:
    void OnTestCommand() { calls.push_back("command"); }
    void OnTestNotification() { calls.push_back("notification"); }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("table full"); }
};

} // namespace

// Menu items, accelerators and button clicks reach a command entry; a
// notification only the entry of its code and control; the base table follows.
TEST(Framework, CommandAndNotificationEntriesMatchTheirIdsAndCodesThenTheBaseTable) {
    ProbeDialog dialog;
    dialog.onInit = [&](ProbeDialog& d) {
        const LPARAM button = reinterpret_cast<LPARAM>(d.GetDlgItem(IDC_HOMEPAGE));
        d.Send(WM_COMMAND, MAKEWPARAM(TestCommand, 0));         // menu item
        d.Send(WM_COMMAND, MAKEWPARAM(TestCommand, 1));         // accelerator
        d.Send(WM_COMMAND, MAKEWPARAM(TestCommand, 1), button); // a control's code 1
        d.Send(WM_COMMAND, MAKEWPARAM(IDC_HOMEPAGE, TestNotification), button);
        d.Send(WM_COMMAND, MAKEWPARAM(IDC_HOMEPAGE, TestNotification + 1), button);
        d.Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0)); // the base table's OnCancel
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"command", "command", "notification"}));
}

// Measuring and drawing an owner-drawn menu item reach the menu object that
// holds the item; data no menu object holds is never read.
TEST(Framework, MenuItemRequestsReachTheMenuObjectHoldingTheItem) {
    ProbeDialog dialog;
    controls::CMenuXP menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    auto record = std::make_unique<controls::CMenuXPItem>(7, "Explore C:", nullptr);
    const ULONG_PTR item = ULONG_PTR(record.get());
    ASSERT_TRUE(menu.AppendItem(0, std::move(record)));
    Canvas canvas(160, 20);
    dialog.onInit = [&](ProbeDialog& d) {
        MEASUREITEMSTRUCT ours{ODT_MENU, 0, 0, 0, 0, item};
        MEASUREITEMSTRUCT foreign{ODT_MENU, 0, 0, 0, 0, 0x1234};
        const DRAWITEMSTRUCT draw{
            ODT_MENU,        0,   0, 0, ODS_SELECTED, HWND(menu.GetHandle()), canvas.Dc(),
            {0, 0, 160, 20}, item};
        EXPECT_TRUE(d.Send(WM_MEASUREITEM, 0, LPARAM(&ours)));
        EXPECT_GE(ours.itemHeight, 20u);
        EXPECT_FALSE(d.Send(WM_MEASUREITEM, 0, LPARAM(&foreign)));
        EXPECT_TRUE(d.Send(WM_DRAWITEM, 0, LPARAM(&draw)));
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    EXPECT_EQ(canvas.At(150, 10), GetSysColor(COLOR_HIGHLIGHT)) << "the item was drawn";
}

TEST(Framework, ModalLoopDisablesTheOwnerPreTranslatesChildKeysAndEndsOnAQuitPostedAgain) {
    HWND owner = Create("STATIC", "", WS_POPUP, 0, 0, 10, 10);
    ProbeDialog dialog(owner);
    HWND button = nullptr;
    dialog.onInit = [&](ProbeDialog& d) {
        button = d.GetDlgItem(IDC_HOMEPAGE);
        PostMessageA(button, WM_KEYDOWN, VK_F5, 0);
        PostMessageA(d.GetHwnd(), WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.keysSeen, (std::vector<std::pair<HWND, BOOL>>{{button, FALSE}}));
    EXPECT_TRUE(IsWindowEnabled(owner));

    dialog.onInit = [](ProbeDialog&) { PostQuitMessage(7); };
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    DestroyWindow(owner);
}

namespace {
std::vector<std::string> fatalErrors;
} // namespace

// An exception never crosses the system's call into the program unreported:
// neither a window procedure's nor the modal loop's pre-translation's.
TEST(Framework, AnExceptionInAWindowProcedureOrThePreTranslationIsReported) {
    const auto previous =
        fw::SetFatalErrorHandler([](const char* what) noexcept { fatalErrors.push_back(what); });
    ProbeDialog dialog;
    dialog.onInit = [](ProbeDialog& d) {
        PostMessageA(d.GetHwnd(), WM_KEYDOWN, ThrowKey, 0);
        PostMessageA(d.GetHwnd(), WM_COMMAND, IDOK, 0);
        d.Send(ThrowMessage);
    };
    dialog.DoModal();
    fw::SetFatalErrorHandler(previous);
    EXPECT_EQ(fatalErrors, (std::vector<std::string>{"table full", "key refused"}));
}

TEST(Framework, AWindowIsLinkedToOneObjectAndAHandleFreedOnceAfterAMove) {
    HWND window = Create("STATIC", "", WS_POPUP, 0, 0, 10, 10);
    fw::Window first, second;
    ASSERT_TRUE(first.Subclass(window));
    EXPECT_FALSE(first.Subclass(window) || second.Subclass(window));
    DestroyWindow(window);
    EXPECT_FALSE(first.IsAttached());
    const HFONT raw = CreateFontA(12, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    fw::Font owner(raw);
    { const fw::Font moved(std::move(owner)); }
    EXPECT_FALSE(owner);
    EXPECT_EQ(GetObjectType(raw), 0u);
}

namespace {
// The fake system's answers in the order it is asked, and what it was asked:
// -4 per-monitor version 2, -3 version 1, 0 system awareness.
std::vector<BOOL> answers;
std::vector<INT_PTR> asked;
BOOL WINAPI SetContext(HANDLE context) {
    asked.push_back(reinterpret_cast<INT_PTR>(context));
    return answers.at(asked.size() - 1);
}
BOOL WINAPI SetAware() {
    return SetContext(nullptr);
}
} // namespace

TEST(Framework, DpiAwarenessFallsBackFromPerMonitorV2ToV1ToSystemToNothing) {
    using Awareness = fw::DpiAwareness;
    // Which functions the system has, its answers, the declaration made, what was asked.
    const std::tuple<bool, bool, std::vector<BOOL>, Awareness, std::vector<INT_PTR>> cases[] = {
        {true, true, {TRUE}, Awareness::PerMonitorV2, {-4}},
        {true, true, {FALSE, TRUE}, Awareness::PerMonitor, {-4, -3}},
        // Wine: every process is aware already, so both contexts are refused.
        {true, true, {FALSE, FALSE, TRUE}, Awareness::System, {-4, -3, 0}},
        {false, true, {TRUE}, Awareness::System, {0}},
        {true, true, {FALSE, FALSE, FALSE}, Awareness::None, {-4, -3, 0}},
        {false, false, {}, Awareness::None, {}},
    };
    for (const auto& [hasContext, hasAware, given, declared, wanted] : cases) {
        answers = given;
        asked.clear();
        const fw::DpiAwarenessFunctions system{hasContext ? SetContext : nullptr,
                                               hasAware ? SetAware : nullptr};
        EXPECT_EQ(fw::DeclareDpiAwareness(system), declared);
        EXPECT_EQ(asked, wanted);
    }
}
