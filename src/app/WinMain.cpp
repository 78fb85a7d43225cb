#include "app/CMainApp.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CMainApp application;
    return application.Run();
}
