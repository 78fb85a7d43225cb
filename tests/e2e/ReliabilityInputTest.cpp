// Reliability under awkward input: the clipboard held by another program,
// file names at the length limit, keys and clicks repeated quickly, commands
// arriving while another one is still open, and settings files that other
// hands wrote. Each scenario checks that nothing is lost and that the
// program keeps working.
#include "ReliabilityHelpers.h"

#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <string>

using namespace reliability;

namespace {

// Holds the clipboard open, with a text on it, as another program would.
class HeldClipboard {
  public:
    explicit HeldClipboard(const std::string& text) {
        held_ = OpenClipboard(nullptr) != FALSE;
        if (held_) {
            EmptyClipboard();
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
            std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            SetClipboardData(CF_TEXT, block);
        }
    }
    ~HeldClipboard() { Release(); }
    bool IsHeld() const { return held_; }
    void Release() {
        if (held_) {
            CloseClipboard();
            held_ = false;
        }
    }

  private:
    bool held_ = false;
};

// Every text of the view, for comparisons before and after.
std::string ViewTexts(HWND window) {
    std::string all;
    for (int id : {IDC_DRIVE_GROUP, IDC_VOLUME_NAME, IDC_CAPACITY, IDC_SERIAL, IDC_FILE_SYSTEM,
                   IDC_MAX_NAME_LENGTH, IDC_SYSTEM_DRIVE, IDC_DRIVE_COUNT, IDC_TOTAL_CAPACITY}) {
        all += e2e::DlgItemText(window, id) + "|";
    }
    return all;
}

const char* const SystemFacts = "C:\\\r\nVolume Name: SYSTEM\r\n";

// A folder name and a file name that make "S:\<folder>\<file><extension>"
// exactly `length` characters long.
std::string PathOfLength(std::size_t length, const std::string& extension) {
    const std::string folder = Scratch(std::string(120, 'd'));
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::size_t used = folder.size() + 1 + extension.size();
    return folder + "\\" + std::string(length - used, 'n');
}

int Alpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : -1;
}

} // namespace

TEST(TwoDrives_Reliability, ClipboardHeldByAnotherProgramDuringF3) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    {
        HeldClipboard held("the other program's text");
        ASSERT_TRUE(held.IsHeld());
        e2e::PressKey(app.window, VK_F3);
        e2e::Post(app.window, WM_COMMAND, ID_COPY_TO_CLIPBOARD);
        Sleep(500);
        ASSERT_TRUE(Answers(app.window));
    }
    // Nothing was copied, and nothing of the other program's was taken away.
    EXPECT_EQ(e2e::ClipboardText().value_or(""), "the other program's text");
    e2e::PressKey(app.window, VK_F3);
    EXPECT_TRUE(e2e::WaitUntil(
        [] { return StartsWith(e2e::ClipboardText().value_or(""), SystemFacts); }, 5000));
    Quit(app);
}

TEST(TwoDrives_Reliability, ClipboardHeldByAnotherProgramDuringTheScreenshot) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    {
        HeldClipboard held("kept");
        ASSERT_TRUE(held.IsHeld());
        e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
        ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("held.bmp")));
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 5000));
        ASSERT_TRUE(Answers(app.window));
    }
    EXPECT_TRUE(IsCompleteBitmapFile(Scratch("held.bmp")));
    EXPECT_EQ(e2e::ClipboardText().value_or(""), "kept");

    // Without the other program, the picture sits on the clipboard while the
    // dialog is open, and the clipboard is empty afterwards.
    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("free.bmp")));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 5000));
    EXPECT_TRUE(IsCompleteBitmapFile(Scratch("free.bmp")));
    // The clipboard is emptied just after the window comes back.
    EXPECT_TRUE(e2e::WaitUntil([] { return e2e::ClipboardIsEmpty(); }, 5000));
    Quit(app);
}

TEST(TwoDrives_Reliability, ReportAndScreenshotNamesAtThePathLengthLimit) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    // The longest path a file can have: MAX_PATH less the terminating zero.
    const std::string report = PathOfLength(MAX_PATH - 1, ".txt");
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), report));
    EXPECT_TRUE(e2e::AnswerMessageBox(app.process.Id(), IDNO).has_value());
    ASSERT_EQ((report + ".txt").size(), MAX_PATH - 1u);
    EXPECT_TRUE(
        StartsWith(e2e::ReadFileBytes(report + ".txt").value_or(""), "Orbelune version 1.0.2\r\n"));

    const std::string picture = PathOfLength(MAX_PATH - 1, ".bmp");
    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), picture));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsCompleteBitmapFile(picture + ".bmp"); }, 5000));

    // One character more than fits once the extension is added: the program
    // may refuse or tell, but it must not claim a file it did not write.
    for (int command : {ID_SAVE_REPORT, ID_SCREENSHOT}) {
        const std::string extension = command == ID_SAVE_REPORT ? ".txt" : ".bmp";
        const std::string tooLong = PathOfLength(MAX_PATH, extension);
        e2e::Post(app.window, WM_COMMAND, command);
        e2e::SaveFileAs(app.process.Id(), tooLong, 5000);
        const auto box = e2e::AnswerMessageBox(app.process.Id(), IDNO, 2000);
        if (box && box->find("correctly written") != std::string::npos) {
            EXPECT_TRUE(FileExists(tooLong + extension)) << "claimed a file it did not write";
        }
        DismissDialogs(app);
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 5000));
        ASSERT_TRUE(Answers(app.window)) << command;
    }
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: SYSTEM"));
    Quit(app);
}

TEST(TwoDrives_Reliability, KeyRepeatOnF5AndF3) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string before = ViewTexts(app.window);
    // A held key: one first press, then repeats (previous-state bit set).
    for (WPARAM key : {VK_F5, VK_F3}) {
        for (int i = 0; i < 40; ++i) {
            e2e::Post(app.window, WM_KEYDOWN, key, i == 0 ? 1 : 0x40000001);
        }
        e2e::Post(app.window, WM_KEYUP, key, 0xC0000001);
    }
    // The F3s queue behind the forty refreshes.
    EXPECT_TRUE(e2e::WaitUntil(
        [] { return StartsWith(e2e::ClipboardText().value_or(""), SystemFacts); }, 30000));
    ASSERT_TRUE(Answers(app.window));
    EXPECT_EQ(ViewTexts(app.window), before);
    // Forty copies leave one copy of the facts, not forty.
    const std::string copied = e2e::ClipboardText().value_or("");
    EXPECT_TRUE(StartsWith(copied, SystemFacts)) << copied;
    EXPECT_EQ(copied.find("C:\\", 1), std::string::npos) << copied;
    // Quick separate presses of both keys.
    SetForegroundWindow(app.window);
    for (int i = 0; i < 20; ++i) {
        e2e::PressKey(app.window, i % 2 == 0 ? VK_F5 : VK_F3);
    }
    Sleep(2000);
    ASSERT_TRUE(Answers(app.window));
    EXPECT_EQ(ViewTexts(app.window), before);
    Quit(app);
}

TEST(TwoDrives_Reliability, DoubleClickOnTheExitButtonEndsOnceAndCleanly) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    HWND button = GetDlgItem(app.window, IDOK);
    const LPARAM inside = MAKELPARAM(5, 5);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        e2e::Post(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, inside);
    }
    ASSERT_TRUE(app.process.WaitForExit(10000));
    EXPECT_EQ(app.process.ExitCode().value_or(99), 0u);
}

TEST(TwoDrives_Reliability, QuickCommandsTwiceInARow) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string before = ViewTexts(app.window);
    const int alpha = Alpha(app.window);
    for (int command : {ID_REFRESH, ID_COPY_TO_CLIPBOARD, ID_TOGGLE_TRANSPARENCY}) {
        e2e::Post(app.window, WM_COMMAND, command);
        e2e::Post(app.window, WM_COMMAND, command);
    }
    ASSERT_TRUE(Answers(app.window));
    EXPECT_EQ(ViewTexts(app.window), before);
    EXPECT_EQ(Alpha(app.window), alpha) << "two toggles cancel out";
    EXPECT_TRUE(StartsWith(e2e::ClipboardText().value_or(""), SystemFacts));

    e2e::Post(app.window, WM_COMMAND, ID_REDUCE);
    e2e::Post(app.window, WM_COMMAND, ID_REDUCE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(app.window); }, 3000));
    e2e::Post(app.window, WM_COMMAND, ID_TRAY_RESTORE);
    e2e::Post(app.window, WM_COMMAND, ID_TRAY_RESTORE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    ASSERT_TRUE(Answers(app.window));
    Quit(app);
}

TEST(TwoDrives_Reliability, CommandsThatOpenADialogArrivingTwice) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string before = ViewTexts(app.window);
    for (int command : {ID_SAVE_REPORT, ID_SCREENSHOT, ID_ABOUT, ID_RENAME_VOLUME}) {
        e2e::Post(app.window, WM_COMMAND, command);
        e2e::Post(app.window, WM_COMMAND, command);
        Sleep(300);
        DismissDialogs(app);
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 5000))
            << command;
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(app.window) != FALSE; }, 5000))
            << command;
        ASSERT_TRUE(Answers(app.window)) << command;
    }
    e2e::PressKey(app.window, VK_F5);
    ASSERT_TRUE(Answers(app.window));
    EXPECT_EQ(ViewTexts(app.window), before);
    Quit(app);
}

TEST(TwoDrives_Reliability, SecondRightClickWhileTheMenuIsOpen) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const LPARAM where = MAKELPARAM(100, 100);
    e2e::Post(app.window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(app.window), where);
    e2e::Post(app.window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(app.window), where);
    ASSERT_NE(e2e::FindTopWindow(app.process.Id(), nullptr, "#32768", 5000), nullptr);
    for (int i = 0; i < 3; ++i) {
        e2e::PressKey(app.window, VK_ESCAPE);
        Sleep(100);
    }
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::FindTopWindow(app.process.Id(), nullptr, "#32768", 0) == nullptr; },
        5000));
    ASSERT_TRUE(Answers(app.window));
    // The menu still opens and still carries out a command.
    e2e::Post(app.window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(app.window), where);
    ASSERT_NE(e2e::FindTopWindow(app.process.Id(), nullptr, "#32768", 5000), nullptr);
    e2e::PressKey(app.window, VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return e2e::FindTopWindow(app.process.Id(), nullptr, "#32768", 0) == nullptr; },
        5000));
    ASSERT_TRUE(Answers(app.window));
    Quit(app);
}

TEST(TwoDrives_Reliability, SettingsFileWrittenByOtherHandsKeepsItsOtherContent) {
    const std::string folder = Scratch("settings-kept");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string exe = folder + "\\Orbelune.exe";
    const std::string ini = folder + "\\Orbelune.ini";
    ASSERT_TRUE(CopyFileA(e2e::Env("ORBELUNE_EXE").c_str(), exe.c_str(), FALSE));

    // Empty: read as opaque; the toggle writes the key.
    { std::ofstream(ini, std::ios::binary); }
    Running app = StartOrbelune(exe, folder);
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(Alpha(app.window), 255);
    e2e::Post(app.window, WM_COMMAND, ID_TOGGLE_TRANSPARENCY);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Alpha(app.window) == 191; }, 3000));
    Quit(app);
    EXPECT_NE(e2e::ReadFileBytes(ini).value_or("").find("Wnd_Transparency=1"), std::string::npos);

    // Large, with other sections and keys: the toggle changes the one value only.
    std::string other = "; written by hand\r\n[Other]\r\n";
    for (int i = 0; i < 20000; ++i) {
        other += "key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
    }
    std::ofstream(ini, std::ios::binary) << other << "[Orbelune]\r\nWnd_Transparency=1\r\n";
    app = StartOrbelune(exe, folder);
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(Alpha(app.window), 191);
    e2e::Post(app.window, WM_COMMAND, ID_TOGGLE_TRANSPARENCY);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Alpha(app.window) == 255; }, 3000));
    Quit(app);
    const std::string after = e2e::ReadFileBytes(ini).value_or("");
    EXPECT_EQ(after, other + "[Orbelune]\r\nWnd_Transparency=0\r\n");
}

TEST(ReadOnlyProgram_Reliability, ProgramFolderWhereNothingCanBeWritten) {
    const std::string folder = "P:\\";
    ASSERT_TRUE(FileExists(folder + "Orbelune.exe"));
    Running app = StartOrbelune(folder + "Orbelune.exe", folder);
    ASSERT_NE(app.window, nullptr);
    EXPECT_FALSE(FileExists(folder + "Orbelune.ini")) << "the folder is not read-only";
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: SYSTEM");
    EXPECT_EQ(Alpha(app.window), 255);
    // The opacity still changes for this run, although it cannot be stored.
    e2e::Post(app.window, WM_COMMAND, ID_TOGGLE_TRANSPARENCY);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Alpha(app.window) == 191; }, 3000));
    e2e::Post(app.window, WM_COMMAND, ID_TOGGLE_TRANSPARENCY);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Alpha(app.window) == 255; }, 3000));
    // Everything that is written elsewhere still works.
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("from-read-only")));
    EXPECT_TRUE(e2e::AnswerMessageBox(app.process.Id(), IDNO).has_value());
    EXPECT_TRUE(StartsWith(e2e::ReadFileBytes(Scratch("from-read-only.txt")).value_or(""),
                           "Orbelune version 1.0.2\r\n"));
    // Keys reach the main window again once the question has gone.
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    e2e::Post(app.window, WM_KEYDOWN, VK_F3, 1);
    EXPECT_TRUE(e2e::WaitUntil(
        [] { return StartsWith(e2e::ClipboardText().value_or(""), SystemFacts); }, 5000))
        << e2e::ClipboardText().value_or("<no text>");
    ASSERT_TRUE(Answers(app.window));
    Quit(app);
    EXPECT_FALSE(FileExists(folder + "Orbelune.ini"));
}
