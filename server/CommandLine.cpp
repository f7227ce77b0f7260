// Parsing the server's command line.
#include "server/CommandLine.h"

namespace server {

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error)
{
    CommandLine cl;
    const auto value = [&](qsizetype &i, QString &out) {
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            *error = arguments[i] + QStringLiteral(" needs a directory");
            return false;
        }
        out = arguments[++i];
        return true;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QStringLiteral("--dir")) {
            if (!value(i, cl.programDir))
                return std::nullopt;
        } else if (a == QStringLiteral("--init")) {
            if (!value(i, cl.initDir))
                return std::nullopt;
        } else if (a == QStringLiteral("--headless")) {
            cl.headless = true;
        } else {
            *error = QStringLiteral("unknown argument: ") + a;
            return std::nullopt;
        }
    }
    return cl;
}

QString commandLineUsage()
{
    return QStringLiteral("usage: Server [--dir DIR] [--headless]\n"
                          "       Server --init DIR\n"
                          "  --dir DIR    program directory (default: the directory of the program)\n"
                          "  --headless   run without a display; messages go to standard error\n"
                          "  --init DIR   make a ready program directory for the software board and end\n");
}

} // namespace server
