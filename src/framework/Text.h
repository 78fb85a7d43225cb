#pragma once
// Texts between the program, which keeps them 8-bit in the process's code page
// (UTF-8 where the system honours the program's manifest), and the parts of
// the system that want UTF-16 or UTF-8 whatever that code page is.
#include <windows.h>

#include <string>
#include <vector>

namespace fw {

// The text in UTF-16 (converted from the process's code page).
std::wstring Widen(const std::string& text);
// The text in UTF-8 (converted from the process's code page unless that is UTF-8).
std::string ToUtf8(const std::string& text);

// The arguments of the program's command line after its name, in the
// process's code page, split as the system splits them (quotes group,
// backslashes escape only quotes).
std::vector<std::string> CommandLineArguments();

// The program file's full path, however long.
std::string ModuleFileName();

// Room for a path of MAX_PATH characters in UTF-8, each of up to four bytes.
constexpr DWORD PathBufferSize = 4 * MAX_PATH;

} // namespace fw
