// The sender's settings: the database keys of Setup.ini and the sender's own section [SmsSender].
#pragma once

#include "server/settings/Settings.h"

#include <chrono>
#include <string>

namespace smssender {

/// The section of Setup.ini that holds the sender's own keys.
inline constexpr const char *kSenderSection = "SmsSender";

struct SenderSettings
{
    int port = 1;              ///< Port: serial port number of the modem (LUMOSMS_COM<n> or /dev/ttyS<n-1>)
    int baud = 115200;         ///< Baud
    std::string serviceCentre; ///< ServiceCentre: used when the SIM reports none
    std::chrono::milliseconds pollPeriod{5000};     ///< PollSeconds: between two looks for due rows
    int attempts = 3;                               ///< Attempts: failed tries after which a row is given up
    std::chrono::milliseconds answerTimeout{30000}; ///< AnswerSeconds: longest wait for the modem's answer
};

/// Reads [Database] (as the server reads it) and [SmsSender] from Setup.ini of database.ProgramDir, which
/// the caller sets. A missing or malformed key gives its default; values out of range give the default
/// too. False with error set when Setup.ini is missing or unreadable.
bool loadSenderSettings(server::Settings &database, SenderSettings &sender, std::string *error);

} // namespace smssender
