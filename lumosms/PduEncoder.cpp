// SMS-SUBMIT encoding of a message record.
#include "lumosms/PduEncoder.h"

#include "common/Gbk.h"
#include "lumosms/HexText.h"
#include "lumosms/PhoneNumber.h"
#include "lumosms/SemiOctets.h"

namespace lumosms {

namespace {

constexpr std::uint8_t kInternationalAddress = 0x91;
constexpr std::uint8_t kSubmitWithRelativeValidity = 0x11;

void appendServiceCentre(std::string &pdu, std::string_view digits)
{
    if (digits.empty()) {
        appendHexOctet(pdu, 0x00);
        return;
    }
    appendHexOctet(pdu, static_cast<std::uint8_t>((digits.size() + 1) / 2 + 1));
    appendHexOctet(pdu, kInternationalAddress);
    pdu += digitsToSemiOctets(digits);
}

void appendDestination(std::string &pdu, std::string_view digits)
{
    appendHexOctet(pdu, static_cast<std::uint8_t>(digits.size()));
    appendHexOctet(pdu, kInternationalAddress);
    pdu += digitsToSemiOctets(digits);
}

} // namespace

std::optional<std::string> encodeSubmit(const MessageRecord &record)
{
    const std::string_view serviceCentre = fieldText(record.serviceCentre);
    const std::string_view destination = fieldText(record.peer);
    if (!(serviceCentre.empty() || (isDigits(serviceCentre) && serviceCentre.size() <= kMaxNumberLength)))
        return std::nullopt;
    if (!isDigits(destination) || destination.size() > kMaxNumberLength)
        return std::nullopt;
    const std::u16string units = common::gbkToUtf16(fieldText(record.userData));
    if (units.empty() || units.size() > kMaxUcs2Units)
        return std::nullopt;

    std::string pdu;
    appendServiceCentre(pdu, serviceCentre);
    appendHexOctet(pdu, kSubmitWithRelativeValidity);
    appendHexOctet(pdu, 0x00); // message reference: the modem assigns its own
    appendDestination(pdu, destination);
    appendHexOctet(pdu, 0x00);        // protocol identifier
    appendHexOctet(pdu, kCodingUcs2); // data coding scheme
    appendHexOctet(pdu, 0x00);        // validity period
    appendHexOctet(pdu, static_cast<std::uint8_t>(units.size() * 2));
    for (char16_t unit : units) {
        appendHexOctet(pdu, static_cast<std::uint8_t>(unit >> 8));
        appendHexOctet(pdu, static_cast<std::uint8_t>(unit & 0xFF));
    }
    return pdu;
}

std::optional<int> announcedLength(std::string_view pduHex)
{
    if (pduHex.size() < 2 || pduHex.size() % 2 != 0)
        return std::nullopt;
    const auto high = hexDigitValue(pduHex[0]);
    const auto low = hexDigitValue(pduHex[1]);
    if (!high || !low)
        return std::nullopt;
    const int length = static_cast<int>(pduHex.size() / 2) - ((*high << 4 | *low) + 1);
    if (length <= 0)
        return std::nullopt;
    return length;
}

} // namespace lumosms
