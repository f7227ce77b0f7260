// The command line of the lumosms tool: which command, which port, and the message to send.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumosms {

struct CliOptions
{
    enum class Command
    {
        Send,
        List,
    };
    Command command = Command::Send;
    int port = 1;
    int baud = 115200;
    std::string serviceCentre;
    std::string number;   ///< send: the destination
    std::string text;     ///< send: the message, UTF-8 as typed
    double seconds = 0;   ///< send: longest wait for the result; list: how long to collect (defaults below)
    double timeScale = 1; ///< every wait of the library multiplied by it
};

/// The usage text printed for --help and after a mistake.
std::string cliUsage();

/// The options of the arguments after the program name; nothing (and the reason in error) when they are
/// not understood.
std::optional<CliOptions> parseCliOptions(const std::vector<std::string> &args, std::string &error);

} // namespace lumosms
