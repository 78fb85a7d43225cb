// The Win32 tests. Started with "--planted-check" or "--planted-bare" from a
// copy beside a planted UXTHEME.DLL, the program only loads that library (as
// the program does, or with a plain LoadLibraryA) and tells by its exit code
// where it came from: 2 from beside the program, 0 from the system, 1 nowhere.
#include "framework/SystemLibrary.h"

#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc == 2 && std::strncmp(argv[1], "--planted-", 10) == 0) {
        const auto folderOf = [](HMODULE module) {
            char path[MAX_PATH] = {};
            GetModuleFileNameA(module, path, MAX_PATH);
            return std::string(path, std::strrchr(path, '\\'));
        };
        const bool asTheProgramDoes = std::strcmp(argv[1], "--planted-check") == 0;
        if (asTheProgramDoes)
            fw::RestrictLibrarySearchToSystem();
        HMODULE library =
            asTheProgramDoes ? fw::LoadSystemLibrary("UXTHEME.DLL") : LoadLibraryA("UXTHEME.DLL");
        if (library == nullptr)
            return 1;
        return folderOf(library) == folderOf(nullptr) ? 2 : 0;
    }
    using InitFunction = void(WINAPI*)();
    fw::SystemFunction<InitFunction>("comctl32.dll", "InitCommonControls")();
    OleInitialize(nullptr);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
