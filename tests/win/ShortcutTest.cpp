#include "base/Format.h"
#include "commands/CShortcut.h"

#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

namespace {

struct LinkContents {
    bool loaded = false;
    std::string path;
    std::string description;
    std::string arguments;
};

LinkContents ReadLink(const std::string& file) {
    LinkContents contents;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return contents;
    }
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(persist->Load(wide, STGM_READ))) {
            char text[MAX_PATH] = {};
            link->GetPath(text, MAX_PATH, nullptr, 0);
            contents.path = text;
            link->GetDescription(text, MAX_PATH);
            contents.description = text;
            link->GetArguments(text, MAX_PATH);
            contents.arguments = text;
            contents.loaded = true;
        }
        persist->Release();
    }
    link->Release();
    return contents;
}

std::string DesktopPath() {
    std::string path;
    EXPECT_TRUE(CShortcut::GetSpecialFolderPath(CSIDL_DESKTOP, path));
    return path;
}

} // namespace

TEST(Shortcut, DesktopPathEndsInABackslash) {
    const std::string path = DesktopPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), '\\');
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Shortcut, WritesALinkToTheDriveRootWithItsDescription) {
    const std::string file = DesktopPath() + "Orbelune Test Link.lnk";
    DeleteFileA(file.c_str());
    CShortcut shortcut;
    EXPECT_EQ(shortcut.CreateShortcut("C:\\", "Orbelune Test Link", CSIDL_DESKTOP,
                                      "Shortcut created on 12/06/26 08:05:09", "", 0),
              1);
    const LinkContents contents = ReadLink(file);
    ASSERT_TRUE(contents.loaded);
    EXPECT_EQ(contents.path, "C:\\");
    EXPECT_EQ(contents.description, "Shortcut created on 12/06/26 08:05:09");
    EXPECT_EQ(contents.arguments, "");
    DeleteFileA(file.c_str());
}

TEST(Shortcut, ThisStandsForTheProgramAndArgumentsAreStored) {
    const std::string file = DesktopPath() + "Orbelune Test Self.lnk";
    CShortcut shortcut;
    shortcut.arguments = "/quiet";
    ASSERT_EQ(shortcut.CreateShortcut("_this", "Orbelune Test Self", CSIDL_DESKTOP, "", "", 0), 1);
    const LinkContents contents = ReadLink(file);
    EXPECT_TRUE(base::EndsWithNoCase(contents.path, "\\win_tests.exe")) << contents.path;
    EXPECT_EQ(contents.arguments, "/quiet");
    DeleteFileA(file.c_str());
}

TEST(Shortcut, AnUnknownFolderWritesNothing) {
    CShortcut shortcut;
    EXPECT_EQ(shortcut.CreateShortcut("C:\\", "x", 0x7FFF, "", "", 0), 0);
}
