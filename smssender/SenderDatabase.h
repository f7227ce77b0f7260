// The installation's database as the sender opens it: the settings, the connection, its own tables.
#pragma once

#include "smssender/SenderSettings.h"

#include "server/data/TDM.h"

#include <string>

namespace smssender {

class SenderDatabase
{
public:
    /// Reads Setup.ini of programDir, connects to its database as the server does (without the server's
    /// compaction and start-up reset: the server may be running) and prepares the sender's tables.
    /// False with error set when any of that fails.
    bool open(const std::string &programDir, std::string *error);

    /// Makes the connection again (statements prepared on the old one must be released first).
    bool reconnect(std::string *error);

    server::TDM &dm() { return m_dm; }
    const server::Settings &settings() const { return m_settings; }
    SenderSettings &senderSettings() { return m_sender; }

private:
    server::Settings m_settings;
    SenderSettings m_sender;
    server::TDM m_dm;
};

} // namespace smssender
