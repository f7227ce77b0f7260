// Fuzz target: the SMS-SUBMIT encoder and the number normaliser. The input is the service-centre
// number, the destination and the GBK text, separated by NUL bytes. A PDU the encoder makes, turned
// into the SMS-DELIVER a receiver would list, must decode to the same numbers and text.
#include "FuzzScratch.h"
#include "common/Gbk.h"
#include "lumosms/PduDecoder.h"
#include "lumosms/PduEncoder.h"
#include "lumosms/PhoneNumber.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkNormalised(std::string_view number)
{
    const std::string normalised = lumosms::normaliseNumber(number);
    if (lumosms::normaliseNumber(normalised) != normalised)
        std::abort(); // normalising twice changes nothing
    if (lumosms::isUsableNumber(number) &&
        (!lumosms::isDigits(normalised) || normalised.size() > lumosms::kMaxNumberLength))
        std::abort();
    if (!number.empty() && number.front() != '+' && !number.starts_with("86") &&
        lumosms::withoutCountryCode(normalised) != number)
        std::abort(); // the country code put in front comes off again
}

std::size_t hexValue(std::string_view hex)
{
    return std::stoul(std::string(hex), nullptr, 16);
}

// The SMS-DELIVER with the submit's numbers and user data: service-centre part, first octet 04,
// originator, PID 00, DCS 08, a fixed time stamp, user-data length and user data.
std::string deliverFromSubmit(const std::string &submit)
{
    const std::size_t serviceCentreEnd = 2 + 2 * hexValue(submit.substr(0, 2));
    const std::size_t addressAt = serviceCentreEnd + 4; // after the first octet and the message reference
    const std::size_t digits = hexValue(submit.substr(addressAt, 2));
    const std::size_t addressEnd = addressAt + 4 + 2 * ((digits + 1) / 2);
    const std::size_t userDataAt = addressEnd + 6; // after PID, DCS and the validity period
    return submit.substr(0, serviceCentreEnd) + "04" + submit.substr(addressAt, addressEnd - addressAt) + "0008" +
           "11111111111100" + submit.substr(userDataAt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input = fuzz::asText(data, size);
    const std::string_view serviceCentre = fuzz::takePart(input);
    const std::string_view destination = fuzz::takePart(input);
    const std::string_view text = fuzz::takePart(input);
    checkNormalised(serviceCentre);
    checkNormalised(destination);

    lumosms::MessageRecord record;
    if (!lumosms::storeField(record.serviceCentre, serviceCentre) || !lumosms::storeField(record.peer, destination) ||
        !lumosms::storeField(record.userData, text))
        return 0;
    const auto pdu = lumosms::encodeSubmit(record);
    if (!pdu)
        return 0;
    if (pdu->size() % 2 != 0 || pdu->find_first_not_of("0123456789ABCDEF") != std::string::npos)
        std::abort();
    const auto length = lumosms::announcedLength(*pdu);
    if (!length || static_cast<std::size_t>(*length) * 2 + 2 + 2 * hexValue(pdu->substr(0, 2)) != pdu->size())
        std::abort(); // the announced length counts the TPDU exactly

    lumosms::MessageRecord received;
    const lumosms::DecodeResult result = lumosms::decodeDeliver(deliverFromSubmit(*pdu), received);
    if (result.status != lumosms::DecodeStatus::Complete ||
        lumosms::fieldText(received.serviceCentre) != lumosms::fieldText(record.serviceCentre) ||
        lumosms::fieldText(received.peer) != lumosms::fieldText(record.peer))
        std::abort();
    // A text that converts cleanly comes back byte for byte; other bytes come back as replacements.
    const std::string_view sent = lumosms::fieldText(record.userData);
    if (common::utf16ToGbk(common::gbkToUtf16(sent)) == sent && lumosms::fieldText(received.userData) != sent)
        std::abort();
    return 0;
}
