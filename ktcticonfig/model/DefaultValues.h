// The values the Default button gives the global keys: each key's read default, with a few keys set
// to the values a fresh installation should start with.
#pragma once

#include "ktcticonfig/model/GlobalSettings.h"

#include <string>

namespace ktcticonfig {

/// Resets [SystemConfig], [DebugView], SS1Config, ISUP, TUP, SS7, ISDN and [Fax] to their defaults.
/// logDirectory becomes LogFilePath; smallFaxBoardFound selects MaxSpeed 33600.
void resetToDefaultValues(GlobalSettings &settings, const std::string &logDirectory, bool smallFaxBoardFound);

} // namespace ktcticonfig
