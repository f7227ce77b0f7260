// Command line of the configuration tool.
#include "ktcticonfig/CommandLine.h"

namespace ktcticonfig {

CommandLine parseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine result;
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (a == "--dir" && i + 1 < arguments.size()) {
            result.programDirectory = arguments[++i];
            continue;
        }
        if (!line.empty())
            line += ' ';
        line += a;
        if (a == "1" || a == "2")
            result.autoAction = a;
    }
    const auto bar = line.find('|');
    if (bar != std::string::npos) {
        const auto end = line.find('|', bar + 1);
        result.unattendedDirectory = line.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
        result.autoAction.clear();
    }
    return result;
}

std::string configFilePath(const CommandLine &commandLine, const std::string &currentDirectory)
{
    if (!commandLine.unattendedDirectory)
        return currentDirectory + "/KtConfig.ini";
    std::string path = *commandLine.unattendedDirectory;
    if (path.empty() || path.front() != '/')
        path = currentDirectory + (path.empty() ? "" : "/" + path);
    if (path.back() != '/')
        path += '/';
    return path + "KtConfig.ini";
}

} // namespace ktcticonfig
