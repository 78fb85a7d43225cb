// Rename, screenshot and desktop shortcut, driven from outside; the files they
// write are read back by independent tools of the host system.
#include "Orbelune.h"
#include "resource.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using e2e::Running;
using e2e::StartOrbelune;

void Stop(Running& app) {
    e2e::Post(app.window, WM_CLOSE);
    EXPECT_TRUE(app.process.WaitForExit(5000));
}

void SelectDrive(HWND window, const char* root) {
    HWND combo = GetDlgItem(window, IDC_DRIVE_COMBO);
    const auto index = e2e::Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(root));
    ASSERT_TRUE(index && *index >= 0) << root;
    e2e::Send(combo, CB_SETCURSEL, static_cast<WPARAM>(*index));
    e2e::Send(window, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(combo));
}

struct InputBoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindInputBoxIn(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<InputBoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        GetDlgItem(window, IDC_INPUT_EDIT) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindInputBox(DWORD processId) {
    InputBoxSearch search{processId, nullptr};
    e2e::WaitUntil([&] {
        EnumWindows(FindInputBoxIn, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

// Types into the input box as keys would, then presses its OK button.
void TypeAndConfirm(HWND box, const std::string& text) {
    HWND edit = GetDlgItem(box, IDC_INPUT_EDIT);
    for (const char c : text) {
        e2e::Post(edit, WM_CHAR, static_cast<unsigned char>(c));
    }
    e2e::ClickButton(box, IDOK);
    // The box is a message box too: wait until it is gone before answering the next.
    e2e::WaitUntil([&] { return !IsWindow(box); }, 3000);
}

struct BoxSearch {
    DWORD processId;
    std::string text;
    bool found;
};

BOOL CALLBACK FindBoxWithText(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        GetDlgItem(window, 0xFFFF) != nullptr && e2e::ControlText(window, 0xFFFF) == search->text) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// Answers the next message box and waits until it has closed, so that the
// box that may follow is not mistaken for it.
std::string Answer(DWORD processId, int button, DWORD timeoutMs = e2e::kDefaultTimeoutMs) {
    const std::optional<std::string> text = e2e::AnswerMessageBox(processId, button, timeoutMs);
    if (!text) {
        return "none";
    }
    e2e::WaitUntil(
        [&] {
            BoxSearch search{processId, *text, false};
            EnumWindows(FindBoxWithText, reinterpret_cast<LPARAM>(&search));
            return !search.found;
        },
        3000);
    return *text;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

std::string LabelFile(const char* root) {
    return Trimmed(e2e::ReadFileBytes(std::string(root) + ".windows-label").value_or(""));
}

// The host system's path of a file, for the host's own tools.
std::string UnixPath(const std::string& path) {
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unix = convert != nullptr ? convert(wide) : nullptr;
    if (unix == nullptr) {
        return std::string();
    }
    std::string result(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs a program of the host system and returns what it printed. Wine cannot
// wait for a host process, so the output is complete when it ends in a line
// feed and stops growing.
std::string RunHostTool(const std::string& tool, const std::string& arguments) {
    const std::string outputPath = e2e::Env("ORBELUNE_SCRATCH") + "tool-output.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::string commandLine = "\\\\?\\unix\\usr\\bin\\" + tool + " " + arguments;
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process) != FALSE;
    CloseHandle(output);
    if (!started) {
        return std::string();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::string text;
    e2e::WaitUntil(
        [&] {
            const std::string now = e2e::ReadFileBytes(outputPath).value_or("");
            const bool settled = !now.empty() && now == text && now.back() == '\n';
            text = now;
            return settled;
        },
        20000);
    return text;
}

std::uint32_t Read32(const std::string& bytes, std::size_t offset) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::string DesktopFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path);
    return std::string(path) + "\\";
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(Tools_Rename, AnsweringYesWritesTheTypedLabel) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    SelectDrive(app.window, "E:\\");
    e2e::Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
    HWND box = FindInputBox(app.process.Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::ControlText(box, 0xFFFF), "New volume name for E:\\");
    EXPECT_EQ(e2e::ControlText(box, IDC_INPUT_EDIT), "");
    TypeAndConfirm(box, "ARCHIVE");
    EXPECT_EQ(Answer(app.process.Id(), IDYES),
              "Volume Name \"ARCHIVE\" will be apply to E:\\\nConfirm ?");
    EXPECT_TRUE(e2e::WaitUntil([] { return LabelFile("E:\\") == "ARCHIVE"; }, 3000))
        << LabelFile("E:\\");
    Sleep(300);
    EXPECT_TRUE(app.process.IsRunning());
    Stop(app);
}

TEST(Tools_Rename, AnsweringNoChangesNothing) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    SelectDrive(app.window, "E:\\");
    const std::string before = LabelFile("E:\\");
    const std::string view = e2e::DlgItemText(app.window, IDC_VOLUME_NAME);
    e2e::Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
    HWND box = FindInputBox(app.process.Id());
    ASSERT_NE(box, nullptr);
    TypeAndConfirm(box, "IGNORED");
    EXPECT_EQ(Answer(app.process.Id(), IDNO),
              "Volume Name \"IGNORED\" will be apply to E:\\\nConfirm ?");
    EXPECT_EQ(Answer(app.process.Id(), IDOK, 500), "none");
    EXPECT_EQ(LabelFile("E:\\"), before);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), view);
    Stop(app);
}

TEST(Tools_Rename, TwoLineLabelIsRefusedWithAMessage) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    SelectDrive(app.window, "E:\\");
    const std::string before = LabelFile("E:\\");
    e2e::Post(app.window, WM_COMMAND, ID_RENAME_VOLUME);
    HWND box = FindInputBox(app.process.Id());
    ASSERT_NE(box, nullptr);
    TypeAndConfirm(box, "TWO\rLINES");
    EXPECT_EQ(Answer(app.process.Id(), IDYES),
              "Volume Name \"TWO\r\nLINES\" will be apply to E:\\\nConfirm ?");
    EXPECT_EQ(Answer(app.process.Id(), IDOK), "The volume name of E:\\ could not be changed.");
    EXPECT_EQ(LabelFile("E:\\"), before);
    Stop(app);
}

TEST(Tools_ScreenShot, SavesTheWholeWindowAsABitmapAndEmptiesTheClipboard) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    RECT outer = {};
    GetWindowRect(app.window, &outer);
    const std::string path = e2e::Env("ORBELUNE_SCRATCH") + "window.bmp";
    DeleteFileA(path.c_str());

    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    ASSERT_NE(e2e::FindTopWindow(app.process.Id(), "Save screen shot as..."), nullptr);
    EXPECT_FALSE(IsWindowVisible(app.window));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), e2e::Env("ORBELUNE_SCRATCH") + "window"));
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    EXPECT_TRUE(e2e::WaitUntil([] { return e2e::ClipboardIsEmpty(); }, 3000));

    const std::string bytes = e2e::ReadFileBytes(path).value_or("");
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Read32(bytes, 2), bytes.size());
    // Width, height and the file size as the reader measures them.
    const std::string expected = std::to_string(outer.right - outer.left) + "," +
                                 std::to_string(outer.bottom - outer.top) + "," +
                                 std::to_string(bytes.size()) + "\n";
    EXPECT_EQ(RunHostTool("identify", "-format %w,%h,%B\\n \"" + UnixPath(path) + "\""), expected);
    Stop(app);
}

TEST(Tools_ScreenShot, NameEndingInBmpIsKeptAndCancelWritesNothing) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string scratch = e2e::Env("ORBELUNE_SCRATCH");
    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    ASSERT_TRUE(e2e::SaveFileAs(app.process.Id(), scratch + "Named.BMP"));
    EXPECT_TRUE(e2e::WaitUntil([&] { return FileExists(scratch + "Named.BMP"); }, 3000));
    EXPECT_FALSE(FileExists(scratch + "Named.BMP.bmp"));

    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    HWND dialog = e2e::FindTopWindow(app.process.Id(), "Save screen shot as...");
    ASSERT_NE(dialog, nullptr);
    e2e::Post(dialog, WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    EXPECT_TRUE(e2e::WaitUntil([] { return e2e::ClipboardIsEmpty(); }, 3000));
    Stop(app);
}

TEST(Tools_ScreenShot, ExistingFileIsReplacedOnlyAfterAsking) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string path = e2e::Env("ORBELUNE_SCRATCH") + "kept.bmp";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "old", 3, &written, nullptr);
    CloseHandle(file);

    e2e::Post(app.window, WM_COMMAND, ID_SCREENSHOT);
    HWND dialog = e2e::FindTopWindow(app.process.Id(), "Save screen shot as...");
    ASSERT_NE(dialog, nullptr);
    // Typed without ".bmp": the question still concerns the file that would be written.
    e2e::SetWindowTextTimeout(GetDlgItem(dialog, 0x47C), e2e::Env("ORBELUNE_SCRATCH") + "kept");
    e2e::Post(dialog, WM_COMMAND, IDOK);
    EXPECT_NE(Answer(app.process.Id(), IDNO).find("already exists"), std::string::npos);
    e2e::Post(dialog, WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    EXPECT_EQ(e2e::ReadFileBytes(path).value_or(""), "old");
    Stop(app);
}

TEST(Tools_Shortcut, LinkToTheDriveIsNamedAfterItsLabel) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string link = DesktopFolder() + "SYSTEM.lnk";
    DeleteFileA(link.c_str());
    SelectDrive(app.window, "C:\\");
    e2e::Post(app.window, WM_COMMAND, ID_SHORTCUT);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FileExists(link); }, 5000)) << link;
    const std::string info = RunHostTool("lnkinfo", "\"" + UnixPath(link) + "\"");
    EXPECT_NE(info.find("Local path\t\t\t: C:\\\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Description\t\t\t: Shortcut created on "), std::string::npos) << info;
    Stop(app);
}

TEST(Tools_Shortcut, DriveWithoutLabelGivesALinkNamedAfterTheLetter) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    const std::string link = DesktopFolder() + "Drive F.lnk";
    SelectDrive(app.window, "F:\\");
    e2e::Post(app.window, WM_COMMAND, ID_SHORTCUT);
    ASSERT_TRUE(e2e::WaitUntil([&] { return FileExists(link); }, 5000)) << link;
    EXPECT_FALSE(FileExists(DesktopFolder() + ".lnk"));
    const std::string info = RunHostTool("lnkinfo", "\"" + UnixPath(link) + "\"");
    EXPECT_NE(info.find("Local path\t\t\t: F:\\\n"), std::string::npos) << info;
    Stop(app);
}
