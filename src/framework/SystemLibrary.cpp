#include "framework/SystemLibrary.h"

#include "framework/Handles.h"

#include <cstring>
#include <map>
#include <string>

namespace fw {

void RestrictLibrarySearchToSystem() noexcept {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDirectories != nullptr) {
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

HMODULE LoadSystemLibrary(const char* name) noexcept {
    HMODULE library = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) {
        return library;
    }
    // A system without the search flags: the full path says where to look.
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length + 1 + std::strlen(name) >= MAX_PATH) {
        return nullptr;
    }
    const std::string path = std::string(folder, length) + "\\" + name;
    return LoadLibraryA(path.c_str());
}

FARPROC SystemProcedure(const char* library, const char* name) noexcept {
    // One user-interface thread asks; the libraries are freed when the program ends.
    static std::map<std::string, Library> loaded;
    try {
        Library& entry = loaded[library];
        if (!entry) {
            entry.Reset(LoadSystemLibrary(library));
        }
        return entry ? GetProcAddress(entry.Get(), name) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

} // namespace fw
