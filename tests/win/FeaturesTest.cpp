// The features through the program's own classes, with the system calls the host cannot make.
#include "app/CMainDialog.h"
#include "commands/CDriveFormatter.h"
#include "commands/CRecycleBin.h"
#include "export/CDriveFactsClipboard.h"
#include "export/CReportFile.h"
#include "export/CWindowCapture.h"
#include "resource.h"

#include "../unit/FakeVolumeSystem.h"
#include "../unit/RecordingLauncher.h"
#include "Support.h"

#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {

// The main window's template with the drive view alone; `body` runs once it is shown.
class ViewHost : public fw::Dialog {
  public:
    ViewHost(drives::VolumeSystem& system, std::function<void(ViewHost&)> body)
        : fw::Dialog(IDD_MAIN), body(std::move(body)), inventory(system), view(inventory) {}
    std::function<void(ViewHost&)> body;
    drives::DriveInventory inventory;
    drives::CDriveView view;

  protected:
    void DoDataExchange() override { view.Bind(GetHwnd()); }
    BOOL OnInitDialog() override {
        inventory.FindSystemDriveRoot();
        view.SetUp();
        view.ShowSelectedDrive();
        body(*this);
        EndDialog(IDOK);
        return TRUE;
    }
};

COLORREF TextColorOf(HWND dialog, int id) {
    return ControlOf<CColorLabel>(dialog, id).LabelTextColor();
}

// Counts the messages sent to the windows of this thread.
std::map<UINT, int>* writes = nullptr;
LRESULT CALLBACK CountWrites(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && writes != nullptr)
        ++(*writes)[reinterpret_cast<const CWPSTRUCT*>(lParam)->message];
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// A refresh writes only what changed and follows the selection; a rebuilt list keeps the selected
// root, not its place. A report written is opened when the user says Yes; a path where no file can
// be created is reported, and nothing else is asked.
TEST(DriveView, ARefreshWritesOnlyWhatChangedARebuildKeepsTheRootAndReportsAreOpenedOrTold) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 100 * GiB, 50 * GiB, "SYSTEM");
    system.Fixed("F:\\", 100 * GiB, 60 * GiB, "DATA");
    testing_support::RecordingLauncher launcher;
    const std::string written = "report-test.txt", unwritable = "C:\\no such folder\\r.txt";
    ViewHost(system, [&](ViewHost& h) {
        HWND window = h.GetHwnd();
        EXPECT_EQ(system.logicalDrivesCalls, 1) << "the list and the first view share a snapshot";
        std::map<UINT, int> seen;
        writes = &seen;
        const fw::Hook hook(
            SetWindowsHookExA(WH_CALLWNDPROC, CountWrites, nullptr, GetCurrentThreadId()));
        h.view.ShowSelectedDrive();
        EXPECT_EQ(seen[WM_SETTEXT], 0);
        EXPECT_EQ(seen[PBM_SETPOS], 0);

        system["F:\\"].space.totalFreeBytes = 5 * GiB; // only the totals change
        h.view.ShowSelectedDrive();
        EXPECT_EQ(seen[WM_SETTEXT], 2); // used and free totals
        EXPECT_EQ(seen[PBM_SETPOS], 2);
        EXPECT_EQ(Text(window, IDC_TOTAL_FREE), ". Free: 55 GB");
        writes = nullptr;

        auto& combo = ControlOf<CDriveComboBox>(window, IDC_DRIVE_COMBO);
        combo.Send(CB_SETCURSEL, 1);
        h.view.ShowSelectedDrive();
        EXPECT_FALSE(combo.IsItemBold(0));
        EXPECT_TRUE(combo.IsItemBold(1));
        EXPECT_EQ(Text(window, IDC_SYSTEM_DRIVE), "System drive: no");
        EXPECT_EQ(TextColorOf(window, IDC_SYSTEM_DRIVE), GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_EQ(TextColorOf(window, IDC_FREE), RGB(255, 0, 0)); // 5 % free
        // The copy asks afresh: the free label follows a drive that crossed 10 % since.
        system["F:\\"].space.totalFreeBytes = 50 * GiB;
        CDriveFactsClipboard(h, h.view).Copy();
        EXPECT_EQ(TextColorOf(window, IDC_FREE), RGB(0, 0, 205));
        // A figure of more digits widens its label as far as the bar, never taller.
        RECT before{}, after{}, bar{};
        GetWindowRect(GetDlgItem(window, IDC_USED), &before);
        system["F:\\"].space = {GiB, 9999999 * GiB, GiB};
        h.view.ShowSelectedDrive();
        GetWindowRect(GetDlgItem(window, IDC_USED), &after);
        GetWindowRect(GetDlgItem(window, IDC_USED_BAR), &bar);
        EXPECT_EQ((std::vector<LONG>{after.right, after.bottom - after.top}),
                  (std::vector<LONG>{bar.left - 2, before.bottom - before.top}));

        system.Fixed("E:\\", 10 * GiB, GiB, "USB");
        h.view.RebuildList();
        h.view.ShowSelectedDrive();
        EXPECT_EQ(h.view.SelectedDriveRoot(), "F:\\");
        EXPECT_TRUE(combo.IsItemBold(2));
        // The summary takes the colours of the totals a report wrote: the drives emptied since.
        EXPECT_EQ(TextColorOf(window, IDC_TOTAL_USED), RGB(255, 0, 0));
        CReportFile report(h, h.view, launcher);
        system["F:\\"].space = {GiB, GiB, GiB};
        WithBoxes([&] { report.Write(written); },
                  [](HWND box) { SendMessageA(box, WM_COMMAND, IDYES, 0); });
        EXPECT_EQ(TextColorOf(window, IDC_TOTAL_USED), GetSysColor(COLOR_WINDOWTEXT));
        // No fixed drive left: an empty view.
        for (const char* root : {"C:\\", "E:\\", "F:\\"})
            system.Add(root, drives::DriveType::Remote, 0, 0);
        h.view.RebuildList();
        h.view.ShowSelectedDrive();
        EXPECT_EQ(combo.GetCount(), 0);
        EXPECT_EQ(Text(window, IDC_VOLUME_NAME), "");

        EXPECT_EQ(BoxTexts([&] { report.Write(unwritable); }),
                  std::vector<std::string>{"The report could not be written to\n" + unwritable});
    }).DoModal();
    EXPECT_EQ(launcher.calls, std::vector<std::string>{"Execute open [" + written + "] 10"});
    DeleteFileA(written.c_str());
}

// Size, clipboard and file of the main window's picture are checked end to end.
TEST(WindowCapture, PendingPaintingIsDoneFirstAndAFailedFileIsRemoved) {
    // Frameless and not painted yet: every pixel is the text control's own painting.
    HWND window = Create("STATIC", "Capture me", WS_POPUP | WS_VISIBLE, 40, 50, 120, 30);
    const std::string path = "capture-test.bmp"; // in the current folder
    {
        CWindowCapture capture;
        ASSERT_TRUE(capture.CaptureWindowBitmap(window, nullptr));
        ASSERT_TRUE(CWindowCapture::SaveBitmapFile(capture.CaptureDCHandle(),
                                                   capture.CaptureBitmap(), path));
    }
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    file.close();
    ASSERT_GT(bytes.size(), 54u);
    std::set<std::string> colors;
    for (std::size_t i = 54; i + 3 <= bytes.size(); i += bytes[28] / 8u)
        colors.insert(bytes.substr(i, 3));
    EXPECT_GE(colors.size(), 2u) << "the text was not painted";
    // Not a bitmap: the query fails after the file was opened.
    const fw::WindowDc screen = fw::WindowDc::Client(nullptr);
    EXPECT_FALSE(CWindowCapture::SaveBitmapFile(screen.Get(), HBITMAP(screen.Get()), path));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    DestroyWindow(window);
}

TEST(DriveFormatter, HookPrefillsTheFirstEditOfTheNextActivatedWindowOnlyWhileTheShellRuns) {
    // A stand-in for the shell's format dialog (a text, two edits): its edits' texts once shown.
    const auto formatDialog = [] {
        HWND window = Create("STATIC", "Format", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
        for (const char* className : {"STATIC", "EDIT", "EDIT"})
            Create(className, "old", WS_CHILD, 0, 0, 9, 9, window);
        ShowWindow(window, SW_SHOW);
        std::string texts;
        char text[32] = {};
        for (HWND edit = nullptr; (edit = FindWindowExA(window, edit, "EDIT", nullptr));)
            texts += std::string(text, GetWindowTextA(edit, text, sizeof text)) + ";";
        DestroyWindow(window);
        return texts;
    };
    CDriveFormatter::InstallHook("DATA");
    EXPECT_EQ(formatDialog(), "DATA;old;");
    EXPECT_FALSE(CDriveFormatter::HookInstalled()) << "a hook of one activation";
    EXPECT_EQ(formatDialog(), "old;old;");
    // The shell's format call here returns at once without showing a window.
    EXPECT_NE(CDriveFormatter::FormatDrive(nullptr, 25, false, "DATA"), 0);
    EXPECT_FALSE(CDriveFormatter::HookInstalled());
}

// Wine's recycle bin is the trash folder of the profile's home, mapped to a drive letter.
TEST(RecycleBin, EmptiesEveryBinAndTellsWhatWasReleasedThatItIsEmptyOrThatItFailed) {
    const char* const trash = std::getenv("ORBELUNE_TRASH");
    if (trash == nullptr)
        GTEST_SKIP() << "not in a test profile";
    const auto deleted = [&](const std::string& name, std::size_t size) {
        std::ofstream(trash + ("files\\" + name), std::ios::binary) << std::string(size, 'x');
        std::ofstream(trash + ("info\\" + name + ".trashinfo"), std::ios::binary)
            << "[Trash Info]\nPath=/tmp/" << name << "\nDeletionDate=2026-12-01T10:00:00\n";
    };
    deleted("a.bin", 3000);
    deleted("b.bin", 500);
    CRecycleBin bin;
    const auto empty = [&] { CRecycleBin::EmptyAndTell(nullptr, bin); };
    EXPECT_EQ(BoxTexts(empty), std::vector<std::string>{"Deleted: 2 elements.\r\nReleased: 3 KB."});
    EXPECT_EQ(BoxTexts(empty), std::vector<std::string>{"Your Recycle Bin is empty."});
    // Bins that the system cannot empty are not reported as emptied.
    struct Refusing : CRecycleBin {
        bool EmptyAll() override { return false; }
    } refusing;
    deleted("c.bin", 1);
    EXPECT_EQ(BoxTexts([&] { CRecycleBin::EmptyAndTell(nullptr, refusing); }),
              std::vector<std::string>{"The Recycle Bin could not be emptied."});
    EXPECT_TRUE(bin.EmptyAll());
}
