// A library with a system library's name beside the program is never loaded:
// a copy of this test program runs next to a planted UXTHEME.DLL.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

DWORD RunCopy(const std::string& program, const std::string& argument) {
    std::string commandLine = "\"" + program + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return 99;
    }
    DWORD code = 98;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 97);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

} // namespace

TEST(SystemLibrary, APlantedCopyBesideTheProgramIsNeverLoaded) {
    const std::string own = OwnPath();
    const std::string built = own.substr(0, own.find_last_of('\\'));
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    const std::string folder =
        std::string(current) + "\\planted-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string copy = folder + "\\win_tests.exe";
    ASSERT_TRUE(CopyFileA(own.c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((built + "\\planted\\UXTHEME.DLL").c_str(),
                          (folder + "\\UXTHEME.DLL").c_str(), FALSE));

    EXPECT_EQ(RunCopy(copy, "--planted-bare"), 2u) << "a plain load takes the planted copy";
    EXPECT_EQ(RunCopy(copy, "--planted-check"), 0u);

    DeleteFileA(copy.c_str());
    DeleteFileA((folder + "\\UXTHEME.DLL").c_str());
    RemoveDirectoryA(folder.c_str());
}
