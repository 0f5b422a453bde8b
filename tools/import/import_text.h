#pragma once
// Text helpers of the station-data importer: reading the source lists line
// by line, cutting fixed columns and delimited fields, strict number reading,
// and the compact number and field text that the channel files hold.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::import {

// Reads a source list line by line. Unlike the program's own reader, a line
// ends at LF (the source lists come from Unix systems); a CR before the LF is
// dropped. The line's storage is reused from call to call.
class SourceLineReader {
  public:
    // Lines longer than this are cut; the rest of such a line is skipped.
    static constexpr std::size_t kMaxLineLength = 1 << 20;

    SourceLineReader() = default;
    ~SourceLineReader();
    SourceLineReader(const SourceLineReader &) = delete;
    SourceLineReader &operator=(const SourceLineReader &) = delete;

    bool Open(const std::string &path);
    // False at the end of the file or after a read error.
    bool ReadLine(std::string &line);
    // 1-based number of the line last returned by ReadLine.
    long LineNumber() const { return lineNumber_; }
    bool Failed() const { return failed_; }

  private:
    bool Fill();
    std::FILE *file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    long lineNumber_ = 0;
    bool failed_ = false;
};

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

// Fixed-point text with at most `decimals` decimals and no trailing zeros:
// 32.77972 -> "32.7797", 30 -> "30", -0.00001 -> "0".
std::string CompactNumber(double value, int decimals);
// Shortest decimal text that reads back to the same double: 2.5, 0.019, 10.
std::string ShortestNumber(double value);

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
