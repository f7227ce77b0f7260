// Rules that follow from a board's model code: class flags, channel and PCM counts, channel-bank use,
// the later digital families and fax channels.
#pragma once

#include "ktcticonfig/model/BoardRecord.h"

#include <cstdint>

namespace ktcticonfig {

/// The channel count of a code in channel-bank use (30, 60, 120 or 240), 0 when it has none.
std::uint16_t channelBankChannels(int code);
/// Codes 65..74, 97..132 and 134, whose used channel count follows from their PCMs.
bool isLaterDigitalFamily(int code);
/// The MaxFaxChannel text of the fax-capable digital codes, "" for the others.
std::string_view digitalFaxChannels(int code);
/// Codes 136 and 137 (the boards with 4 and 2 fax channels).
bool isSmallFaxModel(int code);

/// Sets the class flags, channel count and PCM count of a record from its model code, UsageMode,
/// CardType, DSP work mode and sub-type. UsageMode is forced to 0 for codes without channel-bank use.
/// Returns false for a code outside 1..137 (the record is left alone).
bool applyClassRule(BoardRecord &board, int code);

/// The PCM count the class rule gives a code (0 in channel-bank use).
int modelPcmCount(const BoardRecord &board);

} // namespace ktcticonfig
