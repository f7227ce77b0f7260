// Loading Setup.ini into the settings record and the per-channel tables.
#pragma once

#include "server/settings/Dialogs.h"
#include "server/settings/Settings.h"
#include "server/settings/SetupKeys.h"

#include <string>
#include <string_view>

namespace common {
class ProfileFile;
}

namespace server {

/// Path of Setup.ini in the program directory.
std::string setupPath(const Settings &settings);

/// A text value as the loader reads it: GBK converted to UTF-8 (the default is UTF-8 already), at most
/// 2,047 bytes, with trimmed its blanks and control characters removed from both ends.
std::string readSetupText(const common::ProfileFile &file, std::string_view section, std::string_view key,
                          std::string_view def, bool trimmed);

/// Reads one key of the key table into its field, with its default and at its field's width.
void readSetupKey(const common::ProfileFile &file, const SetupKey &key, Settings &settings);

/// Every field of the key table at its default, as a load of an empty Setup.ini gives them.
void applyDefaults(Settings &settings, ChannelTables &tables);

/// Reads Setup.ini of settings.ProgramDir into the record and the tables. Every key has a default and
/// a malformed integer gives it. False, after a message box, when the file is missing or unreadable
/// (nothing changed) or when Card1Use or ChPolarity holds a character that is not a digit (the entries
/// before it are stored, as are all other keys).
bool LoadSettings(Settings &settings, ChannelTables &tables, Dialogs &dialogs);

} // namespace server
