#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace app {

namespace {

// "report" for "/report", "-REPORT"; empty for what is no option.
std::string OptionName(const std::string& argument) {
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-'))
        return std::string();
    std::string name = argument.substr(1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

} // namespace

Invocation ParseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return {};
    const std::string option = OptionName(arguments[0]);
    if (option == "?" && arguments.size() == 1)
        return {Request::ShowUsage, std::string()};
    if (option == "report" && arguments.size() == 2 && !arguments[1].empty())
        return {Request::WriteReport, arguments[1]};
    return {Request::Refuse, std::string()};
}

} // namespace app
