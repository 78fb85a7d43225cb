// Start-up time of dialog programs, measured from outside: from CreateProcess
// to the main dialog shown and fully drawn. "Shown": a visible top-level
// dialog of the process. "Drawn": besides, the volume name (control 1001) and
// the summary's free text (1013) have their texts, the program answers a sent
// message (its initialisation is over) and neither the dialog nor any of its
// controls has anything left to paint.
//
//   startup_bench RUNS LABEL PROGRAM [LABEL PROGRAM]...
//
// PROGRAM is the program's path, optionally followed by a blank and arguments.
// The programs are started in turn, interleaved, one warm-up start each first,
// and each is closed (WM_CLOSE) before the next starts. Output: "startup LABEL
// run N SHOWN_MS DRAWN_MS" per start and "startup LABEL median SHOWN_MS DRAWN_MS".
#include "BenchClock.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int ReadinessTexts[] = {1001, 1013};

struct Program {
    std::string label;
    std::string path;
    std::vector<double> shown;
    std::vector<double> drawn;
};

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search.processId && IsWindowVisible(window) &&
        std::string(className) == "#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleDialogOf(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindDirtyChild(HWND child, LPARAM data) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(data) = true;
        return FALSE;
    }
    return TRUE;
}

bool NothingLeftToPaint(HWND dialog) {
    bool dirty = GetUpdateRect(dialog, nullptr, FALSE) != FALSE;
    if (!dirty) {
        EnumChildWindows(dialog, FindDirtyChild, reinterpret_cast<LPARAM>(&dirty));
    }
    return !dirty;
}

bool Answers(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
             DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                               result != nullptr ? result : &ignored) != 0;
}

bool IsDrawn(HWND dialog) {
    for (int textId : ReadinessTexts) {
        DWORD_PTR length = 0;
        HWND control = GetDlgItem(dialog, textId);
        if (control == nullptr || !Answers(control, WM_GETTEXTLENGTH, 0, 0, &length) ||
            length == 0) {
            return false;
        }
    }
    return Answers(dialog, WM_NULL) && NothingLeftToPaint(dialog);
}

// One start: false when the program did not show its window in time.
bool MeasureOnce(const Program& program, double& shownMs, double& drawnMs) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const std::size_t blank = program.path.find(' ');
    const std::string path = program.path.substr(0, blank);
    std::string commandLine = "\"" + path + "\"";
    if (blank != std::string::npos) {
        commandLine += program.path.substr(blank);
    }
    const double start = bench::NowMs();
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.path.c_str(), GetLastError());
        return false;
    }
    HWND dialog = nullptr;
    shownMs = drawnMs = -1.0;
    while (bench::NowMs() - start < 30000.0) {
        if (dialog == nullptr) {
            dialog = VisibleDialogOf(info.dwProcessId);
            if (dialog != nullptr) {
                shownMs = bench::NowMs() - start;
            }
        }
        if (dialog != nullptr && IsDrawn(dialog)) {
            drawnMs = bench::NowMs() - start;
            break;
        }
        Sleep(1);
    }
    if (dialog != nullptr) {
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return drawnMs >= 0.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: startup_bench RUNS LABEL PROGRAM [LABEL PROGRAM]...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i + 1 < argc; i += 2) {
        programs.push_back(Program{argv[i], argv[i + 1], {}, {}});
    }
    int failures = 0;
    for (int run = 0; run <= runs; ++run) {
        for (Program& program : programs) {
            double shown = 0.0;
            double drawn = 0.0;
            if (!MeasureOnce(program, shown, drawn)) {
                ++failures;
                continue;
            }
            if (run == 0) {
                continue; // warm-up: loads the files into the cache
            }
            program.shown.push_back(shown);
            program.drawn.push_back(drawn);
            std::printf("startup %s run %d %.2f %.2f\n", program.label.c_str(), run, shown, drawn);
            std::fflush(stdout);
        }
    }
    for (const Program& program : programs) {
        std::printf("startup %s median %.2f %.2f\n", program.label.c_str(),
                    bench::Median(program.shown), bench::Median(program.drawn));
    }
    return failures == 0 ? 0 : 1;
}
