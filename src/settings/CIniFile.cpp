#include "settings/CIniFile.h"

#include "base/Format.h"
#include "framework/Text.h"
#include "settings/IniPath.h"

#include <vector>

CIniFile::CIniFile() : filePath(DefaultFilePath(true)), section(ApplicationName()) {}

CIniFile::CIniFile(const std::string& file, const std::string& sectionName)
    : filePath(file), section(sectionName) {
    if (filePath.empty())
        filePath = DefaultFilePath(useModuleFolder);
    filePath = QualifyPath(filePath, useModuleFolder);
    if (section.empty())
        section = ApplicationName();
}

std::string CIniFile::CurrentDirectoryPath() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0)
        return std::string();
    std::vector<char> buffer(needed + 1);
    const DWORD length = GetCurrentDirectoryA(DWORD(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size())
        return std::string();
    return std::string(buffer.data(), length);
}

std::string CIniFile::ApplicationName() {
    return settings::SplitPath(fw::ModuleFileName()).baseName;
}

std::string CIniFile::DefaultFilePath(bool useModuleFolder) {
    return settings::DefaultFilePath(fw::ModuleFileName(), CurrentDirectoryPath(), useModuleFolder);
}

std::string CIniFile::QualifyPath(const std::string& path, bool useModuleFolder) {
    return settings::QualifyPath(path, fw::ModuleFileName(), CurrentDirectoryPath(),
                                 useModuleFolder);
}

std::string CIniFile::GetString(const char* key, const char* sectionName,
                                const char* defaultValue) {
    if (sectionName != nullptr)
        section = sectionName;
    GetPrivateProfileStringA(section.c_str(), key, defaultValue ? defaultValue : "", lastValue,
                             sizeof lastValue, filePath.c_str());
    lastValue[sizeof lastValue - 1] = '\0';
    return lastValue;
}

bool CIniFile::GetBool(const char* key, bool defaultValue, const char* sectionName) {
    GetString(key, sectionName, settings::FlagText(defaultValue).c_str());
    return settings::FlagFromText(lastValue);
}

BOOL CIniFile::SetBool(const char* key, bool value, const char* sectionName) {
    if (sectionName != nullptr)
        section = sectionName;
    return WritePrivateProfileStringA(section.c_str(), key, settings::FlagText(value).c_str(),
                                      filePath.c_str());
}
