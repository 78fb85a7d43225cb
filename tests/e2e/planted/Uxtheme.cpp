// A library that carries a system library's name, planted beside a program to
// check that the program never loads it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
