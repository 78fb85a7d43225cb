#include "commands/CDriveFormatter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A top-level window with a static text and two edit fields, standing in for
// the shell's format dialog.
struct FakeFormatDialog {
    HWND window = nullptr;
    HWND firstEdit = nullptr;
    HWND secondEdit = nullptr;

    FakeFormatDialog() {
        window = CreateWindowExA(0, "STATIC", "Format", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, "STATIC", "Volume label", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, window,
                        nullptr, nullptr, nullptr);
        firstEdit = CreateWindowExA(0, "EDIT", "old", WS_CHILD | WS_VISIBLE, 5, 30, 100, 20, window,
                                    nullptr, nullptr, nullptr);
        secondEdit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 60, 100, 20, window,
                                     nullptr, nullptr, nullptr);
    }
    ~FakeFormatDialog() { DestroyWindow(window); }

    void Activate() const {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        SetActiveWindow(window);
    }
};

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

} // namespace

TEST(DriveFormatter, HookPrefillsTheFirstEditOfTheNextActivatedWindowOnce) {
    std::string label = "DATA";
    CDriveFormatter::InstallHook(label.c_str());
    ASSERT_TRUE(CDriveFormatter::HookInstalled());
    {
        FakeFormatDialog dialog;
        dialog.Activate();
        EXPECT_EQ(TextOf(dialog.firstEdit), "DATA");
        EXPECT_EQ(TextOf(dialog.secondEdit), "");
    }
    EXPECT_FALSE(CDriveFormatter::HookInstalled());

    FakeFormatDialog later;
    later.Activate();
    EXPECT_EQ(TextOf(later.firstEdit), "old");
}

TEST(DriveFormatter, HookIsRemovedWhenTheShellReturnsWithoutADialog) {
    CDriveFormatter formatter;
    std::string label = "DATA";
    // The shell's format call here returns at once without showing a window.
    const int result = formatter.FormatDrive(nullptr, 25, false, label.c_str());
    EXPECT_NE(result, 0);
    EXPECT_FALSE(CDriveFormatter::HookInstalled());

    FakeFormatDialog dialog;
    dialog.Activate();
    EXPECT_EQ(TextOf(dialog.firstEdit), "old");
}
