// SMS-DELIVER decoding of one PDU line.
#include "lumosms/PduDecoder.h"

#include "common/Gbk.h"
#include "lumosms/HexText.h"
#include "lumosms/SemiOctets.h"
#include "lumosms/Septets.h"

#include <optional>
#include <span>
#include <vector>

namespace lumosms {

namespace {

constexpr std::uint8_t kMessageTypeMask = 0x03;
constexpr std::uint8_t kDeliverType = 0x00;
constexpr std::uint8_t kTypeOfNumberMask = 0x70;
constexpr std::uint8_t kAlphanumeric = 0x50;
constexpr std::size_t kTimeStampOctets = 7;

/// Reads octets in order and never past the end; a read that does not fit marks the reader short.
class OctetReader
{
public:
    explicit OctetReader(std::span<const std::uint8_t> octets) : m_octets(octets) {}

    std::optional<std::uint8_t> octet()
    {
        if (m_position >= m_octets.size())
            return std::nullopt;
        return m_octets[m_position++];
    }

    std::optional<std::span<const std::uint8_t>> octets(std::size_t count)
    {
        if (count > m_octets.size() - m_position)
            return std::nullopt;
        const auto part = m_octets.subspan(m_position, count);
        m_position += count;
        return part;
    }

private:
    std::span<const std::uint8_t> m_octets;
    std::size_t m_position = 0;
};

/// Septets as text. Septet 0 is the GSM "@"; kept as a zero byte it would end the text there and lose
/// the rest, so it alone is stored as "@"; every other septet value is kept as it is.
std::string septetText(std::span<const std::uint8_t> octets, std::size_t count)
{
    std::string text = unpackSeptets(octets, count);
    for (char &c : text)
        if (c == '\0')
            c = '@';
    return text;
}

/// The originator: digits in semi-octets, or for an alphanumeric sender its name in packed septets.
std::optional<std::string> readOriginator(OctetReader &reader)
{
    const auto digitCount = reader.octet();
    const auto type = reader.octet();
    if (!digitCount || !type)
        return std::nullopt;
    const auto octets = reader.octets((*digitCount + 1u) / 2);
    if (!octets)
        return std::nullopt;
    if ((*type & kTypeOfNumberMask) == kAlphanumeric)
        return septetText(*octets, *digitCount * 4u / 7);
    return semiOctetsToDigits(*octets);
}

DecodeResult decodeUserData(OctetReader &reader, Alphabet alphabet, std::size_t length, MessageRecord &record)
{
    switch (alphabet) {
    case Alphabet::Gsm7Bit: {
        const auto octets = reader.octets(packedOctetCount(length));
        if (!octets)
            return {DecodeStatus::Truncated, 0};
        const std::string text = septetText(*octets, length);
        if (!storeField(record.userData, text))
            return {DecodeStatus::FieldTooLong, 0};
        return {DecodeStatus::Complete, text.size()};
    }
    case Alphabet::Ucs2: {
        const auto octets = reader.octets(length);
        if (!octets)
            return {DecodeStatus::Truncated, 0};
        std::u16string units;
        for (std::size_t i = 0; i + 1 < octets->size(); i += 2)
            units += static_cast<char16_t>((*octets)[i] << 8 | (*octets)[i + 1]);
        const std::string gbk = common::utf16ToGbk(units);
        if (!storeField(record.userData, gbk.substr(0, gbk.find('\0'))))
            return {DecodeStatus::FieldTooLong, 0};
        return {DecodeStatus::Complete, units.size()};
    }
    case Alphabet::EightBit:
        break;
    }
    const auto octets = reader.octets(length);
    if (!octets)
        return {DecodeStatus::Truncated, 0};
    const std::string_view data(reinterpret_cast<const char *>(octets->data()), octets->size());
    // Binary data may hold zero bytes; the text field ends at the first of them, as a C string would.
    if (!storeField(record.userData, data.substr(0, data.find('\0'))))
        return {DecodeStatus::FieldTooLong, 0};
    return {DecodeStatus::Complete, octets->size()};
}

} // namespace

Alphabet alphabetOf(std::uint8_t codingScheme)
{
    const unsigned group = codingScheme >> 4;
    if (group <= 0x7) { // general data coding, compressed or not, with or without a class
        switch ((codingScheme >> 2) & 0x03) {
        case 0:
            return Alphabet::Gsm7Bit;
        case 2:
            return Alphabet::Ucs2;
        default:
            return Alphabet::EightBit;
        }
    }
    if (group == 0xC || group == 0xD)
        return Alphabet::Gsm7Bit;
    if (group == 0xE)
        return Alphabet::Ucs2;
    if (group == 0xF)
        return (codingScheme & 0x04) ? Alphabet::EightBit : Alphabet::Gsm7Bit;
    return Alphabet::EightBit; // reserved groups: hand the octets over as they are
}

DecodeResult decodeDeliver(std::string_view pduHex, MessageRecord &record)
{
    record = MessageRecord{};
    const auto octets = fromHex(pduHex);
    if (!octets)
        return {DecodeStatus::BadHex, 0};
    OctetReader reader(*octets);

    const auto serviceCentreLength = reader.octet();
    if (!serviceCentreLength)
        return {DecodeStatus::Truncated, 0};
    // Length 0 means the PDU carries no service-centre address at all, not even its type octet.
    if (*serviceCentreLength > 0) {
        const auto address = reader.octets(*serviceCentreLength);
        if (!address)
            return {DecodeStatus::Truncated, 0};
        if (!storeField(record.serviceCentre, semiOctetsToDigits(address->subspan(1))))
            return {DecodeStatus::FieldTooLong, 0};
    }

    const auto firstOctet = reader.octet();
    if (!firstOctet)
        return {DecodeStatus::Truncated, 0};
    if ((*firstOctet & kMessageTypeMask) != kDeliverType)
        return {DecodeStatus::NotDeliver, 0};

    const auto originator = readOriginator(reader);
    if (!originator)
        return {DecodeStatus::Truncated, 0};
    if (!storeField(record.peer, *originator))
        return {DecodeStatus::FieldTooLong, 0};

    const auto protocolId = reader.octet();
    const auto codingScheme = reader.octet();
    const auto timeStamp = reader.octets(kTimeStampOctets);
    const auto userDataLength = reader.octet();
    if (!protocolId || !codingScheme || !timeStamp || !userDataLength)
        return {DecodeStatus::Truncated, 0};
    record.protocolId = *protocolId;
    record.codingScheme = *codingScheme;
    storeField(record.timeStamp, swapSemiOctets(*timeStamp));

    return decodeUserData(reader, alphabetOf(*codingScheme), *userDataLength, record);
}

} // namespace lumosms
