#include "framework/Application.h"

namespace fw {

HINSTANCE ResourceInstance() {
    return GetModuleHandleA(nullptr);
}

} // namespace fw
