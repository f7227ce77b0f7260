// Civil date-time arithmetic (days from civil dates and back), formatting and parsing.
#include "common/DateTime.h"

#include <ctime>
#include <sys/time.h>

namespace common {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int &year, int &month, int &day)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

bool isLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

void appendNumber(std::string &out, long value, int width)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0)
        out += '-';
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Reads exactly `width` digits at pos.
bool readDigits(std::string_view text, std::size_t &pos, std::size_t width, int &value)
{
    if (pos + width > text.size())
        return false;
    value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    pos += width;
    return true;
}

bool expect(std::string_view text, std::size_t &pos, char c)
{
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

} // namespace

DateTime DateTime::now()
{
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::tm tm{};
    const time_t secs = tv.tv_sec;
    localtime_r(&secs, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
            static_cast<int>(tv.tv_usec / 1000)};
}

std::int64_t DateTime::toMilliseconds() const
{
    const std::int64_t days = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    return days * kMsPerDay + ((hour * 60ll + minute) * 60 + second) * 1000 + millisecond;
}

DateTime DateTime::fromMilliseconds(std::int64_t ms)
{
    std::int64_t days = ms / kMsPerDay;
    std::int64_t rest = ms % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --days;
    }
    DateTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600000);
    t.minute = static_cast<int>(rest / 60000 % 60);
    t.second = static_cast<int>(rest / 1000 % 60);
    t.millisecond = static_cast<int>(rest % 1000);
    return t;
}

int DateTime::dayOfWeek() const
{
    const std::int64_t days = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

bool DateTime::isValid() const
{
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) && hour >= 0 && hour < 24 &&
           minute >= 0 && minute < 60 && second >= 0 && second < 60 && millisecond >= 0 && millisecond < 1000;
}

std::string formatDateTime(std::string_view pattern, const DateTime &v)
{
    std::string out;
    out.reserve(pattern.size() + 8);
    char lastLetter = 0; // the last letter pattern, so that "mm" after an hour means minutes
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end == pattern.size() ? end : end + 1;
            continue;
        }
        const char u = upper(c);
        std::size_t run = 1;
        while (i + run < pattern.size() && upper(pattern[i + run]) == u)
            ++run;
        switch (u) {
        case 'Y':
            if (run <= 2)
                appendNumber(out, v.year % 100, 2);
            else
                appendNumber(out, v.year, 4);
            break;
        case 'M':
            if (lastLetter == 'H') {
                appendNumber(out, v.minute, run >= 2 ? 2 : 1);
            } else {
                appendNumber(out, v.month, run >= 2 ? 2 : 1);
            }
            break;
        case 'D':
            appendNumber(out, v.day, run >= 2 ? 2 : 1);
            break;
        case 'H':
            appendNumber(out, v.hour, run >= 2 ? 2 : 1);
            break;
        case 'N':
            appendNumber(out, v.minute, run >= 2 ? 2 : 1);
            break;
        case 'S':
            appendNumber(out, v.second, run >= 2 ? 2 : 1);
            break;
        case 'Z':
            appendNumber(out, v.millisecond, run >= 3 ? 3 : 1);
            break;
        default:
            out.append(pattern.substr(i, run));
            break;
        }
        if (u >= 'A' && u <= 'Z')
            lastLetter = u;
        i += run;
    }
    return out;
}

std::optional<DateTime> parseDateTime(std::string_view text)
{
    DateTime t;
    std::size_t pos = 0;
    if (!readDigits(text, pos, 4, t.year) || !expect(text, pos, '-') || !readDigits(text, pos, 2, t.month) ||
        !expect(text, pos, '-') || !readDigits(text, pos, 2, t.day))
        return std::nullopt;
    if (pos < text.size()) {
        if (!expect(text, pos, ' ') || !readDigits(text, pos, 2, t.hour) || !expect(text, pos, ':') ||
            !readDigits(text, pos, 2, t.minute))
            return std::nullopt;
        if (pos < text.size() && (!expect(text, pos, ':') || !readDigits(text, pos, 2, t.second)))
            return std::nullopt;
        if (pos < text.size() && (!expect(text, pos, '.') || !readDigits(text, pos, 3, t.millisecond)))
            return std::nullopt;
    }
    if (pos != text.size() || !t.isValid())
        return std::nullopt;
    return t;
}

bool isTimeOfDay(std::string_view t)
{
    const auto digit = [&](std::size_t i) { return t[i] >= '0' && t[i] <= '9'; };
    if (t.size() != 5 || t[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
        return false;
    const int hours = (t[0] - '0') * 10 + (t[1] - '0');
    return (hours < 24 && t[3] < '6') || t == "24:00";
}

} // namespace common
