// SMS-DELIVER decoding: the PDU line of one listed message into a message record.
#pragma once

#include "lumosms/MessageRecord.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumosms {

/// How a PDU decoded. Only Complete fills every field exactly; the other outcomes leave the record with
/// whatever was read before the problem and must not be delivered as a message.
enum class DecodeStatus
{
    Complete,     ///< every field read and stored
    BadHex,       ///< not whole hexadecimal octets
    NotDeliver,   ///< the message type is not SMS-DELIVER (a status report, a stored submit)
    Truncated,    ///< the PDU ends before its own length fields say
    FieldTooLong, ///< a number over 15 characters or a text over 160 bytes: it does not fit its field
};

struct DecodeResult
{
    DecodeStatus status = DecodeStatus::BadHex;
    /// User-data characters (7-bit), UTF-16 units (UCS2) or octets (8-bit data) decoded.
    std::size_t userDataCount = 0;
};

/// The alphabet a data coding scheme announces.
enum class Alphabet
{
    Gsm7Bit,
    EightBit,
    Ucs2,
};

/// The alphabet of a TP-DCS value: the general coding groups (bits 3-2), the message-waiting groups and
/// the data-coding group (bit 2).
Alphabet alphabetOf(std::uint8_t codingScheme);

/// Decodes an SMS-DELIVER PDU (service-centre part first) into the record; the storage index is left to
/// the caller. 7-bit text is kept as septet values, UCS2 is converted to GBK, 8-bit data is copied.
DecodeResult decodeDeliver(std::string_view pduHex, MessageRecord &record);

} // namespace lumosms
