// SMS-DELIVER decoding: published example PDUs, every alphabet, and PDUs that lie about their lengths.
#include "lumosms/PduDecoder.h"

#include "lumosms/PduEncoder.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

// A deliver from 8613900000000 via 8613800000000 at 07-12-19 13:45:28, with DCS, UDL and user data.
std::string deliver(const std::string &dcs, const std::string &udl, const std::string &userData)
{
    return "0891683108000000F0"
           "04"
           "0D91683109000000F0"
           "00" +
           dcs + "70219131548200" + udl + userData;
}

TEST(PduDecoderTest, DecodesPublishedExamples)
{
    const struct
    {
        const char *pdu, *serviceCentre, *peer, *timeStamp, *text;
        std::uint8_t dcs;
    } cases[] = {
        // The "hellohello" example of the widely used PDU-format tutorial (dreamfabric).
        {"07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37", "27381000015", "27838890001",
         "99032915165908", "hellohello", 0x00},
        // The SMS-DELIVER example of the GSM 03.40 article: "How are you?".
        {"07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07", "31624000000", "31641600986",
         "02082619374180", "How are you?", 0x00},
        // The same article's alphanumeric sender "diafaan" with "diafaan.com".
        {"0791448720003023240DD0E474D81C0EBB010000111011315214000BE474D81C0EBB5DE3771B", "447802000332", "diafaan",
         "11011113254100", "diafaan.com", 0x00},
    };
    for (const auto &c : cases) {
        MessageRecord record;
        const DecodeResult result = decodeDeliver(c.pdu, record);
        ASSERT_EQ(result.status, DecodeStatus::Complete) << c.pdu;
        EXPECT_EQ(fieldText(record.serviceCentre), c.serviceCentre);
        EXPECT_EQ(fieldText(record.peer), c.peer);
        EXPECT_EQ(fieldText(record.timeStamp), c.timeStamp);
        EXPECT_EQ(fieldText(record.userData), c.text);
        EXPECT_EQ(record.codingScheme, c.dcs);
        EXPECT_EQ(result.userDataCount, std::string_view(c.text).size());
    }
}

TEST(PduDecoderTest, DecodesEachAlphabet)
{
    const struct
    {
        std::string dcs, udl, userData, text;
        std::size_t count;
    } cases[] = {
        {"00", "05", "C8329BFD06", "Hello", 5},
        {"04", "03", "414243", "ABC", 3},
        {"08", "04", "4F60597D", "\xC4\xE3\xBA\xC3", 2}, // 你好 in GBK
        {"18", "04", "4F60597D", "\xC4\xE3\xBA\xC3", 2}, // UCS2 with a message class
        {"F0", "05", "C8329BFD06", "Hello", 5},          // flash message, 7-bit
        {"00", "01", "00", "@", 1},                      // septet 0 is "@", not the end of the text
        {"00", "00", "", "", 0},
    };
    for (const auto &c : cases) {
        MessageRecord record;
        const DecodeResult result = decodeDeliver(deliver(c.dcs, c.udl, c.userData), record);
        ASSERT_EQ(result.status, DecodeStatus::Complete) << c.dcs << c.userData;
        EXPECT_EQ(fieldText(record.userData), c.text);
        EXPECT_EQ(result.userDataCount, c.count);
        EXPECT_EQ(fieldText(record.peer), "8613900000000");
        EXPECT_EQ(fieldText(record.serviceCentre), "8613800000000");
        EXPECT_EQ(fieldText(record.timeStamp), "07121913452800");
    }
}

TEST(PduDecoderTest, LongestTextsFillTheirFieldExactly)
{
    MessageRecord record;
    // 160 septets of "A" packed into 140 octets; 70 UCS2 characters "中" become 140 GBK bytes.
    std::string septets;
    for (int block = 0; block < 20; ++block)
        septets += "C16030180C0683";
    EXPECT_EQ(decodeDeliver(deliver("00", "A0", septets), record).status, DecodeStatus::Complete);
    EXPECT_EQ(fieldText(record.userData), std::string(160, 'A'));
    std::string ucs2;
    for (int i = 0; i < 70; ++i)
        ucs2 += "4E2D";
    EXPECT_EQ(decodeDeliver(deliver("08", "8C", ucs2), record).status, DecodeStatus::Complete);
    EXPECT_EQ(fieldText(record.userData).size(), 140u);
}

TEST(PduDecoderTest, ReportsDamagedPdusWithoutReadingPastThem)
{
    const std::string good = deliver("08", "04", "4F60597D");
    const struct
    {
        std::string pdu;
        DecodeStatus status;
    } cases[] = {
        {"", DecodeStatus::Truncated},
        {"08", DecodeStatus::Truncated},
        {"FF91", DecodeStatus::Truncated},
        {good.substr(0, good.size() - 2), DecodeStatus::Truncated},
        {good.substr(0, 40), DecodeStatus::Truncated},
        {deliver("00", "FF", "C8329BFD06"), DecodeStatus::Truncated},
        {deliver("04", "03", "4142"), DecodeStatus::Truncated},
        {good + "0", DecodeStatus::BadHex},
        {good.substr(0, 20) + "XY" + good.substr(22), DecodeStatus::BadHex},
        {"0891683108000000F0"
         "06" +
             good.substr(20),
         DecodeStatus::NotDeliver}, // a status report
        {"0891683108000000F0"
         "01" +
             good.substr(20),
         DecodeStatus::NotDeliver},                                                     // a stored submit
        {"0C91683108000000000000000000" + good.substr(18), DecodeStatus::FieldTooLong}, // 22-digit centre
        {"0891683108000000F0"
         "04"
         "1491"
         "68310900000000000000" +
             good.substr(38),
         DecodeStatus::FieldTooLong},
        {deliver("04", "A1", std::string(322, '4')), DecodeStatus::FieldTooLong}, // 161 octets of 8-bit data
        {deliver("00", "A1", std::string(282, '0')), DecodeStatus::FieldTooLong}, // 161 septets
    };
    for (const auto &c : cases) {
        MessageRecord record;
        EXPECT_EQ(decodeDeliver(c.pdu, record).status, c.status) << c.pdu;
    }
}

TEST(PduDecoderTest, AcceptsACentreOfLengthZero)
{
    MessageRecord record;
    const std::string pdu = "00"
                            "04"
                            "0D91683109000000F0"
                            "0008"
                            "70219131548200"
                            "024E2D";
    ASSERT_EQ(decodeDeliver(pdu, record).status, DecodeStatus::Complete);
    EXPECT_EQ(fieldText(record.serviceCentre), "");
    EXPECT_EQ(fieldText(record.peer), "8613900000000");
    EXPECT_EQ(fieldText(record.userData), "\xD6\xD0");
}

TEST(PduDecoderTest, ReadsTheAlphabetOfEveryCodingGroup)
{
    const struct
    {
        std::uint8_t dcs;
        Alphabet alphabet;
    } cases[] = {
        {0x00, Alphabet::Gsm7Bit},  {0x04, Alphabet::EightBit}, {0x08, Alphabet::Ucs2},     {0x11, Alphabet::Gsm7Bit},
        {0x19, Alphabet::Ucs2},     {0x0C, Alphabet::EightBit}, {0xC0, Alphabet::Gsm7Bit},  {0xE0, Alphabet::Ucs2},
        {0xF4, Alphabet::EightBit}, {0xF1, Alphabet::Gsm7Bit},  {0x80, Alphabet::EightBit},
    };
    for (const auto &c : cases)
        EXPECT_EQ(alphabetOf(c.dcs), c.alphabet) << int(c.dcs);
}

} // namespace
} // namespace lumosms
