// Writing the settings record and the channel tables back to Setup.ini.
#pragma once

#include "server/settings/Settings.h"

#include <string>

namespace server {

/// Writes every key of Setup.ini from the record and the tables into the file of settings.ProgramDir,
/// keeping every other line of the file, and saves it once. False with error set when it cannot.
bool SaveSettings(const Settings &settings, const ChannelTables &tables, std::string *error = nullptr);

/// The 48 entries of a channel table as decimal digits in channel order (Card1, Card1Use, ChPolarity).
std::string channelDigits(const std::array<std::int16_t, kMaxChannels> &table);

} // namespace server
