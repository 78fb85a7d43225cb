#pragma once
// What the command line asks of the program: its window, a report written
// without one, or the usage. Nothing else is accepted, so that a script that
// mistypes an option is told by the exit code instead of waiting on a window.
#include <string>
#include <vector>

namespace app {

enum class Request { ShowWindow, WriteReport, ShowUsage, Refuse };

struct Invocation {
    Request request = Request::ShowWindow;
    std::string reportPath; // the file of WriteReport
};

// The arguments after the program's name. An option begins with "/" or "-"
// and is read in any case: "/report FILE", "/?".
Invocation ParseArguments(const std::vector<std::string>& arguments);

// Exit codes of the command line, beside the framework's.
constexpr int ExitReportNotWritten = 1;
constexpr int ExitBadCommandLine = 2;

constexpr const char* UsageText = "Orbelune shows the fixed drives of this computer.\n\n"
                                  "Orbelune.exe /report FILE\n"
                                  "    writes the drive report to FILE and ends,\n"
                                  "    showing nothing: exit code 0 when written,\n"
                                  "    1 when not.\n"
                                  "Orbelune.exe /?\n"
                                  "    shows this.\n\n"
                                  "Any other argument ends it with exit code 2.";

} // namespace app
