// Civil date-time values, their text patterns ("yyyy-mm-dd hh:nn:ss" and friends) and arithmetic.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

/// A local civil date and time to the millisecond, without a time zone. Arithmetic treats every day
/// as 86,400 seconds, which is what the system's stored texts and calling windows assume.
struct DateTime
{
    int year = 1970;
    int month = 1; ///< 1..12
    int day = 1;   ///< 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    /// The local time of the system clock.
    static DateTime now();
    /// Milliseconds since 1970-01-01 00:00:00.000 (negative before it).
    std::int64_t toMilliseconds() const;
    static DateTime fromMilliseconds(std::int64_t ms);
    DateTime addMilliseconds(std::int64_t ms) const { return fromMilliseconds(toMilliseconds() + ms); }
    DateTime addMinutes(std::int64_t minutes) const { return addMilliseconds(minutes * 60000); }
    /// 0 Sunday .. 6 Saturday.
    int dayOfWeek() const;
    /// True when every field is in range for its month and year.
    bool isValid() const;

    auto operator<=>(const DateTime &) const = default;
};

/// Formats with the patterns "yyyy" (four-digit year; "yy" two digits), "mm" (month with two digits,
/// minutes when the last letter pattern before it was an hour), "m" (no padding), "dd"/"d", "hh"/"h",
/// "nn"/"n" (minutes), "ss"/"s", "zzz"/"z" (milliseconds); text in double or single quotes and every
/// other character are copied as they stand.
std::string formatDateTime(std::string_view pattern, const DateTime &value);

/// Parses "yyyy-mm-dd", "yyyy-mm-dd hh:nn" , "yyyy-mm-dd hh:nn:ss" or "yyyy-mm-dd hh:nn:ss.zzz";
/// nothing for any other text or an impossible date.
std::optional<DateTime> parseDateTime(std::string_view text);

/// True for a time of day "hh:nn" with two digits each, 00:00 to 23:59, or "24:00" for the end of the
/// day: the form in which times of day are compared as texts.
bool isTimeOfDay(std::string_view text);

} // namespace common
