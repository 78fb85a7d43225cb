// The Win32 tests, run with the common controls and OLE as the program has them.
#include "framework/SystemLibrary.h"
#include "framework/SystemScopes.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    using InitFunction = void(WINAPI*)();
    fw::SystemFunction<InitFunction>("comctl32.dll", "InitCommonControls")();
    const fw::OleInitialization ole;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
