#pragma once
// One INI file and one section, read and written through the private-profile
// functions of the system.
#include <windows.h>

#include <string>

class CIniFile {
  public:
    // The file beside the program file, named after it; the application's section.
    CIniFile();
    // An empty file means the default file; a relative file is completed with the
    // program's folder; an empty section means the application's section.
    CIniFile(const std::string& file, const std::string& section);
    virtual ~CIniFile() = default;

    static std::string DefaultFilePath(bool useModuleFolder);
    static std::string QualifyPath(const std::string& path, bool useModuleFolder);
    static std::string CurrentDirectoryPath();
    static std::string ApplicationName();

    // A given section replaces the current one for this and all later calls.
    std::string GetString(const char* key, const char* section = nullptr,
                          const char* defaultValue = nullptr);
    bool GetBool(const char* key, bool defaultValue, const char* section = nullptr);
    BOOL SetBool(const char* key, bool value, const char* section = nullptr);

    const std::string& FilePath() const { return filePath; }
    const std::string& Section() const { return section; }

  private:
    bool useModuleFolder = true;
    char lastValue[256] = {};
    std::string filePath;
    std::string section;
};
