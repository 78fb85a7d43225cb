#pragma once
#include <windows.h>

namespace fw {

// The program's module instance, used to load resources.
HINSTANCE ResourceInstance();

} // namespace fw
