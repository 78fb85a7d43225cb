#include <windows.h>
#include "resource.h"

#include <gtest/gtest.h>

TEST(Resources, MainDialogTemplateIsLinked) {
    EXPECT_NE(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), RT_DIALOG), nullptr);
}
