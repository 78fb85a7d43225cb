#include "framework/SystemLibrary.h"

#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string FolderOf(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.find_last_of('\\'));
}

// Run from a copy of this program with a planted UXTHEME.DLL beside it: the
// exit code says whether the library was loaded from beside the program (2)
// or from the system (0). "--planted-check" loads it as the program does,
// "--planted-bare" with a plain LoadLibraryA.
int PlantedCheck(bool asTheProgramDoes) {
    HMODULE library = nullptr;
    if (asTheProgramDoes) {
        fw::RestrictLibrarySearchToSystem();
        library = fw::LoadSystemLibrary("UXTHEME.DLL");
    } else {
        library = LoadLibraryA("UXTHEME.DLL");
    }
    if (library == nullptr) {
        return 1;
    }
    return FolderOf(library) == FolderOf(nullptr) ? 2 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strncmp(argv[1], "--planted-", 10) == 0) {
        return PlantedCheck(std::strcmp(argv[1], "--planted-check") == 0);
    }
    using InitFunction = void(WINAPI*)();
    fw::SystemFunction<InitFunction>("comctl32.dll", "InitCommonControls")();
    OleInitialize(nullptr);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
