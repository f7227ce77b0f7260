// The message record: one SMS with its numbers, codings, time stamp and text, copied whole into the queues.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace lumosms {

inline constexpr std::size_t kNumberFieldSize = 16;    // 15 characters and the terminator
inline constexpr std::size_t kTimeStampFieldSize = 16; // 14 digits and the terminator
inline constexpr std::size_t kUserDataFieldSize = 161; // 160 bytes of GBK text and the terminator

/// Data coding scheme of every message the library sends: UCS2.
inline constexpr std::uint8_t kCodingUcs2 = 8;

struct MessageRecord
{
    char serviceCentre[kNumberFieldSize] = {}; ///< digits without a plus sign
    char peer[kNumberFieldSize] = {};          ///< destination when sending, originator when receiving
    std::uint8_t protocolId = 0;               ///< TP-PID
    std::uint8_t codingScheme = 0;             ///< TP-DCS
    char timeStamp[kTimeStampFieldSize] = {};  ///< service-centre time stamp, 14 digits (received only)
    char userData[kUserDataFieldSize] = {};    ///< the text in GBK, zero-terminated
    std::int16_t storageIndex = 0;             ///< the modem's storage index of a received message
    std::int32_t messageId = 0;                ///< the caller's identifier of a message to be sent
};

/// Stores text with its terminator in a fixed field. A text that does not fit, or that holds a zero byte,
/// leaves the field empty and returns false: a cut number or text would be a different message.
template <std::size_t N> bool storeField(char (&field)[N], std::string_view text)
{
    std::memset(field, 0, N);
    if (text.size() >= N || text.find('\0') != std::string_view::npos)
        return false;
    // An empty view may have no data at all, which memcpy must not be given even for no bytes.
    if (!text.empty())
        std::memcpy(field, text.data(), text.size());
    return true;
}

/// The text of a fixed field, up to its terminator (or the whole field when it has none).
template <std::size_t N> std::string_view fieldText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}

} // namespace lumosms
