// Judging modem answers, answers longer than the buffer, and parsing inbox listings.
#include "lumosms/ListingParser.h"
#include "lumosms/ResponseBuffer.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

const std::string kPdu1 = "0891683108000000F0040D91683109000000F0000870219131548200044F60597D";
const std::string kPdu2 = "0891683108000000F00405812143F500007021913154820005C8329BFD06";

std::string entry(int index, const std::string &pdu)
{
    return "\r\n+CMGL: " + std::to_string(index) + ",0,," + std::to_string(pdu.size() / 2 - 9) + "\r\n" + pdu;
}

TEST(ResponseBufferTest, JudgesAnswersAsTheyGrow)
{
    const struct
    {
        std::vector<std::string> reads;
        ResponseState state;
    } cases[] = {
        {{"\r\nOK\r\n"}, ResponseState::Complete},
        {{"\r\n+CMGS: 5\r\n", "\r\nOK\r\n"}, ResponseState::Complete},
        {{"\r\nO", "K\r\n"}, ResponseState::Complete},
        {{"\r\nERROR\r\n"}, ResponseState::Error},
        {{"\r\n+CMS ERROR: 500\r\n"}, ResponseState::Error},
        {{"\r\n+CMGL: 1,0,,24\r\n"}, ResponseState::Pending},
        {{"OK"}, ResponseState::Pending},
        {{"\r\nOK\r\n", ""}, ResponseState::Pending}, // the last read brought nothing
        {{"\r\nERROR\r\n", "\r\nOK\r\n"}, ResponseState::Complete},
    };
    for (const auto &c : cases) {
        ResponseBuffer buffer;
        ResponseState state = ResponseState::Pending;
        for (const std::string &read : c.reads) {
            buffer.append(read);
            state = buffer.judge(read.size());
        }
        EXPECT_EQ(state, c.state) << c.reads.front();
    }
}

TEST(ResponseBufferTest, OverlongAnswerKeepsWhatFitsAndStillEnds)
{
    ResponseBuffer buffer;
    std::string listing;
    for (int i = 0; listing.size() < kResponseCapacity + 1000; ++i)
        listing += entry(i, kPdu1);
    listing += "\r\n\r\nOK\r\n";
    for (std::size_t at = 0; at < listing.size(); at += 128)
        buffer.append(std::string_view(listing).substr(at, 128));
    EXPECT_TRUE(buffer.overflowed());
    EXPECT_EQ(buffer.text().size(), kResponseCapacity);
    EXPECT_EQ(buffer.received(), listing.size());
    EXPECT_EQ(buffer.judge(128), ResponseState::Complete);
    // Only the entries whose PDU line ends inside the buffer are taken.
    const auto records = parseListing(buffer.text());
    std::size_t complete = 0;
    for (std::size_t end = 0; (end += entry(static_cast<int>(complete), kPdu1).size()) + 2 <= kResponseCapacity;)
        ++complete;
    EXPECT_EQ(records.size(), complete);

    buffer.clear();
    buffer.append(std::string(kResponseCapacity - 2, 'x'));
    buffer.append("ERR");
    buffer.append("OR\r\n");
    EXPECT_EQ(buffer.judge(4), ResponseState::Error);
    buffer.clear();
    EXPECT_EQ(buffer.text(), "");
    EXPECT_FALSE(buffer.overflowed());
}

TEST(ListingParserTest, TakesEveryEntryWithItsIndex)
{
    const std::string text = entry(3, kPdu1) + entry(17, kPdu2) + "\r\n\r\nOK\r\n";
    const auto records = parseListing(text);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[0].decoded && records[1].decoded);
    EXPECT_EQ(records[0].record.storageIndex, 3);
    EXPECT_EQ(fieldText(records[0].record.userData), "\xC4\xE3\xBA\xC3");
    EXPECT_EQ(records[1].record.storageIndex, 17);
    EXPECT_EQ(fieldText(records[1].record.peer), "12345");
    EXPECT_EQ(fieldText(records[1].record.userData), "Hello");
    EXPECT_EQ(records[1].pdu, "");
    EXPECT_TRUE(parseListing("\r\nOK\r\n").empty());
}

// Entries without a usable index, or cut off, are left out; those whose PDU does not decode are listed
// undecoded, with their PDU line, so that they are deleted and reported rather than delivered.
TEST(ListingParserTest, LeavesOutEntriesThatCannotBeTrusted)
{
    const std::string good = entry(1, kPdu1);
    const std::string statusReport = "0891683108000000F00600" + kPdu2.substr(24);
    const struct
    {
        std::string text;
        std::size_t count;
        std::size_t decoded;
        std::string undecoded; ///< PDU line of the undecoded entry, index 2
    } cases[] = {
        {"\r\n+CMGL: x,0,,24\r\n" + kPdu1 + good + "\r\nOK\r\n", 1, 1, ""},     // no index
        {"\r\n+CMGL: -1,0,,24\r\n" + kPdu1 + good + "\r\nOK\r\n", 1, 1, ""},    // negative index
        {"\r\n+CMGL: 40000,0,,24\r\n" + kPdu1 + good + "\r\nOK\r\n", 1, 1, ""}, // beyond a 16-bit index
        {entry(2, kPdu1.substr(0, 30)) + good + "\r\nOK\r\n", 2, 1, kPdu1.substr(0, 30)}, // shorter than its fields
        {entry(2, "ZZ" + kPdu1.substr(2)) + good + "\r\nOK\r\n", 2, 1, "ZZ" + kPdu1.substr(2)}, // not hexadecimal
        {entry(2, statusReport) + good + "\r\nOK\r\n", 2, 1, statusReport},        // not an SMS-DELIVER
        {good + "\r\n+CMGL: 2,0,,24\r\n" + kPdu1.substr(0, 20), 1, 1, ""},      // cut off in the middle
        {good + "\r\n+CMGL: 2,0,,24", 1, 1, ""},                                // header without its line
        {"\r\n+CMGL: 2,0,,24\r\n\r\nOK\r\n", 1, 0, ""},                         // empty PDU line
    };
    for (const auto &c : cases) {
        const auto records = parseListing(c.text);
        EXPECT_EQ(records.size(), c.count) << c.text;
        std::size_t decoded = 0;
        for (const ListedMessage &listed : records) {
            decoded += listed.decoded;
            if (!listed.decoded) {
                EXPECT_EQ(listed.record.storageIndex, 2) << c.text;
                EXPECT_EQ(listed.pdu, c.undecoded) << c.text;
                EXPECT_EQ(fieldText(listed.record.peer), "") << "nothing of a half-read PDU is kept";
            }
        }
        EXPECT_EQ(decoded, c.decoded) << c.text;
    }
}

TEST(ListingParserTest, TakesAtMost256Entries)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += entry(i, kPdu2);
    const auto records = parseListing(text + "\r\n\r\nOK\r\n");
    ASSERT_EQ(records.size(), kMaxListedRecords);
    EXPECT_EQ(records.back().record.storageIndex, 255);
}

} // namespace
} // namespace lumosms
