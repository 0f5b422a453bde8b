#pragma once
// Text helpers of the station-data importer: reading the source lists line
// by line, cutting fixed columns and delimited fields, strict number reading,
// and the compact number and field text that the channel files hold.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::import {

std::string_view Trim(std::string_view text);

// Columns [begin, end) of a fixed-column line, trimmed; the part beyond the
// end of a short line is taken as blank.
std::string_view Columns(std::string_view line, std::size_t begin,
                         std::size_t end);

// Splits on `delimiter` into views of `line` (no quoting). `fields` is reused.
void SplitFields(std::string_view line, char delimiter,
                 std::vector<std::string_view> &fields);

// Splits one CSV line: fields may be quoted with '"' ("" inside a quoted
// field is one quote). Quoted fields are copied unquoted into `fields`.
void SplitCsv(std::string_view line, std::vector<std::string> &fields);

// The whole of `text` (blanks around it allowed) as a decimal number, or
// nothing when anything else is in it or the value is not finite.
std::optional<double> ParseNumber(std::string_view text);
// The whole of `text` as a decimal whole number.
std::optional<long> ParseWhole(std::string_view text);

// The program keeps every fractional field of a channel file in single
// precision and refuses a file holding a value beyond that range. The value
// as the program will hold it, or nothing when it is not finite there
// (beyond about 3.4e38, infinite or not a number).
std::optional<float> ToChannelSingle(double value);

// Text of a number that the program reads back as exactly `value` rounded
// to `decimals` decimals and then to single precision, with no trailing
// zeros: 32.77972 -> "32.7797", 30 -> "30", -0.00001 -> "0". Large values
// take an exponent ("1E30") rather than dozens of digits. Nothing when the
// rounded value is not finite in single precision.
std::optional<std::string> CompactNumber(double value, int decimals);
// The shortest text that the program reads back as the same single-precision
// value: 2.5, 0.019, 10, 1E-7, 3.4E38; nothing when there is none.
std::optional<std::string> ShortestNumber(double value);

// A text field of a channel file: the line is split on commas with empty
// fields collapsed, so a field may hold no comma and may not be empty.
// Commas and control characters become blanks, runs of blanks one blank,
// blanks around the text are removed; an empty result gives `placeholder`.
std::string ChannelFileText(std::string_view text,
                            std::string_view placeholder);

// Capital letters, and the accented Latin letters of UTF-8 text reduced to
// their plain letter (Montréal -> MONTREAL); the lists are 8-bit text and
// searched in capitals. Other non-ASCII characters are dropped.
std::string PlainCapitals(std::string_view text);

} // namespace tavik::import
