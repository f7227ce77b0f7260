// Parsing of the lumosms tool's command line.
#include "lumosms/cli/CliOptions.h"

#include <charconv>

namespace lumosms {

namespace {

constexpr double kDefaultSendSeconds = 60;
constexpr double kDefaultListSeconds = 12; // room for two inbox listings at five seconds of idle time

template <typename Number> bool parseNumber(const std::string &text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

} // namespace

std::string cliUsage()
{
    return "usage: lumosms send [options] NUMBER TEXT   send one SMS and print the modem's result\n"
           "       lumosms list [options]               print the messages received meanwhile\n"
           "       lumosms --help | --version\n"
           "options:\n"
           "  --port N         serial port number (device LUMOSMS_COM<N> or /dev/ttyS<N-1>), default 1\n"
           "  --baud RATE      baud rate, default 115200\n"
           "  --sca NUMBER     service-centre number when the modem has none\n"
           "  --seconds S      send: longest wait for the result (60); list: how long to listen (12)\n"
           "  --time-scale F   multiply every wait of the library by F (a fake modem answers at once)\n"
           "TEXT is UTF-8 and sent as UCS2; received texts are printed as UTF-8, one line each:\n"
           "time<TAB>number<TAB>text\n"
           "a received message that cannot be decoded is deleted and its PDU written to standard error\n";
}

std::optional<CliOptions> parseCliOptions(const std::vector<std::string> &args, std::string &error)
{
    CliOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!arg.starts_with("--")) {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "option " + arg + " needs a value";
            return std::nullopt;
        }
        const std::string &value = args[++i];
        bool ok = true;
        if (arg == "--port")
            ok = parseNumber(value, options.port) && options.port >= 1;
        else if (arg == "--baud")
            ok = parseNumber(value, options.baud) && options.baud > 0;
        else if (arg == "--sca")
            options.serviceCentre = value;
        else if (arg == "--seconds")
            ok = parseNumber(value, options.seconds) && options.seconds > 0;
        else if (arg == "--time-scale")
            ok = parseNumber(value, options.timeScale) && options.timeScale > 0 && options.timeScale <= 10;
        else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + arg + ": " + value;
            return std::nullopt;
        }
    }
    if (positional.empty()) {
        error = "no command";
        return std::nullopt;
    }
    if (positional[0] == "send" && positional.size() == 3) {
        options.command = CliOptions::Command::Send;
        options.number = positional[1];
        options.text = positional[2];
    } else if (positional[0] == "list" && positional.size() == 1) {
        options.command = CliOptions::Command::List;
    } else {
        error = "expected \"send NUMBER TEXT\" or \"list\"";
        return std::nullopt;
    }
    if (options.seconds == 0)
        options.seconds = options.command == CliOptions::Command::Send ? kDefaultSendSeconds : kDefaultListSeconds;
    return options;
}

} // namespace lumosms
