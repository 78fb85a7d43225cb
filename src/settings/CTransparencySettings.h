#pragma once
// The one persistent setting: whether the main window is drawn at 75 % opacity.
// It lives in the settings file beside the program or, where that cannot be
// written, in the user's profile.
#include "settings/CIniFile.h"
#include "settings/CLayeredWindow.h"

#include <string>

class CTransparencySettings {
  public:
    // The file beside the program and the one in the user's local application data.
    CTransparencySettings();
    // The given files, for the first and the second place.
    CTransparencySettings(const CIniFile& programFile, std::string profileFile);

    // Chooses where the setting is read and written, creates the settings file
    // beside the program with the opaque default when it is missing and can be
    // made there, then reads the flag.
    void Load();
    // Reads the stored flag (a missing file, section or key means opaque).
    bool LoadTransparency();
    // Writes the opaque default into the settings file; false when it cannot.
    bool CreateDefaultFile();

    // Makes the window layered at the opacity of the flag.
    void Apply(HWND window);
    // Switches the window's opacity and stores the new flag; false when the
    // flag could not be stored (the opacity changes all the same).
    bool Toggle(HWND window);

    // The file toggles are written to.
    const CIniFile& IniFile() const { return iniFile; }
    bool windowTransparent = false;

  private:
    CIniFile iniFile;
    CIniFile sourceFile; // read at start
    std::string profileFile;
    CLayeredWindow layeredWindow;
};
