// The listing parser of AT+CMGL answers.
#include "lumosms/ListingParser.h"

#include "lumosms/PduDecoder.h"

#include <charconv>
#include <optional>

namespace lumosms {

namespace {

constexpr std::string_view kHeader = "+CMGL:";
constexpr std::string_view kLineEnd = "\r\n";

/// The integer after the header, as "%d" would read it: blanks skipped, an optional sign, digits.
std::optional<long> readIndex(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    if (start < text.size() && text[start] == '+')
        ++start;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error != std::errc{} || end == text.data() + start)
        return std::nullopt;
    return value;
}

} // namespace

std::vector<ListedMessage> parseListing(std::string_view text)
{
    std::vector<ListedMessage> records;
    std::size_t position = 0;
    while (records.size() < kMaxListedRecords) {
        const std::size_t header = text.find(kHeader, position);
        if (header == std::string_view::npos)
            break;
        const std::size_t afterHeader = header + kHeader.size();
        const std::size_t headerEnd = text.find(kLineEnd, afterHeader);
        if (headerEnd == std::string_view::npos)
            break;
        const std::size_t pduStart = headerEnd + kLineEnd.size();
        const std::size_t pduEnd = text.find(kLineEnd, pduStart);
        if (pduEnd == std::string_view::npos)
            break;
        position = pduStart;

        const auto index = readIndex(text.substr(afterHeader, headerEnd - afterHeader));
        if (!index || *index < 0 || *index > 32767)
            continue;
        const std::string_view pdu = text.substr(pduStart, pduEnd - pduStart);
        ListedMessage listed;
        listed.decoded = decodeDeliver(pdu, listed.record).status == DecodeStatus::Complete;
        if (!listed.decoded) {
            // Whatever was read before the problem is not a message: keep the PDU line instead.
            listed.record = MessageRecord{};
            listed.pdu = pdu;
        }
        listed.record.storageIndex = static_cast<std::int16_t>(*index);
        records.push_back(std::move(listed));
    }
    return records;
}

} // namespace lumosms
