// The server's command line.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace server {

struct CommandLine
{
    QString programDir; ///< --dir DIR; empty: the executable's directory
    bool headless = false; ///< --headless: no display, messages on standard error
    QString initDir;       ///< --init DIR: make a ready program directory and end
};

/// Parses the arguments after the program name. Nothing, with error set, for an unknown option or a
/// missing value.
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error);

/// What --help prints.
QString commandLineUsage();

} // namespace server
