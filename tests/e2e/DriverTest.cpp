// The driver against bare_dialog.exe (the main dialog template with nothing
// behind it) and against dialogs this test program opens itself.
#include "Driver.h"
#include "resource.h"

#include <commdlg.h>

#include <fstream>
#include <thread>

#include <gtest/gtest.h>

using namespace e2e;

namespace {

Process StartBareDialog() {
    Process process = Process::Start(Env("ORBELUNE_BARE_DIALOG"));
    EXPECT_TRUE(process) << "error " << process.StartError();
    return process;
}

} // namespace

TEST(TwoDrives_Driver, FindsTheDialogReadsItsTextsAndClosesIt) {
    Process process = StartBareDialog();
    HWND window = FindTopWindow(process.Id(), "Orbelune", "#32770");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindTopWindow(process.Id(), "Orbelune", "Button", 0), nullptr);

    HWND label = GetDlgItem(window, IDC_VOLUME_NAME);
    ASSERT_TRUE(SetWindowTextTimeout(label, "DATA (E:)"));
    EXPECT_EQ(ControlText(window, IDC_VOLUME_NAME), "DATA (E:)");
    EXPECT_EQ(DlgItemText(window, IDC_VOLUME_NAME), "DATA (E:)");

    ASSERT_TRUE(Send(window, WM_CLOSE));
    ASSERT_TRUE(process.WaitForExit());
    EXPECT_EQ(process.ExitCode(), 0u);
}

TEST(TwoDrives_Driver, KeysAndClicksArriveAsAUsersWould) {
    Process byKey = StartBareDialog();
    HWND window = FindTopWindow(byKey.Id(), "Orbelune");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PressKey(window, VK_ESCAPE));
    EXPECT_TRUE(byKey.WaitForExit());

    Process byClick = StartBareDialog();
    window = FindTopWindow(byClick.Id(), "Orbelune");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ClickButton(window, IDOK));
    EXPECT_TRUE(byClick.WaitForExit());
}

TEST(TwoDrives_Driver, AProcessLeftRunningIsKilled) {
    HANDLE watch = nullptr;
    {
        Process process = StartBareDialog();
        ASSERT_NE(FindTopWindow(process.Id(), "Orbelune"), nullptr);
        watch = OpenProcess(SYNCHRONIZE, FALSE, process.Id());
        ASSERT_NE(watch, nullptr);
        EXPECT_FALSE(process.WaitForExit(0));
        EXPECT_FALSE(process.ExitCode());
    }
    EXPECT_EQ(WaitForSingleObject(watch, 0), WAIT_OBJECT_0);
    CloseHandle(watch);

    Process missing = Process::Start(Env("ORBELUNE_SCRATCH") + "no-such-program.exe");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.StartError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(missing.WaitForExit(0));
}

TEST(TwoDrives_Dialogs, AnswersAMessageBoxWithTheChosenButton) {
    int answer = 0;
    std::thread asker([&] { answer = MessageBoxA(nullptr, "Empty it?", "Orbelune", MB_YESNO); });
    const auto text = AnswerMessageBox(GetCurrentProcessId(), IDNO);
    asker.join();
    EXPECT_EQ(text, "Empty it?");
    EXPECT_EQ(answer, IDNO);
}

TEST(TwoDrives_Dialogs, SavesUnderTheTypedNameAndConfirmsTheOverwrite) {
    const std::string path = Env("ORBELUNE_SCRATCH") + "report.txt";
    std::ofstream(path) << "old";

    char file[MAX_PATH] = "";
    BOOL saved = FALSE;
    std::thread saver([&] {
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.lpstrFilter = "Text files (*.txt)\0*.txt\0";
        dialog.lpstrFile = file;
        dialog.nMaxFile = sizeof file;
        dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        saved = GetSaveFileNameA(&dialog);
    });
    const bool answered = SaveFileAs(GetCurrentProcessId(), path);
    if (!answered) // leave no dialog behind to block the join
        if (HWND dialog = FindTopWindow(GetCurrentProcessId(), nullptr, "#32770", 0))
            Post(dialog, WM_COMMAND, IDCANCEL);
    saver.join();
    EXPECT_TRUE(answered);
    EXPECT_TRUE(saved);
    EXPECT_STREQ(file, path.c_str());
}

TEST(TwoDrives_Clipboard, ReadsTextAndSeesAnEmptyClipboard) {
    const char text[] = "C:\\ SYSTEM\r\nE:\\ DATA";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    EXPECT_NE(SetClipboardData(CF_TEXT, memory), nullptr);
    CloseClipboard();
    EXPECT_EQ(ClipboardText(), text);
    EXPECT_FALSE(ClipboardIsEmpty());

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_TRUE(ClipboardIsEmpty());
    EXPECT_EQ(ClipboardText(), std::nullopt);
}

TEST(TwoDrives_Files, ReadsEveryByte) {
    const std::string path = Env("ORBELUNE_SCRATCH") + "bytes.bin";
    const std::string bytes("line\r\n\0\xff\x1a end", 13);
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(ReadFileBytes(Env("ORBELUNE_SCRATCH") + "missing.bin"), std::nullopt);
}
