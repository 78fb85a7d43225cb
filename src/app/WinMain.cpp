#include "app/CMainApp.h"
#include "framework/Dpi.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // ---- The DLL search path is set here, first of all, before anything loads a library. ----

    // Before the first window: the program scales itself to each monitor's DPI.
    fw::DeclareDpiAwareness();

    CMainApp application;
    return application.Run();
}
