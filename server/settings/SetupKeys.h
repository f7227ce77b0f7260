// The keys of Setup.ini, declared once with their sections, defaults, widths and read rules; reading
// and writing the file both go through this table.
#pragma once

#include "server/settings/Settings.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace server {

/// The settings field a key is stored in; an integer field's type gives the width it keeps.
using SettingsField = std::variant<std::string Settings::*, std::uint8_t Settings::*, std::int8_t Settings::*,
                                   std::uint16_t Settings::*, std::int16_t Settings::*, std::int32_t Settings::*,
                                   std::uint32_t Settings::*>;

struct SetupKey
{
    std::string_view section;
    std::string_view key;
    SettingsField field;
    std::string_view defaultText; ///< texts
    std::int32_t defaultValue;    ///< integers
    bool trimmed;                 ///< blanks and control characters removed from both ends of a text
};

/// The keys of the settings record in the order the loader reads them ([CardParm] and the per-channel
/// keys of [FaxLocalID] are not in it: they fill the channel tables).
std::span<const SetupKey> setupKeys();

/// The key of the table with that section and name (matched without regard to case); nullptr when
/// it is not in the table.
const SetupKey *findSetupKey(std::string_view section, std::string_view key);

/// Defaults of the [CardParm] texts.
inline constexpr std::string_view kCard1Default = "11111111111111111111111111111111";
inline constexpr std::string_view kCard1UseDefault = "00000000000000000000000000000000";
inline constexpr std::string_view kChFunctionDefault = "222222222222222222222222222222222222222222222222";

/// Key names of the per-channel texts of [FaxLocalID] for channel numbers 0..47.
std::string stationIdKey(int channel);
std::string dialPrefixKey(int channel);

} // namespace server
