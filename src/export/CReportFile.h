#pragma once
// "Save Report as...": asks for a file name while the main window is hidden,
// writes the text report on the listed drives and offers to open it.
#include "base/ShellLauncher.h"
#include "drives/CDriveView.h"
#include "framework/Window.h"

#include <string>
#include <vector>

class CReportFile {
  public:
    CReportFile(fw::Window& owner, drives::CDriveView& view, base::ShellLauncher& launcher) noexcept
        : owner(owner), view(view), launcher(launcher) {}

    // The whole command: file dialog, replace question, writing, open question.
    void Save();
    // Writes the report to `path`, tells the user when it could not be written,
    // and asks whether to open it.
    void Write(const std::string& path);

    // Writes the report on the listed drives, with the totals given, to `path`
    // as a whole: into a file beside it that then takes its place, so that a
    // failure leaves no half-written report. True when it was written.
    static bool WriteReport(const drives::DriveInventory& inventory,
                            const std::vector<std::string>& roots,
                            const drives::FixedDriveTotals& totals, const std::string& path);

    // The computer's and the user's names, or "??" and "Not find".
    static std::string ComputerNameText();
    static std::string UserNameText();

    const std::string& ReportPath() const noexcept { return reportPath; }

  private:
    fw::Window& owner;
    drives::CDriveView& view;
    base::ShellLauncher& launcher;
    std::string reportPath;
};
