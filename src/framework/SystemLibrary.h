#pragma once
// System libraries loaded at run time, from the system folder only: a library
// of the same name beside the program (say, in a downloads folder) is never
// picked up. Libraries that only some commands need are loaded at their first
// use and stay loaded for the rest of the run.
#include <windows.h>

namespace fw {

// Makes the system folder the only place where the process looks for the
// libraries it loads, those that libraries load included. Called first thing;
// does nothing where the system cannot do it.
void RestrictLibrarySearchToSystem() noexcept;

// A new reference to a system library, or null. Where the system folder cannot
// be named as the only place to look, the library is loaded by its full path
// under the system folder.
HMODULE LoadSystemLibrary(const char* name) noexcept;

// A function of a system library, or null; the library stays loaded.
FARPROC SystemProcedure(const char* library, const char* name) noexcept;

template <typename Function>
Function SystemFunction(const char* library, const char* name) noexcept {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure(library, name)));
}

} // namespace fw
