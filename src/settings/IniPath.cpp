#include "settings/IniPath.h"

#include "base/Format.h"

#include <algorithm>
#include <cstdlib>

namespace settings {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

} // namespace

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    std::string rest = path;
    if (HasDriveLetter(rest)) {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const std::size_t lastSeparator = rest.find_last_of("\\/");
    if (lastSeparator != std::string::npos) {
        parts.folder = rest.substr(0, lastSeparator + 1);
        rest.erase(0, lastSeparator + 1);
    }
    const std::size_t lastDot = rest.find_last_of('.');
    if (lastDot != std::string::npos) {
        parts.extension = rest.substr(lastDot);
        rest.erase(lastDot);
    }
    parts.baseName = rest;
    return parts;
}

std::string StripTrailingSeparators(std::string directory) {
    while (!directory.empty() && directory.back() == '\\')
        directory.pop_back();
    while (!directory.empty() && directory.back() == '/')
        directory.pop_back();
    return directory;
}

std::string DefaultFilePath(const std::string& moduleFileName, const std::string& currentDirectory,
                            bool useModuleFolder) {
    const PathParts module = SplitPath(moduleFileName);
    if (useModuleFolder)
        return module.drive + module.folder + module.baseName + ".ini";
    return StripTrailingSeparators(currentDirectory) + "\\" + module.baseName + ".ini";
}

std::string QualifyPath(const std::string& path, const std::string& moduleFileName,
                        const std::string& currentDirectory, bool useModuleFolder) {
    const bool networkPath = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (HasDriveLetter(path) || networkPath)
        return path;
    const PathParts base = SplitPath(
        useModuleFolder ? moduleFileName : StripTrailingSeparators(currentDirectory) + "\\");
    // A path rooted on the current drive ("\x.ini") keeps its own folder.
    if (!path.empty() && IsSeparator(path[0]))
        return base.drive + path;
    return base.drive + base.folder + path;
}

std::string ProfileFilePath(const std::string& localAppData) {
    if (localAppData.empty())
        return std::string();
    return StripTrailingSeparators(localAppData) + "\\Orbelune\\Orbelune.ini";
}

SettingsFiles ChooseSettingsFiles(const std::string& programFile, bool programFileWritable,
                                  const std::string& profileFile, bool profileFileExists) {
    if (programFileWritable || profileFile.empty())
        return {programFile, programFile};
    return {profileFileExists ? profileFile : programFile, profileFile};
}

std::string SettingNotKeptMessage(const std::string& path) {
    return "The transparency cannot be kept for the next start: the settings file\n" + path +
           "\ncannot be written.";
}

bool FlagFromText(const std::string& text) {
    return std::atoi(text.c_str()) != 0;
}

std::string FlagText(bool value) {
    return base::Format("%d", value ? 1 : 0);
}

unsigned AlphaFromPercent(unsigned percent) {
    return std::min(percent, 100u) * 255u / 100u;
}

} // namespace settings
