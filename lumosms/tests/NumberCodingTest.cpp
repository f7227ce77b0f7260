// Semi-octets, number normalisation, the service-centre choice and the time-stamp text.
#include "common/Gbk.h"
#include "lumosms/GbkUnits.h"
#include "lumosms/PhoneNumber.h"
#include "lumosms/SemiOctets.h"
#include "lumosms/ServiceCentre.h"
#include "lumosms/TimeStamp.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

TEST(SemiOctetsTest, SwapsPairsAndFillsOddCounts)
{
    EXPECT_EQ(digitsToSemiOctets("8613"), "6831");
    EXPECT_EQ(digitsToSemiOctets("123"), "21F3");
    EXPECT_EQ(digitsToSemiOctets("8613900000000"), "683109000000F0"); // 13 digits: 7 octets, F and 0 last
    EXPECT_EQ(digitsToSemiOctets(""), "");
    const std::vector<std::uint8_t> odd{0x68, 0x31, 0x09, 0x00, 0x00, 0x00, 0xF0};
    EXPECT_EQ(semiOctetsToDigits(odd), "8613900000000");
    const std::vector<std::uint8_t> even{0x68, 0x31};
    EXPECT_EQ(semiOctetsToDigits(even), "8613");
    const std::vector<std::uint8_t> zone{0x23};
    EXPECT_EQ(swapSemiOctets(zone), "32");
}

TEST(PhoneNumberTest, NormalisesToInternationalForm)
{
    const struct
    {
        const char *number, *normalised;
    } cases[] = {
        {"+8613900000000", "8613900000000"},
        {"13900000000", "8613900000000"},
        {"8613900000000", "8613900000000"},
        {"+13900000000", "8613900000000"},
        {"12345", "8612345"},
        {"", ""},
        {"+", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(normaliseNumber(c.number), c.normalised) << c.number;
    EXPECT_EQ(withoutCountryCode("8613900000000"), "13900000000");
    EXPECT_EQ(withoutCountryCode("12345"), "12345");
}

TEST(PhoneNumberTest, UsableNumbersFitTheRecordAndHoldDigitsOnly)
{
    EXPECT_TRUE(isUsableNumber("1390000000000"));   // 13 digits, 15 with "86"
    EXPECT_FALSE(isUsableNumber("13900000000000")); // 16 with "86"
    EXPECT_TRUE(isUsableNumber("861390000000000"));
    for (const char *bad : {"", "+", "139 0000 0000", "1390000000a", "+86+13900000000", "139-00000000"})
        EXPECT_FALSE(isUsableNumber(bad)) << bad;
}

TEST(ServiceCentreTest, TakesTheFirstQuotedFieldOrTheDefault)
{
    const struct
    {
        const char *reply, *fallback, *chosen;
    } cases[] = {
        {"\r\n+CSCA: \"+8613800100500\",145\r\n\r\nOK\r\n", "8613800000000", "+8613800100500"},
        {"\r\n+CSCA: \"\",129\r\n\r\nOK\r\n", "8613800000000", "8613800000000"},
        {"\r\nERROR\r\n", "+8613800000000", "+8613800000000"},
        {"\r\n+CSCA: \"+86138001005009999\",145\r\n", "13800000000", "13800000000"}, // too long: default
        {"\r\n+CSCA: \"+8613800100500", "8613800000000", "8613800000000"},           // no closing quote
        {"\r\n+CSCA: \"\",129\r\n", "", ""},
        {"\r\n+CSCA: \"\",129\r\n", "not a number", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chooseServiceCentre(c.reply, c.fallback), c.chosen) << c.reply;
}

TEST(TimeStampTest, FormatsCenturyDateAndTime)
{
    EXPECT_EQ(formatTimeStamp("07121913452800"), "2007-12-19 13:45:28");
    EXPECT_EQ(formatTimeStamp("991231235959"), "2099-12-31 23:59:59");
    EXPECT_EQ(formatTimeStamp("0712191345"), "");
    EXPECT_EQ(formatTimeStamp(""), "");
}

TEST(GbkUnitsTest, CountsAsTheSharedConversionDoes)
{
    for (std::string text :
         {std::string(""), std::string("abc"), std::string("\xD6\xD0\xCE\xC4"),
          std::string("a\x80"
                      "b"),
          std::string("a\xFF"), std::string("\xD6"), std::string(300, 'x'), std::string("\xD6\xD0x\xFF\xFE\xD6")})
        EXPECT_EQ(utf16UnitCount(text), common::gbkToUtf16(text).size()) << text;
}

} // namespace
} // namespace lumosms
