#pragma once
// Orbelune.exe started for a scenario, with its main window found by title.
#include "Driver.h"

namespace e2e {

struct Running {
    Process process;
    HWND window = nullptr;
};

inline Running StartOrbelune(const std::string& workingDirectory = "") {
    Running running;
    running.process = Process::Start(Env("ORBELUNE_EXE"), "", workingDirectory);
    if (running.process) {
        running.window = FindTopWindow(running.process.Id(), "Orbelune");
    }
    return running;
}

} // namespace e2e
