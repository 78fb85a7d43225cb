#pragma once
// The recycle bins of all drives through the shell, and the command that
// empties them and tells the user what happened.
#include "commands/RecycleBinMessage.h"

#include <windows.h>

class CRecycleBin : public commands::RecycleBin {
  public:
    bool QueryContents(commands::RecycleBinContents& contents) override;
    bool EmptyAll() override;

    // Empties `bin` and tells what happened in a message box owned by `owner`.
    static void EmptyAndTell(HWND owner, commands::RecycleBin& bin);
};
