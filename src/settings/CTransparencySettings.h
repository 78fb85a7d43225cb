#pragma once
// The one persistent setting: whether the main window is drawn at 75 % opacity.
// It lives in the settings file beside the program.
#include "settings/CIniFile.h"
#include "settings/CLayeredWindow.h"

class CTransparencySettings {
  public:
    CTransparencySettings() = default;
    explicit CTransparencySettings(const CIniFile& file) : iniFile(file) {}

    // Creates the settings file with the opaque default when it is missing,
    // then reads the flag.
    void Load();
    // Reads the stored flag (a missing file, section or key means opaque).
    bool LoadTransparency();
    // Writes the opaque default into the settings file.
    void CreateDefaultFile();

    // Makes the window layered at the opacity of the flag.
    void Apply(HWND window);
    // Switches the window's opacity and stores the new flag.
    void Toggle(HWND window);

    const CIniFile& IniFile() const { return iniFile; }
    bool windowTransparent = false;

  private:
    CIniFile iniFile;
    CLayeredWindow layeredWindow;
};
