// The listing parser: the entries of one AT+CMGL answer, each with its storage index.
#pragma once

#include "lumosms/MessageRecord.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumosms {

/// Most entries taken from one listing; the others wait for the next listing.
inline constexpr std::size_t kMaxListedRecords = 256;

/// One listed message: decoded, or kept as the PDU line the modem gave.
struct ListedMessage
{
    MessageRecord record; ///< the decoded message; only its storage index when it did not decode
    bool decoded = false; ///< the PDU decoded completely as an SMS-DELIVER
    std::string pdu;      ///< the PDU line as listed (undecoded messages only)
};

/// The entries of a listing, in order: every "+CMGL: <index>" header followed by its PDU line. An entry
/// whose PDU does not decode completely as an SMS-DELIVER is listed undecoded with its PDU line: it is
/// on the modem all the same, and listing it has marked it read. An entry is left out (not deleted from
/// the modem either) when its index is not a number from 0 to 32767 or its PDU line does not end in
/// CR LF inside the text (a response cut at the buffer's capacity).
std::vector<ListedMessage> parseListing(std::string_view text);

} // namespace lumosms
