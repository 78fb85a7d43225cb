#include "framework/Application.h"

#include "framework/Text.h"
#include "framework/Window.h"

namespace fw {
namespace {

Application* theApplication = nullptr;

} // namespace

std::string ModuleBaseName() {
    std::string name = ModuleFileName();
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

Application::Application() noexcept
    : instance(GetModuleHandleA(nullptr)), appName(ModuleBaseName()) {
    theApplication = this;
}

Application::~Application() {
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

int Application::Run() {
    InitInstance();
    return exitCode;
}

HICON Application::LoadIcon(UINT id) const noexcept {
    return ::LoadIconA(instance, MAKEINTRESOURCEA(id));
}

Application* App() noexcept {
    return theApplication;
}

HINSTANCE ResourceInstance() noexcept {
    return GetModuleHandleA(nullptr);
}

std::string AppName() {
    return theApplication != nullptr ? theApplication->GetAppName() : ModuleBaseName();
}

HWND MainWindowHandle() noexcept {
    if (theApplication == nullptr || theApplication->mainWindow == nullptr) {
        return nullptr;
    }
    return theApplication->mainWindow->GetHwnd();
}

int AppMessageBox(const std::string& text, UINT type) {
    HWND owner = GetActiveWindow();
    if (owner == nullptr) {
        owner = MainWindowHandle();
    }
    return MessageBoxA(owner, text.c_str(), AppName().c_str(), type);
}

bool MayReplaceFile(HWND owner, const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return true;
    }
    const std::string question = path + " already exists.\nDo you want to replace it?";
    return MessageBoxA(owner, question.c_str(), "Confirm Save As",
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

} // namespace fw
