#pragma once
// The application object: one per program. It knows the program's module, its
// name (the program file's base name), its main window, and shows message
// boxes under that name.
#include <windows.h>

#include <string>

namespace fw {

class Window;

// The process's exit codes.
constexpr int ExitOk = 0;
constexpr int ExitInternalError = 3; // an exception reached a window procedure
constexpr int ExitCannotStart = 4;   // a system service the program needs is missing

class Application {
  public:
    Application() noexcept;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    virtual ~Application();

    // Runs InitInstance and returns the process exit code it left in exitCode.
    int Run();
    virtual bool InitInstance() = 0;

    HINSTANCE GetInstance() const noexcept { return instance; }
    const std::string& GetAppName() const noexcept { return appName; }
    HICON LoadIcon(UINT id) const noexcept;

    Window* mainWindow = nullptr;

  protected:
    int exitCode = ExitOk;

  private:
    HINSTANCE instance;
    std::string appName;
};

// The program's application object (null before it is constructed).
Application* App() noexcept;
// The program's module instance, used to load resources.
HINSTANCE ResourceInstance() noexcept;
// The application name, "Orbelune" for Orbelune.exe.
std::string AppName();
// The main window's handle, or null.
HWND MainWindowHandle() noexcept;
// Base name of the program file without folder and extension.
std::string ModuleBaseName();

// A message box captioned with the application name, owned by the active
// window of the program (or the main window).
int AppMessageBox(const std::string& text, UINT type);

// True when no file is at `path`, or the user agreed to replace it.
bool MayReplaceFile(HWND owner, const std::string& path);

} // namespace fw
