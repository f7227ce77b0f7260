// Number, date and format-code texts as Excel shows them.
#include "server/workbook/CellText.h"

#include <gtest/gtest.h>

namespace server::workbook {
namespace {

TEST(CellTextTest, NumbersShowTheirDigits)
{
    const struct
    {
        double value;
        const char *text;
    } cases[] = {
        {13800000000.0, "13800000000"},
        {8613912345678.0, "8613912345678"},
        {1e20, "100000000000000000000"},
        {12.5, "12.5"},
        {-3.0, "-3"},
        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"},
        {-0.0, "0"},
        {1234567.891, "1234567.891"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.5e-7, "0.00000025"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(CellTextTest, DatesInBothDateSystems)
{
    const struct
    {
        double serial;
        DateKind kind;
        bool date1904;
        const char *text;
    } cases[] = {
        {45356, DateKind::Date, false, "2024-03-05"},
        {45356.604166666667, DateKind::DateTime, false, "2024-03-05 14:30:00"},
        {45356.604166666667, DateKind::Date, false, "2024-03-05"},
        {0.34375, DateKind::Time, false, "08:15:00"},
        {36526.0000115741, DateKind::DateTime, false, "2000-01-01 00:00:01"},
        {45356.99999999, DateKind::DateTime, false, "2024-03-06 00:00:00"}, // to the nearest second
        {1, DateKind::Date, false, "1900-01-01"},
        {59, DateKind::Date, false, "1900-02-28"},
        {60, DateKind::Date, false, "1900-02-29"}, // Excel's day that never was
        {61, DateKind::Date, false, "1900-03-01"},
        {0, DateKind::Date, false, "1900-01-00"},
        {2958465, DateKind::Date, false, "9999-12-31"},
        {2958466, DateKind::Date, false, "2958466"},
        {-1, DateKind::Date, false, "-1"},
        {0, DateKind::Date, true, "1904-01-01"},
        {43894, DateKind::Date, true, "2024-03-05"},
        {45356, DateKind::None, false, "45356"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dateText(c.serial, c.kind, c.date1904), c.text) << c.serial;
}

TEST(CellTextTest, FormatCodesAndBuiltInFormats)
{
    const struct
    {
        const char *code;
        DateKind kind;
    } codes[] = {
        {"General", DateKind::None},
        {"0.00", DateKind::None},
        {"#,##0;[Red]-#,##0", DateKind::None},
        {"@", DateKind::None},
        {"0\" days\"", DateKind::None},
        {"yyyy\\-mm\\-dd", DateKind::Date},
        {"YYYY-MM-DD", DateKind::Date},
        {"mmm-yy", DateKind::Date},
        {"[$-804]yyyy\"年\"m\"月\"d\"日\"", DateKind::Date},
        {"yyyy\\-mm\\-dd\\ hh:mm:ss", DateKind::DateTime},
        {"m/d/yyyy h:mm AM/PM", DateKind::DateTime},
        {"hh:mm:ss", DateKind::Time},
        {"mm:ss", DateKind::Time},
        {"[h]:mm", DateKind::Time},
        {"[Red]\"dd\"0", DateKind::None},
    };
    for (const auto &c : codes)
        EXPECT_EQ(formatCodeKind(c.code), c.kind) << c.code;

    const struct
    {
        int id;
        DateKind kind;
    } ids[] = {{0, DateKind::None},  {2, DateKind::None},  {14, DateKind::Date}, {22, DateKind::DateTime},
               {20, DateKind::Time}, {46, DateKind::Time}, {49, DateKind::None}, {31, DateKind::Date},
               {58, DateKind::Date}, {33, DateKind::Time}, {164, DateKind::None}};
    for (const auto &c : ids)
        EXPECT_EQ(builtInFormatKind(c.id), c.kind) << c.id;
}

} // namespace
} // namespace server::workbook
