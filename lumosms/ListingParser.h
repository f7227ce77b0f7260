// The listing parser: the records of one AT+CMGL answer, each with its storage index.
#pragma once

#include "lumosms/MessageRecord.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumosms {

/// Most records taken from one listing; the others wait for the next listing.
inline constexpr std::size_t kMaxListedRecords = 256;

/// The messages of a listing, in order: every "+CMGL: <index>" header followed by its PDU line. An entry
/// is left out (not delivered, so it is not deleted from the modem either) when its index is not a number
/// from 0 to 32767, its PDU line does not end in CR LF inside the text (a response cut at the buffer's
/// capacity), or the PDU does not decode completely as an SMS-DELIVER.
std::vector<MessageRecord> parseListing(std::string_view text);

} // namespace lumosms
