// The text of a number, a date or a boolean cell as a person sees it in Excel.
#pragma once

#include <string>
#include <string_view>

namespace server::workbook {

/// What a cell's number format makes of its number.
enum class DateKind
{
    None,    ///< a plain number
    Date,    ///< "yyyy-mm-dd"
    Time,    ///< "hh:mm:ss"
    DateTime ///< "yyyy-mm-dd hh:mm:ss"
};

/// A number as its digits: an integral value never shows an exponent (13800000000 stays
/// "13800000000"); any other value is rounded to Excel's 15 significant digits and written as the
/// shortest decimal that reads back as that value (12.5, 0.3, 0.0001).
std::string numberText(double value);

/// What a date-formatted number shows: the date, the time of day, or both (see DateKind), to the
/// nearest second. Serial numbers count days from 1899-12-31 in the 1900 date system, where Excel's
/// serial 60 is the nonexistent 1900-02-29 and serial 0 is "1900-01-00", or from 1904-01-01 in the
/// 1904 date system. A value outside 0 to 9999-12-31 shows as a plain number.
std::string dateText(double serial, DateKind kind, bool date1904);

/// The kind of one of Excel's built-in number formats, those of the Chinese edition included.
DateKind builtInFormatKind(int formatId);

/// The kind of a custom format code: date letters (y, d, m) and time letters (h, s, and elapsed
/// [h], [m], [s]) outside quoted text, escaped characters and other brackets ([Red], [$-804]). An
/// m counts as minutes when the code has hours or seconds.
DateKind formatCodeKind(std::string_view code);

/// "TRUE" or "FALSE", as Excel shows a boolean.
std::string_view booleanText(bool value);

} // namespace server::workbook
