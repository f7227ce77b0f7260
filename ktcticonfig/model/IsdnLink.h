// The items of an ISDN link row and the codes its number type and speech code lists choose from.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ktcticonfig {

/// The position of each item in a row of the user- or network-side link list.
enum IsdnLinkItem : std::size_t
{
    kLinkPcm,          ///< the link's number in the PCM list
    kLinkLocalPcm,     ///< the PCM on its board
    kLinkTei,          ///< TEI value
    kLinkCrc,          ///< CRC mode: 1 on, 0 off
    kLinkChannelId,    ///< channel identification, hexadecimal ("0x10")
    kLinkCalledNoSet,  ///< called number type, hexadecimal ("0xa1")
    kLinkCallingNoSet, ///< calling number type, hexadecimal ("0x21")
    kLinkSpeechCode,   ///< speech code, decimal ("6")
    kLinkItemCount,
};

/// Called number types in the order the link dialog lists them: national, international, network
/// specific, subscriber and the two unknowns.
std::span<const int> calledNumberTypes();
/// The calling-side counterparts, in the same order.
std::span<const int> callingNumberTypes();
/// Speech codes: A-law, u-law.
std::span<const int> speechCodes();

/// The number a code item holds ("0xa1", "0XA1" or "161"); nothing when it holds none.
std::optional<int> linkCode(std::string_view text);
/// A number type or channel identification as the tool writes it: "0x" and two lower-case digits.
std::string hexLinkCode(int code);

} // namespace ktcticonfig
