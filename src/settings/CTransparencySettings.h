#pragma once
// The one persistent setting: whether the main window is drawn transparent.
#include "settings/CIniFile.h"

class CTransparencySettings {
  public:
    CTransparencySettings() = default;
    explicit CTransparencySettings(const CIniFile& file) : iniFile(file) {}

    // Reads the stored flag (a missing file, section or key means opaque).
    bool LoadTransparency();
    // Writes the opaque default into the settings file.
    void CreateDefaultFile();

    const CIniFile& IniFile() const { return iniFile; }
    bool windowTransparent = false;

  private:
    CIniFile iniFile;
};
