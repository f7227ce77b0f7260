// Parsing SmsSender's command line.
#include "smssender/app/SenderCommandLine.h"

#include "common/DateTime.h"

#include <charconv>

namespace smssender {

namespace {

bool parsePositive(const std::string &text, int &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value > 0;
}

} // namespace

std::string senderUsage()
{
    return "usage: SmsSender [--dir DIR] [--port N] [--baud B] [--once] [--due-by TIME] [--headless]\n"
           "       SmsSender --help | --version\n"
           "Sends the SMS the server queues in SmsSendTask through the GSM modem on serial port N\n"
           "(device LUMOSMS_COM<N> when set, else /dev/ttyS<N-1>) and stores the messages it receives.\n"
           "  --dir DIR    the installation's program directory (default: the program's own)\n"
           "  --port N     serial port number (default: [SmsSender] Port of Setup.ini, else 1)\n"
           "  --baud B     baud rate (default: [SmsSender] Baud, else 115200)\n"
           "  --once       send every SMS due now, print how many were sent, and exit\n"
           "  --due-by T   rows planned up to T (\"yyyy-mm-dd hh:mm:ss\") are due, instead of up to now; for\n"
           "               a queue written on the server's virtual time\n"
           "  --headless   no window (the sender never has one); messages go to standard error\n"
           "  --help, --version  print this text or the version, and exit\n"
           "Exit status: 0 done or stopped by SIGTERM/SIGINT; 1 cannot start (settings, database, port or\n"
           "modem), or --once could not send everything due; 2 a command-line mistake.\n";
}

std::optional<SenderCommandLine> parseSenderCommandLine(const std::vector<std::string> &args, std::string &error)
{
    SenderCommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--once" || arg == "--headless" || arg == "--help" || arg == "-h") {
            (arg == "--once" ? cl.once : arg == "--headless" ? cl.headless : cl.help) = true;
            continue;
        }
        if (arg != "--dir" && arg != "--port" && arg != "--baud" && arg != "--due-by") {
            error = "unknown argument " + arg;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = "option " + arg + " needs a value";
            return std::nullopt;
        }
        const std::string &value = args[++i];
        if (arg == "--dir") {
            cl.programDir = value;
        } else if (arg == "--due-by") {
            const auto time = common::parseDateTime(value);
            if (!time) {
                error = "bad value for --due-by (\"yyyy-mm-dd hh:mm:ss\"): " + value;
                return std::nullopt;
            }
            cl.dueBy = common::formatDateTime("yyyy-mm-dd hh:nn:ss", *time);
        } else if (!parsePositive(value, arg == "--port" ? cl.port : cl.baud)) {
            error = "bad value for " + arg + ": " + value;
            return std::nullopt;
        }
    }
    return cl;
}

} // namespace smssender
