#include "app/CMainApp.h"
#include "framework/SystemLibrary.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything loads a library: none is ever taken from the program's folder.
    fw::RestrictLibrarySearchToSystem();
    CMainApp application;
    return application.Run();
}
