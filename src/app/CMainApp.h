#pragma once
// The application object: initialises the platform services and runs the main
// window modally; the program's whole life is that modal loop.
#include "framework/Application.h"

#include <string>

class CMainApp : public fw::Application {
  public:
    // The main window, or what the command line asks for instead.
    bool InitInstance() override;

  private:
    // The report on all fixed drives to `path`, with no window; the exit code.
    static int WriteReport(const std::string& path);
};
