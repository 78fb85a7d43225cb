#pragma once
// Renames a volume: asks for the new label in the input box, asks for
// confirmation, writes the label and says so when the volume refused it.
#include <windows.h>

#include <string>

class CVolumeRename {
  public:
    // True when the volume now carries the new label.
    static bool Run(HWND owner, const std::string& root);
};
