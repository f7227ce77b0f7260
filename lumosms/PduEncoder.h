// SMS-SUBMIT encoding: a message record to the hexadecimal PDU text the modem accepts after AT+CMGS.
#pragma once

#include "lumosms/MessageRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumosms {

/// Most UTF-16 units one UCS2 message carries: 140 octets of user data.
inline constexpr std::size_t kMaxUcs2Units = 70;

/// The SMS-SUBMIT PDU as upper-case hexadecimal text, service-centre part first: UCS2 user data,
/// international addresses, validity octet 0x00. An empty service-centre number is sent as the length
/// octet 00, which lets the modem use the one stored on its SIM. Nothing when the destination is not
/// 1 to 15 digits, the service-centre number not 0 to 15 digits, or the text (GBK) holds no unit or more
/// than 70 UTF-16 units.
std::optional<std::string> encodeSubmit(const MessageRecord &record);

/// The octet count of the TPDU alone, which AT+CMGS announces: (hex digits / 2) - (first octet + 1).
/// Nothing for a text that is not whole hexadecimal octets or holds no TPDU after its service-centre part.
std::optional<int> announcedLength(std::string_view pduHex);

} // namespace lumosms
