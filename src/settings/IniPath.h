#pragma once
// Path rules of the settings file and the arithmetic of the window's opacity.
// The Win32 classes gather the program file's name and the current directory
// and hand them in, so every rule here runs on any host.
#include <string>

namespace settings {

// A path cut as the C runtime's _splitpath cuts it: "C:" + "\dir\" + "name" + ".ext".
struct PathParts {
    std::string drive;
    std::string folder;
    std::string baseName;
    std::string extension;
};

PathParts SplitPath(const std::string& path);

// Drops trailing backslashes, then trailing slashes.
std::string StripTrailingSeparators(std::string directory);

// The INI file named after the program file: beside it, or in the current directory.
std::string DefaultFilePath(const std::string& moduleFileName, const std::string& currentDirectory,
                            bool useModuleFolder);

// Completes a path without a drive letter with the program's folder or the current
// directory; a path with a drive letter, or a network path, is already complete.
std::string QualifyPath(const std::string& path, const std::string& moduleFileName,
                        const std::string& currentDirectory, bool useModuleFolder);

// The settings file in the user's profile, below the local application-data
// folder; empty when that folder is not known.
std::string ProfileFilePath(const std::string& localAppData);

// Where the setting is read at start and where a toggle writes it. The file
// beside the program serves for both where it can be written; elsewhere the
// profile's file takes the toggles, and is read once it exists, the file beside
// the program serving as a default until then.
struct SettingsFiles {
    std::string readFrom;
    std::string writeTo;
};
SettingsFiles ChooseSettingsFiles(const std::string& programFile, bool programFileWritable,
                                  const std::string& profileFile, bool profileFileExists);

// Told once a run when a toggle could not be stored in `path`.
std::string SettingNotKeptMessage(const std::string& path);

// A stored flag is set when its text starts with a number other than 0.
bool FlagFromText(const std::string& text);
std::string FlagText(bool value);

// Alpha of a layered window for an opacity in percent (clamped to 100): 75 gives 191.
unsigned AlphaFromPercent(unsigned percent);

constexpr unsigned TransparentPercent = 75;
constexpr unsigned OpaquePercent = 100;
constexpr const char* TransparencyKey = "Wnd_Transparency";

} // namespace settings
