#include "tools/import/import_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/number_text.h"

namespace tavik::import {

std::string_view Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t' || text[b] == '\r'))
        ++b;
    while (e > b &&
           (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r'))
        --e;
    return text.substr(b, e - b);
}

std::string_view Columns(std::string_view line, std::size_t begin,
                         std::size_t end) {
    if (begin >= line.size() || end <= begin)
        return {};
    return Trim(line.substr(begin, end - begin));
}

void SplitFields(std::string_view line, char delimiter,
                 std::vector<std::string_view> &fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t at = line.find(delimiter, start);
        if (at == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return;
        }
        fields.push_back(line.substr(start, at - start));
        start = at + 1;
    }
}

void SplitCsv(std::string_view line, std::vector<std::string> &fields) {
    std::size_t count = 0;
    std::size_t i = 0;
    for (;;) {
        if (fields.size() <= count)
            fields.emplace_back();
        std::string &field = fields[count++];
        field.clear();
        bool quoted = false;
        for (; i < line.size(); ++i) {
            char c = line[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field.push_back('"');
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    field.push_back(c);
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                break;
            } else {
                field.push_back(c);
            }
        }
        if (i >= line.size())
            break;
        ++i; // past the comma
    }
    fields.resize(count);
}

std::optional<double> ParseNumber(std::string_view text) {
    return tavik::ParseStrictNumber(Trim(text));
}

std::optional<long> ParseWhole(std::string_view text) {
    return tavik::ParseStrictWhole(Trim(text));
}

std::optional<float> ToChannelSingle(double value) {
    float single = 0;
    if (!tavik::ToSingle(value, single) || !std::isfinite(single))
        return std::nullopt;
    return single;
}

namespace {

// "1.5e+38" as the program's reader takes it best: "1.5E38", "1E-7".
std::string ExponentAsRead(const char *begin, const char *end) {
    std::string out;
    for (const char *p = begin; p != end; ++p) {
        if (*p != 'e') {
            out.push_back(*p);
            continue;
        }
        out.push_back('E');
        if (p + 1 != end && (p[1] == '+' || p[1] == '-'))
            ++p;
        if (*p == '-')
            out.push_back('-');
        while (p + 2 < end && p[1] == '0') // "E-07" -> "E-7"
            ++p;
    }
    return out;
}

// True when the program's field reading (decimal to double, then single)
// gives exactly `single` for `text`.
bool ReadsBackAs(const std::string &text, float single) {
    double read = 0;
    float stored = 0;
    return tavik::ReadPlainNumber(text, read) && tavik::ToSingle(read, stored) &&
           stored == single;
}

} // namespace

std::optional<std::string> ShortestNumber(double value) {
    const std::optional<float> single = ToChannelSingle(value);
    if (!single)
        return std::nullopt;
    if (*single == 0)
        return "0"; // "-0" too
    // The shortest round trip of the single value, plain or with an
    // exponent, whichever is shorter. The program reads through double
    // precision, which could in principle round a text lying next to a
    // halfway point the other way, so the text is read back as the program
    // does and given more digits when it does not come back the same.
    char text[48];
    auto result = std::to_chars(text, text + sizeof text, *single);
    std::string out = ExponentAsRead(text, result.ptr);
    for (int digits = 9; !ReadsBackAs(out, *single) && digits <= 17; ++digits) {
        result = std::to_chars(text, text + sizeof text, *single,
                               std::chars_format::general, digits);
        out = ExponentAsRead(text, result.ptr);
    }
    return out;
}

std::optional<std::string> CompactNumber(double value, int decimals) {
    if (!std::isfinite(value))
        return std::nullopt;
    // Rounded in decimal from the exact binary value (printf's rounding);
    // from 1e15 on there are no decimals left to round away.
    if (std::fabs(value) < 1e15 && decimals >= 0 && decimals <= 9) {
        char text[48];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        value = std::strtod(text, nullptr);
    }
    return ShortestNumber(value);
}

std::string ChannelFileText(std::string_view text,
                            std::string_view placeholder) {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (char c : text) {
        bool isBlank = c == ',' || c == ' ' ||
                       static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        if (isBlank) {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out.push_back(' ');
        blank = false;
        out.push_back(c);
    }
    if (out.empty())
        out = placeholder;
    return out;
}

namespace {

// Plain capitals of the Latin-1 letters U+00C0 ... U+00FF; "" drops the sign.
const char *const kLatin1Plain[64] = {
    "A", "A", "A", "A", "A",  "A",  "AE", "C", "E", "E", "E",  "E", "I",
    "I", "I", "I", "D", "N",  "O",  "O",  "O", "O", "O", "",   "O", "U",
    "U", "U", "U", "Y", "TH", "SS", "A",  "A", "A", "A", "A",  "A", "AE",
    "C", "E", "E", "E", "E",  "I",  "I",  "I", "I", "D", "N",  "O", "O",
    "O", "O", "O", "",  "O",  "U",  "U",  "U", "U", "Y", "TH", "Y"};

} // namespace

std::string PlainCapitals(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 32)
                                               : static_cast<char>(c));
            continue;
        }
        unsigned code = c;
        unsigned char next =
            i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((c & 0xe0) == 0xc0 && (next & 0xc0) == 0x80) {
            code = ((c & 0x1fu) << 6) | (next & 0x3fu);
            ++i;
        } else if ((c & 0xf0) == 0xe0 && (next & 0xc0) == 0x80 &&
                   i + 2 < text.size() &&
                   (static_cast<unsigned char>(text[i + 2]) & 0xc0) == 0x80) {
            code = ((c & 0x0fu) << 12) | ((next & 0x3fu) << 6) |
                   (static_cast<unsigned char>(text[i + 2]) & 0x3fu);
            i += 2;
        } else if (c < 0xc0) {
            continue; // a stray continuation byte
        }
        // A lone byte of 0xC0 and above that starts no UTF-8 sequence is
        // taken as Latin-1.
        if (code >= 0xc0 && code <= 0xff)
            out += kLatin1Plain[code - 0xc0];
        else if (code == 0x152 || code == 0x153)
            out += "OE";
        else if (code == 0x2018 || code == 0x2019)
            out.push_back('\'');
        else if (code == 0x2013 || code == 0x2014)
            out.push_back('-');
    }
    return out;
}

} // namespace tavik::import
