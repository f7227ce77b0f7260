// SMS-SUBMIT encoding and the length AT+CMGS announces.
#include "lumosms/PduEncoder.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

const char kZhong[] = "\xD6\xD0"; // 中 in GBK

MessageRecord submitRecord(const char *serviceCentre, const char *peer, std::string_view text)
{
    MessageRecord record;
    storeField(record.serviceCentre, serviceCentre);
    storeField(record.peer, peer);
    record.codingScheme = kCodingUcs2;
    storeField(record.userData, text);
    return record;
}

TEST(PduEncoderTest, EncodesTheReferenceMessage)
{
    const auto pdu = encodeSubmit(submitRecord("8613800000000", "8613900000000", kZhong));
    ASSERT_TRUE(pdu.has_value());
    EXPECT_EQ(*pdu, "0891683108000000F011000D91683109000000F0000800024E2D");
    EXPECT_EQ(pdu->size(), 52u);
    EXPECT_EQ(announcedLength(*pdu), 17);
}

TEST(PduEncoderTest, AnEmptyViewWithoutDataStoresAnEmptyField)
{
    MessageRecord record;
    record.peer[0] = '1';
    EXPECT_TRUE(storeField(record.peer, std::string_view()));
    EXPECT_EQ(fieldText(record.peer), "");
    EXPECT_FALSE(encodeSubmit(record).has_value()); // no destination
}

TEST(PduEncoderTest, EncodesLongestTextAndEmptyServiceCentre)
{
    std::string seventy(70, 'A');
    const auto pdu = encodeSubmit(submitRecord("", "8613900000000", seventy));
    ASSERT_TRUE(pdu.has_value());
    // "00": no service-centre address, the modem takes the one on its SIM; UDL 0x8C = 140 octets.
    EXPECT_EQ(pdu->substr(0, 26), "0011000D91683109000000F000");
    EXPECT_EQ(pdu->substr(26, 6), "08008C");
    EXPECT_EQ(pdu->size(), 32u + 280u);
    EXPECT_EQ(announcedLength(*pdu), 155);
}

TEST(PduEncoderTest, RefusesWhatAMessageCannotCarry)
{
    const struct
    {
        const char *serviceCentre, *peer;
        std::string text;
    } cases[] = {
        {"8613800000000", "8613900000000", std::string(71, 'A')},
        {"8613800000000", "8613900000000", ""},
        {"8613800000000", "", "A"},
        {"8613800000000", "86139000+0000", "A"},
        {"86138000x0000", "8613900000000", "A"},
        {"8613800000000", "8613900000000\r\nAT", "A"},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(encodeSubmit(submitRecord(c.serviceCentre, c.peer, c.text)).has_value()) << c.peer;
}

TEST(PduEncoderTest, AnnouncesTheTpduOctetsOnly)
{
    EXPECT_EQ(announcedLength(std::string("08") + std::string(48, '0')), 25 - 9);
    EXPECT_EQ(announcedLength("001100"), 2);
    for (const char *bad : {"", "0", "08", "0800", "ZZ1100", "081"})
        EXPECT_FALSE(announcedLength(bad).has_value()) << bad;
}

} // namespace
} // namespace lumosms
