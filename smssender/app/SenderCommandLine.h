// The command line of SmsSender.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace smssender {

struct SenderCommandLine
{
    std::string programDir; ///< --dir; empty: the program's own directory
    int port = 0;           ///< --port; 0: the setting
    int baud = 0;           ///< --baud; 0: the setting
    bool once = false;      ///< --once: send what is due, then exit
    std::string dueBy;      ///< --due-by: rows planned up to this time are due, "yyyy-mm-dd hh:mm:ss"; empty: now
    bool headless = false;  ///< --headless: accepted as the server accepts it; the sender has no window
    bool help = false;
};

std::string senderUsage();

/// The options of the arguments after the program name; nothing (and the reason in error) when they are
/// not understood.
std::optional<SenderCommandLine> parseSenderCommandLine(const std::vector<std::string> &args, std::string &error);

} // namespace smssender
