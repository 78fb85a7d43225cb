#pragma once
// The frame of a save command: one at a time, the owner window hidden while
// the command asks for its file and shown again when the command ends, and
// the system's save dialog.
#include "export/SaveCommandScope.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

class CSaveCommand {
  public:
    explicit CSaveCommand(HWND owner) noexcept : owner(owner) {}
    CSaveCommand(const CSaveCommand&) = delete;
    CSaveCommand& operator=(const CSaveCommand&) = delete;
    // Shows the owner again if it is still hidden.
    ~CSaveCommand() { ShowOwner(); }

    // False when another save command is running: this one does nothing.
    bool Entered() const noexcept { return scope.Entered(); }
    void HideOwner() noexcept;
    void ShowOwner() noexcept;

    // GetSaveFileNameA with the caller's record, its library loaded at the
    // first save; false when cancelled or when the dialog cannot be shown.
    static bool Ask(OPENFILENAMEA& dialog) noexcept;

  private:
    const exports::SaveCommandScope scope;
    HWND owner;
    bool ownerHidden = false;
};
