// The tool's command line: the "|DIR|" unattended detection mode and the configuration file path.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ktcticonfig {

struct CommandLine
{
    /// Set in unattended detection: the text between the first '|' and the next (or the end).
    std::optional<std::string> unattendedDirectory;
    /// "1" or "2": Default followed by Apply or OK (handled by the window).
    std::string autoAction;
    /// "--dir DIR": the program directory to work in instead of the program's own.
    std::optional<std::string> programDirectory;
};

/// Parses the arguments after the program name; they are joined with blanks as one command line.
CommandLine parseCommandLine(const std::vector<std::string> &arguments);

/// The file the tool works on: DIR/KtConfig.ini in unattended mode (DIR taken relative to the
/// current directory unless absolute), else KtConfig.ini in the current directory.
std::string configFilePath(const CommandLine &commandLine, const std::string &currentDirectory);

} // namespace ktcticonfig
