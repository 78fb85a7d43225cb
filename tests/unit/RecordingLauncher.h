#pragma once
// Records every shell call as one line of text instead of starting anything.
#include "base/ShellLauncher.h"

#include <set>
#include <string>
#include <vector>

namespace testing_support {

struct RecordingLauncher : base::ShellLauncher {
    std::vector<std::string> calls;
    base::ShellExecuteRequest lastRequest;
    bool executeSucceeds = true;
    std::set<std::string> existing; // the files that exist

    bool Execute(const std::string& verb, const std::string& file, int show) override {
        calls.push_back("Execute " + verb + " [" + file + "] " + std::to_string(show));
        return executeSucceeds;
    }
    bool ExecuteEx(const base::ShellExecuteRequest& request) override {
        lastRequest = request;
        calls.push_back("ExecuteEx " + request.verb + " [" + request.file + "] " +
                        std::to_string(request.show));
        return true;
    }
    bool RunCommandLine(const std::string& commandLine, int show) override {
        calls.push_back("Run [" + commandLine + "] " + std::to_string(show));
        return true;
    }
    std::string SystemDirectory() override { return "C:\\Program Files\\System32"; }
    bool FileExists(const std::string& path) override { return existing.count(path) != 0; }
    void ReportMissingTool(const std::string& path) override { calls.push_back("Missing " + path); }
};

} // namespace testing_support
