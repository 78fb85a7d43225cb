// Runs the real main window and measures it from inside, where the platform's
// process start-up cannot blur the figures:
//
//   refresh_bench refresh BLOCKS   cost of one refresh (ShowSelectedDrive), with
//                                  and without the repaint it causes, next to
//                                  the volume queries a refresh must make
//   refresh_bench startup          the start-up of the main window step by step:
//                                  milliseconds from one step's end to the next
//   refresh_bench steady [R M P]   memory and GDI/USER objects before and after
//                                  R refreshes (10,000), M context menus opened
//                                  and closed (1,000), P repaints of the bars (1,000);
//                                  as baselines, M plain menus of the same shape
//                                  and M times 20 icons loaded and destroyed
//
// Output lines start with "refresh", "span" or "steady" and are read by scripts/bench.
#include "BenchClock.h"
#include "ProcessResources.h"

#include "app/CMainDialog.h"
#include "framework/Application.h"
#include "framework/SystemLibrary.h"
#include "resource.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int CallsPerBlock = 10;

// Milliseconds between the ends of consecutive steps.
class Spans {
  public:
    Spans() : last(bench::NowMs()) {}
    void Mark(const std::string& step) {
        const double now = bench::NowMs();
        steps.emplace_back(step, now - last);
        last = now;
    }
    void Print() const {
        for (const auto& step : steps) {
            std::printf("span %.3f %s\n", step.second, step.first.c_str());
        }
    }

  private:
    double last;
    std::vector<std::pair<std::string, double>> steps;
};
const int BarIds[] = {IDC_FREE_BAR, IDC_USED_BAR, IDC_TOTAL_USED_BAR, IDC_TOTAL_FREE_BAR};

// The selected drive's volume query, as every refresh makes it.
void SelectedVolumeQuery(const std::string& selectedRoot) {
    char volumeName[256];
    char fileSystemName[256];
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD flags = 0;
    GetVolumeInformationA(selectedRoot.c_str(), volumeName, sizeof volumeName, &serial,
                          &maxComponent, &flags, fileSystemName, sizeof fileSystemName);
}

// The least a refresh must ask the system: which letters exist, the type of
// each, the space of each fixed drive and the selected drive's volume.
void MinimalRefreshQueries(const std::string& selectedRoot) {
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    ULARGE_INTEGER free;
    const DWORD letters = GetLogicalDrives();
    for (std::size_t i = 0; i < drives::DriveRootTable.size(); ++i) {
        const char* root = drives::DriveRootTable[i];
        if ((letters & (1u << (i + 2))) != 0 && GetDriveTypeA(root) == DRIVE_FIXED) {
            GetDiskFreeSpaceExA(root, &available, &total, &free);
        }
    }
    SelectedVolumeQuery(selectedRoot);
}

// What a refresh asked before it took one snapshot: three passes over all
// roots for the totals, then the selected drive's space and volume.
void ThreePassRefreshQueries(const std::string& selectedRoot) {
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    ULARGE_INTEGER free;
    for (int pass = 0; pass < 3; ++pass) {
        for (const char* root : drives::DriveRootTable) {
            if (GetDriveTypeA(root) == DRIVE_FIXED) {
                GetDiskFreeSpaceExA(root, &available, &total, &free);
            }
        }
    }
    GetDiskFreeSpaceExA(selectedRoot.c_str(), &available, &total, &free);
    SelectedVolumeQuery(selectedRoot);
}

// One pass of the type query over all roots; the fixed roots are collected.
void DriveTypePass(std::vector<std::string>& fixedRoots) {
    fixedRoots.clear();
    for (const char* root : drives::DriveRootTable) {
        if (GetDriveTypeA(root) == DRIVE_FIXED) {
            fixedRoots.push_back(root);
        }
    }
}

void FreeSpacePass(const std::vector<std::string>& fixedRoots) {
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    ULARGE_INTEGER free;
    for (const std::string& root : fixedRoots) {
        GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free);
    }
}

// Milliseconds per repetition of an action, median over the blocks.
template <typename Action> double MedianPerCall(int blocks, Action action) {
    std::vector<double> times;
    for (int block = 0; block < blocks; ++block) {
        const double start = bench::NowMs();
        for (int i = 0; i < CallsPerBlock; ++i) {
            action();
        }
        times.push_back((bench::NowMs() - start) / CallsPerBlock);
    }
    return bench::Median(times);
}

// Measures the running main window from inside its modal loop, through the
// window's hook for code that runs once it is initialised.
class Bench {
  public:
    Bench(CMainDialog& mainDialog, std::string benchMode, std::vector<int> blockCounts,
          double startedMs, Spans& startupSpans)
        : dialog(mainDialog), mode(std::move(benchMode)), counts(std::move(blockCounts)),
          startMs(startedMs), spans(startupSpans) {
        dialog.afterInitDialog = [this](CMainDialog&) { Run(); };
        dialog.startupStepDone = [this](const char* step) { spans.Mark(step); };
    }

  private:
    void Run() {
        initDialogMs = bench::NowMs() - startMs;
        spans.Mark("until the modal loop runs");
        UpdateNow();
        spans.Mark("first paint");
        if (mode == "startup") {
            spans.Print();
            std::printf("repaint whole-window %.3f\n", MedianPerCall(5, [this] {
                            RedrawWindow(GetHwnd(), nullptr, nullptr,
                                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW |
                                             RDW_ALLCHILDREN);
                        }));
        } else if (mode == "refresh") {
            MeasureRefresh();
        } else {
            MeasureSteadiness();
        }
        dialog.EndDialog(IDOK);
    }

    HWND GetHwnd() const { return dialog.GetHwnd(); }
    HWND GetDlgItem(int id) const { return dialog.GetDlgItem(id); }

    void UpdateNow() { RedrawWindow(GetHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

    void Refresh() { dialog.ShowSelectedDrive(); }
    void RefreshAndPaint() {
        dialog.ShowSelectedDrive();
        UpdateNow();
    }
    void MinimalQueries() { MinimalRefreshQueries(selectedRoot); }
    void ThreePassQueries() { ThreePassRefreshQueries(selectedRoot); }

    // Milliseconds per call of one block of calls.
    template <void (Bench::*Action)()> double TimeBlock() {
        const double start = bench::NowMs();
        for (int i = 0; i < CallsPerBlock; ++i) {
            (this->*Action)();
        }
        return (bench::NowMs() - start) / CallsPerBlock;
    }

    void MeasureRefresh() {
        selectedRoot = dialog.SelectedDriveRoot();
        std::vector<double> minimal;
        std::vector<double> threePass;
        std::vector<double> refresh;
        std::vector<double> refreshPainted;
        TimeBlock<&Bench::RefreshAndPaint>(); // warm-up
        for (int block = 0; block < counts[0]; ++block) {
            minimal.push_back(TimeBlock<&Bench::MinimalQueries>());
            threePass.push_back(TimeBlock<&Bench::ThreePassQueries>());
            refresh.push_back(TimeBlock<&Bench::Refresh>());
            refreshPainted.push_back(TimeBlock<&Bench::RefreshAndPaint>());
        }
        const LRESULT drives = SendMessageA(GetDlgItem(IDC_DRIVE_COMBO), CB_GETCOUNT, 0, 0);
        std::printf("refresh drives %d\n", static_cast<int>(drives));
        std::printf("refresh init-dialog %.4f\n", initDialogMs);
        std::printf("refresh minimal-queries %.4f\n", bench::Median(minimal));
        std::printf("refresh three-pass-queries %.4f\n", bench::Median(threePass));
        std::printf("refresh show-selected-drive %.4f\n", bench::Median(refresh));
        std::printf("refresh show-selected-drive-and-paint %.4f\n", bench::Median(refreshPainted));
        // Where the time of the queries goes.
        std::vector<std::string> fixedRoots;
        std::printf("refresh type-pass-24-roots %.4f\n",
                    MedianPerCall(counts[0], [&] { DriveTypePass(fixedRoots); }));
        std::printf("refresh free-space-pass-%d-roots %.4f\n", static_cast<int>(fixedRoots.size()),
                    MedianPerCall(counts[0], [&] { FreeSpacePass(fixedRoots); }));
        std::printf("refresh drive-type-of-fixed-root %.4f\n",
                    MedianPerCall(counts[0], [&] { GetDriveTypeA(selectedRoot.c_str()); }));
        std::printf("refresh set-texts-unchanged %.4f\n",
                    MedianPerCall(counts[0], [&] { SetTextsAgain(); }));
        std::printf("refresh set-bars-unchanged %.4f\n",
                    MedianPerCall(counts[0], [&] { SetBarsAgain(); }));
        std::printf("refresh drive-type-of-unused-letter %.4f\n",
                    MedianPerCall(counts[0], [] { GetDriveTypeA("Y:\\"); }));
    }

    // The labels and captions a refresh writes, written again with their own text.
    void SetTextsAgain() {
        static const int ids[] = {IDC_VOLUME_NAME,
                                  IDC_CAPACITY,
                                  IDC_USED,
                                  IDC_FREE,
                                  IDC_SERIAL,
                                  IDC_FILE_SYSTEM,
                                  IDC_MAX_NAME_LENGTH,
                                  IDC_DRIVE_GROUP,
                                  IDC_DRIVE_COUNT,
                                  IDC_TOTAL_CAPACITY,
                                  IDC_TOTAL_USED,
                                  IDC_TOTAL_FREE,
                                  IDC_SYSTEM_DRIVE};
        for (int id : ids) {
            SetDlgItemTextA(GetHwnd(), id, GetDlgItemTextString(id).c_str());
        }
    }

    // The four bars set again to the positions they show.
    void SetBarsAgain() {
        for (int id : BarIds) {
            HWND bar = GetDlgItem(id);
            SendMessageA(bar, PBM_SETPOS, SendMessageA(bar, PBM_GETPOS, 0, 0), 0);
        }
    }

    void OpenAndCloseContextMenu() {
        RECT window;
        GetWindowRect(GetHwnd(), &window);
        // The menu's own loop takes the posted cancel as the sign to close.
        PostMessageA(GetHwnd(), WM_CANCELMODE, 0, 0);
        SendMessageA(GetHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetHwnd()),
                     MAKELPARAM(window.left + 40, window.top + 60));
        MSG message;
        while (PeekMessageA(&message, GetHwnd(), WM_CANCELMODE, WM_CANCELMODE, PM_REMOVE)) {
        }
    }

    // The platform's own menu of the same shape (a top level with a submenu
    // of fifteen items), plain strings, tracked and closed the same way: what
    // the platform itself keeps per menu shown.
    void OpenAndClosePlainMenu() {
        HMENU top = CreatePopupMenu();
        HMENU options = CreatePopupMenu();
        for (int i = 0; i < 15; ++i) {
            AppendMenuA(options, MF_STRING, ID_REFRESH, "Copy to clipboard infos on C:\\   (F3)");
        }
        AppendMenuA(top, MF_POPUP, reinterpret_cast<UINT_PTR>(options), "Options");
        for (int i = 0; i < 3; ++i) {
            AppendMenuA(top, MF_STRING, ID_ABOUT, "About...");
        }
        RECT window;
        GetWindowRect(GetHwnd(), &window);
        PostMessageA(GetHwnd(), WM_CANCELMODE, 0, 0);
        TrackPopupMenu(top, 0, window.left + 40, window.top + 60, 0, GetHwnd(), nullptr);
        MSG message;
        while (PeekMessageA(&message, GetHwnd(), WM_CANCELMODE, WM_CANCELMODE, PM_REMOVE)) {
        }
        DestroyMenu(top);
    }

    // The program's menu icons loaded and destroyed as one opening of the
    // context menu does: what the platform keeps per icon.
    void LoadAndDestroyIcons() {
        for (int i = 0; i < 20; ++i) {
            HICON icon =
                static_cast<HICON>(LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDI_ABOUT),
                                              IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
            DestroyIcon(icon);
        }
    }

    void RepaintBars() {
        for (int id : BarIds) {
            RedrawWindow(GetDlgItem(id), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    }

    template <void (Bench::*Action)()>
    void Stage(const char* name, int count, bench::ResourceSnapshot& previous) {
        const double start = bench::NowMs();
        for (int i = 0; i < count; ++i) {
            (this->*Action)();
        }
        const double elapsed = bench::NowMs() - start;
        UpdateNow();
        const bench::ResourceSnapshot now = bench::TakeSnapshot();
        std::printf("steady %s count %d %.0f-ms\n", name, count, elapsed);
        std::printf("%s", bench::CompareSnapshots(name, previous, now).c_str());
        previous = now;
    }

    void MeasureSteadiness() {
        // Warm-up: what is created once on first use is not growth.
        for (int i = 0; i < 100; ++i) {
            RefreshAndPaint();
            OpenAndCloseContextMenu();
            OpenAndClosePlainMenu();
            RepaintBars();
        }
        UpdateNow();
        bench::TakeSnapshot();
        const bench::ResourceSnapshot start = bench::TakeSnapshot();
        bench::ResourceSnapshot previous = start;
        Stage<&Bench::RefreshAndPaint>("refreshes", counts[0], previous);
        Stage<&Bench::OpenAndClosePlainMenu>("plain-menus", counts[1], previous);
        Stage<&Bench::LoadAndDestroyIcons>("icon-loads", counts[1], previous);
        Stage<&Bench::OpenAndCloseContextMenu>("context-menus", counts[1], previous);
        Stage<&Bench::RepaintBars>("bar-repaints", counts[2], previous);
        std::printf("%s", bench::CompareSnapshots("all", start, previous).c_str());
        std::printf("steady menu-objects-alive %d\n", fw::Menu::LiveCount());
        std::printf("steady texts-after %s | %s\n", GetDlgItemTextString(IDC_DRIVE_COUNT).c_str(),
                    GetDlgItemTextString(IDC_VOLUME_NAME).c_str());
    }

    std::string GetDlgItemTextString(int id) {
        char text[512] = "";
        GetDlgItemTextA(GetHwnd(), id, text, sizeof text);
        return text;
    }

    CMainDialog& dialog;
    std::string mode;
    std::vector<int> counts;
    double startMs;
    Spans& spans;
    double initDialogMs = 0.0;
    std::string selectedRoot;
};

class BenchApp : public fw::Application {
  public:
    BenchApp(std::string mode, std::vector<int> counts)
        : mode(std::move(mode)), counts(std::move(counts)) {}

    bool InitInstance() override {
        Spans spans;
        using InitFunction = void(WINAPI*)();
        fw::SystemFunction<InitFunction>("comctl32.dll", "InitCommonControls")();
        spans.Mark("common controls");
        if (FAILED(OleInitialize(nullptr))) {
            return false;
        }
        spans.Mark("OLE");
        {
            const double start = bench::NowMs();
            CMainDialog dialog;
            Bench bench(dialog, mode, counts, start, spans);
            mainWindow = &dialog;
            dialog.DoModal();
            mainWindow = nullptr;
        }
        OleUninitialize();
        return false;
    }

  private:
    std::string mode;
    std::vector<int> counts;
};

} // namespace

int main(int argc, char** argv) {
    fw::RestrictLibrarySearchToSystem();
    const std::string mode = argc > 1 ? argv[1] : "refresh";
    if (mode != "refresh" && mode != "steady" && mode != "startup") {
        std::fprintf(stderr, "usage: refresh_bench refresh [BLOCKS] | startup | steady [R M P]\n");
        return 2;
    }
    // refresh: the number of blocks; steady: refreshes, menus, repaints.
    std::vector<int> counts =
        mode == "refresh" ? std::vector<int>{30} : std::vector<int>{10000, 1000, 1000};
    for (std::size_t i = 0; i < counts.size() && static_cast<int>(i) + 2 < argc; ++i) {
        counts[i] = std::max(1, std::atoi(argv[i + 2]));
    }
    BenchApp application(mode, counts);
    application.Run();
    std::fflush(stdout);
    return 0;
}
