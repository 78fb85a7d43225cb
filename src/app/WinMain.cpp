#include "app/CMainApp.h"
#include "framework/Dpi.h"
#include "framework/SystemLibrary.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything loads a library: none is ever taken from the program's folder.
    fw::RestrictLibrarySearchToSystem();
    // Before the first window: the program scales itself to each monitor's DPI.
    fw::DeclareDpiAwareness();
    CMainApp application;
    return application.Run();
}
