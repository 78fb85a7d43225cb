#pragma once
// Links an object to the next window created on this thread, from inside its
// creation, so that the object sees WM_NCCREATE, WM_CREATE and WM_INITDIALOG.
// Dialogs use it for themselves; the input box uses it to take over the
// message box it asks the system for.
#include "framework/Window.h"

namespace fw {

// `className`, when given, restricts the hook to windows of that class
// ("#32770" for dialogs and message boxes); other windows are let through.
bool HookNextWindowCreate(Window& window, const char* className = nullptr) noexcept;
// Disarms the hook if it has not fired yet.
void UnhookWindowCreate() noexcept;
bool IsWindowCreateHooked() noexcept;

} // namespace fw
