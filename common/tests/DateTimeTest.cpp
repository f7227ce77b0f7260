// Date-time patterns, parsing and civil arithmetic.
#include "common/DateTime.h"

#include <gtest/gtest.h>

namespace common {
namespace {

const DateTime kSample{2026, 3, 7, 9, 5, 4, 12};

TEST(DateTimeTest, Patterns)
{
    const struct
    {
        const char *pattern, *expected;
    } cases[] = {
        {"yyyy-mm-dd hh:mm:ss", "2026-03-07 09:05:04"},
        {"yyyy-mm-dd hh:nn", "2026-03-07 09:05"},
        {"yyyymmddhhnn", "202603070905"},
        {"yyyymmddhhmmss", "20260307090504"},
        {"hh:mm:ss:zzz", "09:05:04:012"},
        {"mm/dd hh:mm", "03/07 09:05"},
        {"hhmm", "0905"},
        {"mm", "03"},
        {"hh nn mm", "09 05 03"}, // the last letter pattern before it is a minute: month
        {"yymd", "2637"},
        {"h:n:s.z", "9:5:4.12"},
        {"\"mm\"-mm", "mm-03"},
        {"'yyyy'", "yyyy"},
        {"日期 yyyy年", "日期 2026年"},
        {"", ""},
        {"\"unclosed", "unclosed"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatDateTime(c.pattern, kSample), c.expected) << c.pattern;
}

TEST(DateTimeTest, Parsing)
{
    EXPECT_EQ(parseDateTime("2026-03-07 09:05:04"), (DateTime{2026, 3, 7, 9, 5, 4, 0}));
    EXPECT_EQ(parseDateTime("2026-03-07 09:05"), (DateTime{2026, 3, 7, 9, 5, 0, 0}));
    EXPECT_EQ(parseDateTime("2026-03-07"), (DateTime{2026, 3, 7, 0, 0, 0, 0}));
    EXPECT_EQ(parseDateTime("2026-03-07 09:05:04.012"), kSample);
    EXPECT_EQ(parseDateTime("2024-02-29 00:00:00")->day, 29);
    for (const char *bad : {"", "2026-3-7", "2026-02-29", "2026-13-01", "2026-01-01 24:00", "2026-01-01 10:60",
                            "2026-01-01 10:00:00x", "2026-01-01T10:00", "abcd-ef-gh"})
        EXPECT_FALSE(parseDateTime(bad).has_value()) << bad;
}

TEST(DateTimeTest, TimesOfDayAsTheCallingWindowComparesThem)
{
    for (const char *good : {"00:00", "09:00", "23:59", "24:00"})
        EXPECT_TRUE(isTimeOfDay(good)) << good;
    for (const char *bad : {"", "9:00", "09:0", "24:01", "25:00", "12:60", " 09:00", "09:00 ", "09.00", "0a:00"})
        EXPECT_FALSE(isTimeOfDay(bad)) << bad;
}

TEST(DateTimeTest, Arithmetic)
{
    const DateTime newYearsEve{2025, 12, 31, 23, 55, 0, 0};
    EXPECT_EQ(newYearsEve.addMinutes(10), (DateTime{2026, 1, 1, 0, 5, 0, 0}));
    EXPECT_EQ(newYearsEve.addMinutes(60 * 24 * 60), (DateTime{2026, 3, 1, 23, 55, 0, 0}));
    EXPECT_EQ((DateTime{2024, 2, 28, 12, 0, 0, 0}).addMinutes(24 * 60), (DateTime{2024, 2, 29, 12, 0, 0, 0}));
    EXPECT_EQ(DateTime::fromMilliseconds(0), (DateTime{1970, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(DateTime::fromMilliseconds(-1), (DateTime{1969, 12, 31, 23, 59, 59, 999}));
    EXPECT_EQ(DateTime::fromMilliseconds(kSample.toMilliseconds()), kSample);
    EXPECT_LT(newYearsEve, newYearsEve.addMilliseconds(1));

    EXPECT_EQ((DateTime{1970, 1, 1}).dayOfWeek(), 4);
    EXPECT_EQ((DateTime{2026, 12, 12}).dayOfWeek(), 6); // a Saturday
    EXPECT_EQ((DateTime{2026, 12, 13}).dayOfWeek(), 0); // a Sunday
    EXPECT_TRUE(DateTime::now().isValid());
}

} // namespace
} // namespace common
