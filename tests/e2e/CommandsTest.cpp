// The context menu, the report file, the clipboard copy and the recycle bin,
// driven from outside.
#include "Orbelune.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace {

constexpr int SaveDialogFileName = 0x47C;

using e2e::Running;
using e2e::StartOrbelune;

void Quit(Running& app) {
    e2e::Post(app.window, WM_COMMAND, IDOK);
    EXPECT_TRUE(app.process.WaitForExit(5000));
}

std::string Scratch(const std::string& name) {
    return e2e::Env("ORBELUNE_SCRATCH") + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The first visible top-level window of the process that `accept` takes.
template <typename Accept> HWND FindProcessWindow(DWORD processId, Accept accept) {
    struct Search {
        DWORD processId;
        Accept* accept;
        HWND found;
    } search{processId, &accept, nullptr};
    e2e::WaitUntil(
        [&] {
            EnumWindows(
                [](HWND window, LPARAM data) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(data);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    if (owner == s->processId && IsWindowVisible(window) && (*s->accept)(window)) {
                        s->found = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        5000);
    return search.found;
}

// The save dialog (the main window is a dialog too).
HWND SaveDialog(DWORD processId) {
    return FindProcessWindow(
        processId, [](HWND window) { return GetDlgItem(window, SaveDialogFileName) != nullptr; });
}

// Presses `button` in the message box whose text starts with `start`, once
// it is there, and waits until it has gone; returns the box's whole text.
std::string AnswerBox(DWORD processId, const std::string& start, int button) {
    HWND box = FindProcessWindow(processId, [&](HWND window) {
        return GetDlgItem(window, 0xFFFF) != nullptr &&
               e2e::ControlText(window, 0xFFFF).rfind(start, 0) == 0;
    });
    if (box == nullptr) {
        return "";
    }
    const std::string text = e2e::ControlText(box, 0xFFFF);
    e2e::ClickButton(box, button);
    e2e::WaitUntil([&] { return !IsWindow(box); }, 5000);
    return text;
}

// Opens "Save Report as..." through the real menu: a right click, then the
// keys a user would press down to the item.
void ChooseSaveReportFromMenu(Running& app) {
    e2e::Post(app.window, WM_RBUTTONUP, 0, MAKELPARAM(60, 60));
    ASSERT_NE(e2e::FindTopWindow(app.process.Id(), nullptr, "#32768", 5000), nullptr)
        << "no popup menu";
    e2e::PressKey(app.window, VK_DOWN);  // Options
    e2e::PressKey(app.window, VK_RIGHT); // opens the submenu on Refresh
    for (int i = 0; i < 9; ++i) {
        e2e::PressKey(app.window, VK_DOWN); // separators are skipped
    }
    e2e::PressKey(app.window, VK_RETURN);
}

// Every line but the last ends in CR LF, and there is no bare LF.
void ExpectCrLfLines(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_NE(text.back(), '\n');
}

void SeedTrash(const std::string& name, std::size_t bytes) {
    const std::string trash = e2e::Env("ORBELUNE_TRASH");
    WriteFile(trash + "files\\" + name, std::string(bytes, 'x'));
    WriteFile(trash + "info\\" + name + ".trashinfo",
              "[Trash Info]\nPath=/tmp/" + name + "\nDeletionDate=2026-12-01T10:00:00\n");
}

bool TrashIsEmpty() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((e2e::Env("ORBELUNE_TRASH") + "files\\*.bin").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return true;
    }
    FindClose(search);
    return false;
}

} // namespace

TEST(TwoDrives_Report, SavedThroughTheMenuAndTheRealSaveDialog) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    ChooseSaveReportFromMenu(app);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("drives")));
    EXPECT_FALSE(IsWindowVisible(app.window));
    const auto question = e2e::AnswerMessageBox(app.process.Id(), IDNO);
    EXPECT_EQ(question.value_or(""), "File correctly written.\nDo you want to open it ?");
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));

    const std::string report = e2e::ReadFileBytes(Scratch("drives.txt")).value_or("");
    ASSERT_FALSE(report.empty());
    ExpectCrLfLines(report);
    const std::string dashes(60, '-');
    const std::regex layout(
        "Orbelune version 1\\.0\\.2\r\n"
        "Report on computer: .+ by .+\r\n"
        "Date: \\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\r\n" +
        dashes +
        "\r\n\r\n"
        " -> Number Of Logical Drives: 2\r\n\r\n"
        "- C:\\\\\r\nVolume Name: SYSTEM\r\nCapacity: \\d+\\.\\d\\d GB\r\n"
        "Used: \\d+\\.\\d\\d GB \\(\\d+%\\)\r\nFree: \\d+\\.\\d\\d GB  \\(\\d+%\\)\r\n"
        "Serial Number: 5EED-0C01\r\nFile System: \\w+\r\nMax File Length Support: \\d+\r\n"
        "System drive: yes\r\n\r\n"
        "- E:\\\\\r\nVolume Name: DATA\r\nCapacity: \\d+\\.\\d\\d GB\r\n"
        "Used: \\d+\\.\\d\\d GB \\(\\d+%\\)\r\nFree: \\d+\\.\\d\\d GB  \\(\\d+%\\)\r\n"
        "Serial Number: 1A2B-3C4D\r\nFile System: \\w+\r\nMax File Length Support: \\d+\r\n"
        "System drive: no\r\n\r\n"
        "-> Summary\r\n\r\n"
        ". Storage Capacity: \\d+ GB\r\n. Used: \\d+ GB \\(\\d+%\\)\r\n. Free: \\d+ GB "
        "\\(\\d+%\\)");
    EXPECT_TRUE(std::regex_match(report, layout)) << report;
    Quit(app);
}

TEST(TwoDrives_Report, NameEndingInTxtKeepsItsName) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("Named.TXT")));
    EXPECT_TRUE(e2e::AnswerMessageBox(app.process.Id(), IDNO).has_value());
    EXPECT_TRUE(e2e::ReadFileBytes(Scratch("Named.TXT")).has_value());
    EXPECT_FALSE(e2e::ReadFileBytes(Scratch("Named.TXT.txt")).has_value());
    Quit(app);
}

TEST(TwoDrives_Report, SavingOverAnExistingFileAsksFirst) {
    WriteFile(Scratch("old.txt"), "keep me");
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    // The typed name has no extension: the question is about the file written.
    HWND dialog = SaveDialog(app.process.Id());
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(e2e::SetWindowTextTimeout(GetDlgItem(dialog, SaveDialogFileName), Scratch("old")));
    e2e::Post(dialog, WM_COMMAND, IDOK);
    EXPECT_EQ(AnswerBox(app.process.Id(), Scratch("old.txt"), IDNO),
              Scratch("old.txt") + " already exists.\nDo you want to replace it?");
    // No: back in the save dialog, which the user cancels.
    dialog = SaveDialog(app.process.Id());
    ASSERT_NE(dialog, nullptr);
    e2e::Post(dialog, WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    EXPECT_EQ(e2e::ReadFileBytes(Scratch("old.txt")).value_or(""), "keep me");

    // Yes replaces it.
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), Scratch("old")));
    EXPECT_NE(AnswerBox(app.process.Id(), Scratch("old.txt"), IDYES), "");
    EXPECT_NE(AnswerBox(app.process.Id(), "File correctly written.", IDNO), "");
    EXPECT_EQ(e2e::ReadFileBytes(Scratch("old.txt")).value_or("").rfind("Orbelune version", 0), 0u);
    Quit(app);
}

TEST(ReadOnlyTarget_Report, UnwritableFolderIsReportedAndNothingIsAsked) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    e2e::Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), "R:\\report"));
    const auto error = e2e::AnswerMessageBox(app.process.Id(), IDOK);
    EXPECT_EQ(error.value_or(""), "The report could not be written to\nR:\\report.txt");
    EXPECT_FALSE(e2e::AnswerMessageBox(app.process.Id(), IDYES, 1000).has_value())
        << "a question followed the error";
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    EXPECT_TRUE(app.process.IsRunning());
    Quit(app);
}

TEST(TwoDrives_Clipboard, F3CopiesTheSelectedDrivesFacts) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    SetForegroundWindow(app.window);
    e2e::PressKey(app.window, VK_F3);
    ASSERT_TRUE(e2e::WaitUntil([] { return !e2e::ClipboardIsEmpty(); }, 5000));
    const std::string text = e2e::ClipboardText().value_or("");
    const std::regex expected("C:\\\\\r\nVolume Name: SYSTEM\r\nCapacity: \\d+\\.\\d\\d GB\r\n"
                              "Used: \\d+\\.\\d\\d GB\r\nFree: \\d+\\.\\d\\d GB \r\n"
                              "Serial Number: 5EED-0C01\r\nMax Filename Length Support: \\d+\r\n"
                              "File System: \\w+");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
    Quit(app);
}

TEST(TwoDrives_RecycleBin, EmptiesTheSeededBinAndTellsWhatWasReleased) {
    SeedTrash("a.bin", 3000);
    SeedTrash("b.bin", 500);
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    e2e::Post(app.window, WM_COMMAND, ID_EMPTY_RECYCLE_BIN);
    EXPECT_EQ(AnswerBox(app.process.Id(), "Deleted", IDOK),
              "Deleted: 2 elements.\r\nReleased: 3 KB.");
    EXPECT_TRUE(TrashIsEmpty());

    e2e::Post(app.window, WM_COMMAND, ID_EMPTY_RECYCLE_BIN);
    EXPECT_EQ(AnswerBox(app.process.Id(), "Your", IDOK), "Your Recycle Bin is empty.");
    Quit(app);
}
