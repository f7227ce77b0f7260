// Number, date and boolean texts shared by the .xls and .xlsx readers.
#include "server/workbook/CellText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace server::workbook {

namespace {

// Days from 1970-01-01 to the given civil date's parts, the other way round (proleptic Gregorian).
struct CivilDate
{
    long long year;
    int month;
    int day;
};

CivilDate civilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// 1899-12-30 and 1904-01-01 as days from 1970-01-01.
constexpr long long kDays1899_12_30 = -25569;
constexpr long long kDays1904_01_01 = -24107;
// 9999-12-31, the last day Excel shows.
constexpr double kLastSerial1900 = 2958465.0;
constexpr double kLastSerial1904 = kLastSerial1900 - 1462.0;

std::string dayText(long long serialDay, bool date1904)
{
    char out[32];
    if (!date1904 && serialDay == 0)
        return "1900-01-00";
    if (!date1904 && serialDay == 60)
        return "1900-02-29";
    long long days;
    if (date1904)
        days = kDays1904_01_01 + serialDay;
    else
        days = (serialDay < 60 ? kDays1899_12_30 + 1 : kDays1899_12_30) + serialDay;
    const CivilDate d = civilFromDays(days);
    std::snprintf(out, sizeof out, "%04lld-%02d-%02d", d.year, d.month, d.day);
    return out;
}

std::string clockText(long long secondOfDay)
{
    char out[32];
    std::snprintf(out, sizeof out, "%02lld:%02lld:%02lld", secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return out;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string numberText(double value)
{
    if (!std::isfinite(value))
        return "#NUM!";
    if (value == 0.0)
        return "0";
    char out[400];
    if (std::floor(value) == value) {
        std::snprintf(out, sizeof out, "%.0f", value);
        return out;
    }
    // Fifteen significant digits, as Excel shows a number; then the shortest text of that value.
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14e", value);
    const double rounded = std::strtod(digits, nullptr);
    const auto result = std::to_chars(out, out + sizeof out, rounded, std::chars_format::fixed);
    return std::string(out, result.ptr);
}

std::string dateText(double serial, DateKind kind, bool date1904)
{
    if (kind == DateKind::None || !(serial >= 0.0) || serial >= (date1904 ? kLastSerial1904 : kLastSerial1900) + 1.0)
        return numberText(serial);
    const long long seconds = std::llround(serial * 86400.0);
    const long long day = seconds / 86400;
    const long long secondOfDay = seconds % 86400;
    switch (kind) {
    case DateKind::Date:
        return dayText(day, date1904);
    case DateKind::Time:
        return clockText(secondOfDay);
    case DateKind::DateTime:
        return dayText(day, date1904) + ' ' + clockText(secondOfDay);
    case DateKind::None:
        break;
    }
    return numberText(serial);
}

DateKind builtInFormatKind(int formatId)
{
    switch (formatId) {
    case 14:
    case 15:
    case 16:
    case 17:
    // The Chinese edition's built-in dates: "yyyy年m月", "m月d日", "yyyy年m月d日" and the like.
    case 27:
    case 28:
    case 29:
    case 30:
    case 31:
    case 36:
    case 50:
    case 51:
    case 52:
    case 53:
    case 54:
    case 57:
    case 58:
        return DateKind::Date;
    case 18:
    case 19:
    case 20:
    case 21:
    case 45:
    case 46:
    case 47:
    // The Chinese edition's "h时mm分" and "上午/下午h时mm分" times.
    case 32:
    case 33:
    case 34:
    case 35:
    case 55:
    case 56:
        return DateKind::Time;
    case 22:
        return DateKind::DateTime;
    default:
        return DateKind::None;
    }
}

DateKind formatCodeKind(std::string_view code)
{
    bool date = false;
    bool time = false;
    bool month = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = lower(code[i]);
        if (c == '"') {
            const std::size_t close = code.find('"', i + 1);
            if (close == std::string_view::npos)
                break;
            i = close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // the next character is literal, or a padding or fill character
        } else if (c == '[') {
            const std::size_t close = code.find(']', i + 1);
            if (close == std::string_view::npos)
                break;
            // [h], [mm], [ss]: elapsed time; anything else ([Red], [$-804], [>100]) is no date.
            const std::string_view inside = code.substr(i + 1, close - i - 1);
            bool elapsed = !inside.empty();
            for (const char e : inside)
                elapsed = elapsed && (lower(e) == 'h' || lower(e) == 'm' || lower(e) == 's');
            time = time || elapsed;
            i = close;
        } else if (c == 'y' || c == 'd') {
            date = true;
        } else if (c == 'h' || c == 's') {
            time = true;
        } else if (c == 'm') {
            month = true;
        }
    }
    if (month && !time)
        date = true;
    if (date && time)
        return DateKind::DateTime;
    if (date)
        return DateKind::Date;
    return time ? DateKind::Time : DateKind::None;
}

std::string_view booleanText(bool value)
{
    return value ? "TRUE" : "FALSE";
}

} // namespace server::workbook
