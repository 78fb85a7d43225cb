cmake_minimum_required(VERSION 3.21)
# Fails when an executable imports a library that is not one of the system's
# known DLLs: those are always loaded from the system folder, so no copy placed
# beside the program can stand in for them. Everything else is loaded at run
# time from the system folder. Fails too when the executable is not marked
# terminal-server aware, or does not carry exactly one application manifest.
#   cmake -DOBJDUMP=... -DEXECUTABLE=... -P CheckExecutable.cmake
set(allowed kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll comdlg32.dll
    shlwapi.dll msvcrt.dll)
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read the imports of ${EXECUTABLE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
set(unexpected)
foreach(line IN LISTS lines)
    string(REPLACE "DLL Name: " "" name "${line}")
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST allowed)
        list(APPEND unexpected ${name})
    endif()
endforeach()
if(unexpected)
    message(FATAL_ERROR "${EXECUTABLE} imports ${unexpected}; only the system's known DLLs may be "
                        "imported (${allowed}); load others with fw::LoadSystemLibrary")
endif()
if(NOT dump MATCHES "TERMINAL_SERVICE_AWARE")
    message(FATAL_ERROR "${EXECUTABLE} is not marked terminal-server aware (link with --tsaware)")
endif()
# The resource type RT_MANIFEST (24) with one entry under it.
if(NOT dump MATCHES "Entry: ID: 0x000018, Value: 0x[0-9a-f]+\n[^\n]*Name Table: [^\n]*IDs: 1\n")
    message(FATAL_ERROR "${EXECUTABLE} does not carry exactly one application manifest")
endif()
