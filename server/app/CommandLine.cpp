// Parsing the server's command line.
#include "server/app/CommandLine.h"

#include "common/DateTime.h"

namespace server {

namespace {

// A day written exactly as "yyyy-mm-dd", and one that exists.
bool isDay(const QString &text)
{
    const auto day = common::parseDateTime(text.toStdString());
    return day && common::formatDateTime("yyyy-mm-dd", *day) == text.toStdString();
}

} // namespace

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error)
{
    CommandLine cl;
    const auto value = [&](qsizetype &i, QString &out) {
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            *error = arguments[i] + QStringLiteral(" needs a value");
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
        } else if (a == QStringLiteral("--voices")) {
            if (!value(i, cl.voicesDir))
                return std::nullopt;
        } else if (a == QStringLiteral("--demo")) {
            cl.demo = true;
        } else if (a == QStringLiteral("--live")) {
            cl.live = true;
        } else if (a == QStringLiteral("--report")) {
            cl.report = true;
        } else if (a == QStringLiteral("--from") || a == QStringLiteral("--to")) {
            QString &day = a == QStringLiteral("--from") ? cl.reportFrom : cl.reportTo;
            if (!value(i, day))
                return std::nullopt;
            if (!isDay(day)) {
                *error = a + QStringLiteral(" wants a day \"yyyy-mm-dd\", not ") + day;
                return std::nullopt;
            }
        } else if (a == QStringLiteral("--headless")) {
            cl.headless = true;
        } else if (a == QStringLiteral("--virtual-time")) {
            cl.virtualTime = true;
        } else if (a == QStringLiteral("--start-time")) {
            if (!value(i, cl.startTime))
                return std::nullopt;
            if (!common::parseDateTime(cl.startTime.toStdString())) {
                *error = QStringLiteral("--start-time wants \"yyyy-mm-dd hh:mm:ss\", not ") + cl.startTime;
                return std::nullopt;
            }
        } else if (a == QStringLiteral("--import")) {
            if (!value(i, cl.importFile))
                return std::nullopt;
        } else if (a == QStringLiteral("--plan")) {
            if (!value(i, cl.planNotice))
                return std::nullopt;
            const auto plan = common::parseDateTime(cl.planNotice.toStdString());
            if (!plan || common::formatDateTime("yyyy-mm-dd hh:mm:ss", *plan) != cl.planNotice.toStdString()) {
                *error = QStringLiteral("--plan wants \"yyyy-mm-dd hh:mm:ss\", not ") + cl.planNotice;
                return std::nullopt;
            }
        } else if (a == QStringLiteral("--run-for")) {
            QString seconds;
            if (!value(i, seconds))
                return std::nullopt;
            bool ok = false;
            cl.runForSeconds = seconds.toUInt(&ok);
            if (!ok || cl.runForSeconds == 0 || cl.runForSeconds > 30u * 24 * 3600) {
                *error = QStringLiteral("--run-for wants seconds from 1 to 2592000, not ") + seconds;
                return std::nullopt;
            }
        } else {
            *error = QStringLiteral("unknown argument: ") + a;
            return std::nullopt;
        }
    }
    if ((!cl.voicesDir.isEmpty() || cl.demo) && cl.initDir.isEmpty()) {
        *error = QStringLiteral("--voices and --demo go with --init");
        return std::nullopt;
    }
    if (cl.live && !cl.demo) {
        *error = QStringLiteral("--live goes with --demo");
        return std::nullopt;
    }
    if ((!cl.reportFrom.isEmpty() || !cl.reportTo.isEmpty()) && !cl.report) {
        *error = QStringLiteral("--from and --to go with --report");
        return std::nullopt;
    }
    if (!cl.reportFrom.isEmpty() && !cl.reportTo.isEmpty() && cl.reportFrom > cl.reportTo) {
        *error = QStringLiteral("--from ") + cl.reportFrom + QStringLiteral(" lies after --to ") + cl.reportTo;
        return std::nullopt;
    }
    if (!cl.planNotice.isEmpty() && cl.importFile.isEmpty()) {
        *error = QStringLiteral("--plan goes with --import");
        return std::nullopt;
    }
    if (!cl.startTime.isEmpty() && !cl.virtualTime) {
        *error = QStringLiteral("--start-time goes with --virtual-time");
        return std::nullopt;
    }
    if (cl.runForSeconds > 0 && !cl.virtualTime && !cl.headless) {
        *error = QStringLiteral("--run-for goes with --virtual-time or --headless");
        return std::nullopt;
    }
    return cl;
}

QString commandLineUsage()
{
    return QStringLiteral("usage: Server [--dir DIR] [--headless [--run-for SECONDS]]\n"
                          "       Server [--dir DIR] --virtual-time [--start-time \"yyyy-mm-dd hh:mm:ss\"] "
                          "[--run-for SECONDS]\n"
                          "       Server --init DIR [--voices VOICES] [--demo [--live]]\n"
                          "       Server [--dir DIR] --report [--from yyyy-mm-dd] [--to yyyy-mm-dd]\n"
                          "       Server [--dir DIR] --import FILE [--plan \"yyyy-mm-dd hh:mm:ss\"]\n"
                          "       Server --help | --version\n"
                          "  --dir DIR    program directory (default: the directory of the program)\n"
                          "  --headless   run without a display; messages go to standard error\n"
                          "  --init DIR   make a ready program directory for the software board and end\n"
                          "  --voices VOICES  with --init: take the voice database and prompts that\n"
                          "               scripts/make-voices.sh wrote into VOICES\n"
                          "  --demo       with --init: called parties of every kind, two agents, 36 tasks\n"
                          "  --live       with --demo: for watching in the window in real time: calls at any\n"
                          "               hour, and the second agent telephone (channel 7) is yours: answer it\n"
                          "               with ktsim DIR/ktsim.sock offhook 7\n"
                          "  --report     print the outcomes of the tasks by status and cause, and end\n"
                          "  --from DAY, --to DAY  with --report: print instead the counts of the statistics window\n"
                          "               for the days DAY (\"yyyy-mm-dd\") to DAY 23:59; the one not given is\n"
                          "               today. Untouched tasks are counted whatever their days\n"
                          "  --import FILE  import notice tasks from FILE (.txt: a header line, then a number a\n"
                          "               line; .xls or .xlsx: number, name, company, address in the first four\n"
                          "               columns), leaving out the blacklist; may run beside the service\n"
                          "  --plan         with --import: the tasks' planned notice time (default: now)\n"
                          "  --virtual-time  run on the software board's virtual clock: an hour of calls in seconds\n"
                          "  --start-time    wall time when the virtual clock starts (default: now)\n"
                          "  --run-for       seconds after which the server closes: virtual seconds with\n"
                          "               --virtual-time (default: one hour), real ones with --headless\n"
                          "  --help       print this text and end\n"
                          "  --version    print the program's version and end\n");
}

} // namespace server
