#include "commands/CInputBox.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// What a timer callback saw of the box while it was open.
struct BoxProbe {
    RECT window = {};
    RECT text = {};
    RECT edit = {};
    RECT okButton = {};
    bool hasEdit = false;
    LONG editStyle = 0;
    bool editHasFocus = false;
};

std::function<void(HWND)> onBoxShown;

RECT ClientRectOf(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, id);
    onBoxShown(box);
}

// Runs `show` (which opens a modal box) and `act` on the box once it is visible.
void WithBox(const std::function<void()>& show, const std::function<void(HWND)>& act) {
    onBoxShown = act;
    SetTimer(nullptr, 0, 50, OnTimer);
    show();
}

BoxProbe Probe(HWND box) {
    BoxProbe probe;
    GetWindowRect(box, &probe.window);
    probe.text = ClientRectOf(GetDlgItem(box, 0xFFFF));
    probe.okButton = ClientRectOf(GetDlgItem(box, IDOK));
    HWND edit = GetDlgItem(box, IDC_INPUT_EDIT);
    probe.hasEdit = edit != nullptr;
    if (edit != nullptr) {
        probe.edit = ClientRectOf(edit);
        probe.editStyle = GetWindowLongA(edit, GWL_STYLE);
        probe.editHasFocus = GetFocus() == edit;
    }
    return probe;
}

void Type(HWND box, const char* text) {
    HWND edit = GetDlgItem(box, IDC_INPUT_EDIT);
    for (const char* c = text; *c != '\0'; ++c) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 0);
    }
}

const char* const prompt = "New volume name for E:\\";

} // namespace

TEST(InputBox, EditUnderThePromptInABoxTwentyPixelsTallerAndTheTypedTextReturned) {
    BoxProbe plain;
    WithBox([] { MessageBoxA(nullptr, prompt, "Orbelune", MB_ICONQUESTION); },
            [&](HWND box) {
                plain = Probe(box);
                SendMessageA(box, WM_COMMAND, IDOK, 0);
            });
    ASSERT_FALSE(plain.hasEdit);

    BoxProbe input;
    int startLength = -1;
    std::string result = "unchanged";
    CInputBox inputBox(nullptr);
    WithBox([&] { inputBox.Show(prompt, &result, 0); },
            [&](HWND box) {
                input = Probe(box);
                startLength = GetWindowTextLengthA(GetDlgItem(box, IDC_INPUT_EDIT));
                Type(box, "first\rsecond");
                SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            });
    ASSERT_TRUE(input.hasEdit);
    EXPECT_EQ(input.window.right - input.window.left, plain.window.right - plain.window.left);
    EXPECT_EQ(input.window.bottom - input.window.top, plain.window.bottom - plain.window.top + 20);
    EXPECT_EQ(input.edit.left, input.text.left);
    EXPECT_EQ(input.edit.right, input.text.right);
    EXPECT_EQ(input.edit.top, input.text.bottom + 2);
    EXPECT_EQ(input.okButton.top, input.edit.bottom + 5);
    EXPECT_EQ(input.editStyle & 0x50211044, 0x50211044);
    EXPECT_EQ(input.editStyle & (WS_BORDER | WS_HSCROLL), 0);
    EXPECT_TRUE(input.editHasFocus);
    EXPECT_EQ(startLength, 0);
    EXPECT_EQ(result, "first\r\nsecond") << "a typed two-line text reaches the result";
    EXPECT_FALSE(IsWindow(inputBox.GetHwnd()));
}
