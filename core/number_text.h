#pragma once
// Reading and writing of numbers as text, and the splitting of data lines into
// fields and words. None of these touch a file or show a message.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavik {

// Reads a number typed by a user or held in a settings line, in a forgiving
// engineering notation: digits, "." or "," as decimal point, a sign, an
// exponent and one suffix letter for a power of ten ("1.19k", "5 kW",
// "-84,32"). Blanks and unknown characters are ignored; at most 16 digits
// count. The result is single precision, clamped to +-1e10; an overflow
// gives +1e10 whatever the sign. Never fails: text without a number is 0.
float ParseNumberText(std::string_view text);

// Short display text of a number: "G"/"M" above a billion/million, fewer
// decimals as the value grows, no zero before the point (".25"), "0" for
// magnitudes of 0.00001 and below.
std::string FormatNumberText(double value);

// Shortest decimal text that reads back to the same single-precision value
// ("1340", "32.78", "-0.25", "1e+10" style is never used below 1e16).
std::string ShortestText(float value);

// A number as the platform prints one, with its sign position: a blank
// before a value that is not negative (" 36.02", " 0"), "-" before a
// negative one ("-84.32"); then ShortestText.
std::string SignedNumberText(float value);

// The platform's plain number reading, used for the numeric fields of data
// files: the decimal number at the head of the text (optional sign, digits,
// optional "." and fraction, optional "E" or "D" exponent); blanks and tabs
// anywhere are skipped; reading stops at the first character that cannot
// continue the number; no number reads as 0. Returns false when the value
// lies beyond double range (an overflow the caller treats as a read failure).
bool ReadPlainNumber(std::string_view text, double &value);

// The whole of `text` as a decimal number: an optional sign, digits, point
// and exponent, nothing before or after it; locale-independent. Nothing when
// anything else is in it or the value is not finite. The strict reading of
// command-line values and of the imported public lists.
std::optional<double> ParseStrictNumber(std::string_view text);
// The same for a decimal whole number.
std::optional<long> ParseStrictWhole(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), and stores it as a signed 16-bit value.
// False, `out` untouched, when the rounded value lies outside -32768..32767
// or `value` is not a number.
bool RoundToInt16(double value, int16_t &out);

// Stores a double as single precision, rounded to nearest. False, `out`
// untouched, when the value rounds beyond the single range (about 3.4e38)
// or is not a number; values too small for single become 0.
bool ToSingle(double value, float &out);

// `text` without its leading and trailing blanks (spaces only).
std::string_view TrimBlanks(std::string_view text);

// Takes the first comma-delimited field off the front of `line`. Leading
// commas are skipped and a run of commas counts as one separator. When the
// line holds no further field, `field` keeps its previous value and `line`
// becomes empty. The views point into the caller's buffer.
void TakeField(std::string_view &line, std::string_view &field);
void TakeField(std::string &line, std::string &field);

// The same with the blank (space) as delimiter, for outline lines.
void TakeWord(std::string_view &line, std::string_view &word);
void TakeWord(std::string &line, std::string &word);


} // namespace tavik
