// The server's command line.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace server {

struct CommandLine
{
    QString programDir; ///< --dir DIR; empty: the executable's directory
    bool headless = false; ///< --headless: no display, messages on standard error
    QString initDir;       ///< --init DIR: make a ready program directory and end
    QString voicesDir;     ///< --voices DIR with --init: the voice files made by make-voices.sh
    bool demo = false;     ///< --demo with --init: the demo's called parties, agents and tasks
    bool live = false;     ///< --live with --demo: the demo for watching in real time, one agent by hand
    bool report = false;   ///< --report: print the outcomes of the tasks and end
    QString reportFrom;    ///< --from "yyyy-mm-dd" with --report: the statistics from that day instead
    QString reportTo;      ///< --to "yyyy-mm-dd" with --report: … up to that day's 23:59
    bool virtualTime = false;  ///< --virtual-time: the service runs on the software board's virtual clock
    QString startTime;         ///< --start-time "yyyy-mm-dd hh:mm:ss": wall time at virtual tick 0
    std::uint32_t runForSeconds = 0; ///< --run-for SECONDS: virtual (or, headless, real) time after which the server closes
    QString importFile;              ///< --import FILE: import notice tasks from a text file or workbook and end
    QString planNotice;              ///< --plan "yyyy-mm-dd hh:mm:ss" with --import: the tasks' planned time
};

/// Parses the arguments after the program name. Nothing, with error set, for an unknown option or a
/// missing value.
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error);

/// What --help prints.
QString commandLineUsage();

} // namespace server
