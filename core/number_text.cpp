#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace tavik {

namespace {

// Single-precision limits of what ParseNumberText delivers; both are exact
// in float.
constexpr float kParseLimit = 1e10f;

// Digits that ParseNumberText keeps of a number text (sign and point count).
constexpr std::size_t kMaxNumberText = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Power-of-ten suffix letters; "m" and "M" differ, the others take either case.
bool SuffixFactor(char c, float &factor) {
    switch (c) {
    case 'p':
    case 'P':
        factor = 1e-12f;
        return true;
    case 'n':
    case 'N':
        factor = 1e-9f;
        return true;
    case 'u':
    case 'U':
        factor = 1e-6f;
        return true;
    case 'm':
        factor = 1e-3f;
        return true;
    case 'k':
    case 'K':
        factor = 1e3f;
        return true;
    case 'M':
        factor = 1e6f;
        return true;
    case 'g':
    case 'G':
        factor = 1e9f;
        return true;
    default:
        return false;
    }
}

enum class Conversion { Ok, Overflow };

// Reads `text` (no leading '+', no blanks, '.' as point, 'e' exponent) as a
// double; a value too small for double becomes 0.
Conversion ToDouble(const char *first, const char *last, double &value) {
    value = 0;
    if (first == last) {
        return Conversion::Ok;
    }
    const std::from_chars_result r = std::from_chars(first, last, value);
    if (r.ec == std::errc::result_out_of_range) {
        // from_chars does not say which way it fell out of range: look at the
        // decimal exponent of the leading digit.
        long long digitsBeforePoint = 0;
        bool seenNonZero = false;
        long long leadingZerosAfterPoint = 0;
        const char *p = first;
        if (p != last && *p == '-') {
            ++p;
        }
        bool afterPoint = false;
        for (; p != last && (IsDigit(*p) || *p == '.'); ++p) {
            if (*p == '.') {
                afterPoint = true;
            } else if (*p != '0' || seenNonZero) {
                if (!afterPoint) {
                    ++digitsBeforePoint;
                }
                seenNonZero = true;
            } else if (afterPoint) {
                ++leadingZerosAfterPoint;
            }
        }
        long long exponent = 0;
        if (p != last && (*p == 'e' || *p == 'E')) {
            std::from_chars(p + 1 + (p + 1 != last && p[1] == '+'), last,
                            exponent);
        }
        const long long magnitude =
            exponent + (digitsBeforePoint > 0 ? digitsBeforePoint
                                              : -leadingZerosAfterPoint);
        value = 0;
        return magnitude > 0 ? Conversion::Overflow : Conversion::Ok;
    }
    if (r.ec != std::errc()) {
        value = 0;
    }
    return Conversion::Ok;
}

// Writes the integer-valued double `v` (|v| < 1e17) with its digits and no
// point.
char *WriteWhole(char *first, char *last, double v) {
    return std::to_chars(first, last, v, std::chars_format::fixed, 0).ptr;
}

// Takes the first `delimiter`-separated part off `line`; false, `out`
// untouched and `line` emptied, when only delimiters are left.
bool TakeDelimited(std::string_view &line, std::string_view &out,
                   char delimiter) {
    const std::size_t i = line.find_first_not_of(delimiter);
    if (i == std::string_view::npos) {
        line = {};
        return false;
    }
    const std::size_t j = line.find(delimiter, i);
    if (j == std::string_view::npos) {
        out = line.substr(i);
        line = {};
        return true;
    }
    out = line.substr(i, j - i);
    const std::size_t k = line.find_first_not_of(delimiter, j);
    line = k == std::string_view::npos ? std::string_view{} : line.substr(k);
    return true;
}

void TakeDelimited(std::string &line, std::string &out, char delimiter) {
    std::string_view rest(line);
    std::string_view taken;
    if (TakeDelimited(rest, taken, delimiter)) {
        // `taken` points into `line`; copy it before `line` changes.
        out.assign(taken.data(), taken.size());
    }
    line.erase(0, line.size() - rest.size());
}

} // namespace

void TakeField(std::string_view &line, std::string_view &field) {
    TakeDelimited(line, field, ',');
}

void TakeField(std::string &line, std::string &field) {
    TakeDelimited(line, field, ',');
}

void TakeWord(std::string_view &line, std::string_view &word) {
    TakeDelimited(line, word, ' ');
}

void TakeWord(std::string &line, std::string &word) {
    TakeDelimited(line, word, ' ');
}

bool ReadPlainNumber(std::string_view text, double &value) {
    // Significant digits kept exactly; beyond them only whether a non-zero
    // digit was dropped matters, and one extra '1' digit carries that, so the
    // result is still correctly rounded for any length of field.
    constexpr int kKeptDigits = 800;
    char buf[kKeptDigits + 40];
    char *const end = buf + sizeof buf;
    char *out = buf;

    const std::size_t n = text.size();
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (negative) {
        *out++ = '-';
    }
    int kept = 0;
    long long exponent = 0; // value = kept digits * 10^exponent
    bool anyDigit = false;
    bool droppedNonZero = false;
    auto takeDigit = [&](char c, bool fraction) {
        anyDigit = true;
        if (kept == 0 && c == '0') {
            exponent -= fraction ? 1 : 0;
            return;
        }
        if (kept < kKeptDigits) {
            *out++ = c;
            ++kept;
            exponent -= fraction ? 1 : 0;
        } else {
            exponent += fraction ? 0 : 1;
            droppedNonZero = droppedNonZero || c != '0';
        }
    };
    for (skipBlanks(); i < n && IsDigit(text[i]); skipBlanks()) {
        takeDigit(text[i++], false);
    }
    if (i < n && text[i] == '.') {
        ++i;
        for (skipBlanks(); i < n && IsDigit(text[i]); skipBlanks()) {
            takeDigit(text[i++], true);
        }
    }
    if (!anyDigit || kept == 0) {
        value = 0;
        return true;
    }
    if (droppedNonZero) {
        *out++ = '1';
        --exponent;
    }

    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' ||
                  text[i] == 'd')) {
        ++i;
        skipBlanks();
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        long long written = 0;
        for (skipBlanks(); i < n && IsDigit(text[i]); skipBlanks()) {
            // Far beyond any double; the cap keeps the sum from overflowing.
            if (written < 100000000) {
                written = written * 10 + (text[i] - '0');
            }
            ++i;
        }
        exponent += negativeExponent ? -written : written;
    }

    *out++ = 'e';
    out = std::to_chars(out, end, exponent).ptr;
    if (ToDouble(buf, out, value) == Conversion::Overflow) {
        value = 0;
        return false;
    }
    return true;
}

bool RoundToInt16(double value, int16_t &out) {
    if (std::isnan(value)) {
        return false;
    }
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    if (whole < -32768.0 || whole > 32767.0) {
        return false;
    }
    out = static_cast<int16_t>(whole);
    return true;
}

bool ToSingle(double value, float &out) {
    // Halfway between the largest float and 2^128: from here up a value
    // rounds to infinity.
    constexpr double kSingleOverflow = 3.4028235677973366e38;
    if (std::isnan(value) || std::fabs(value) >= kSingleOverflow) {
        return false;
    }
    out = static_cast<float>(value);
    return true;
}

float ParseNumberText(std::string_view text) {
    // The number text N: at most 16 digit-bearing characters plus a point,
    // an "E" with its sign or a suffix letter.
    char n[kMaxNumberText + 8];
    std::size_t len = 0;
    float multiplier = 1.0f;
    bool suffixSeen = false;
    bool exponentSeen = false;
    bool pointSeen = false;

    for (char c : text) {
        if (IsDigit(c) && len < kMaxNumberText && !suffixSeen) {
            n[len++] = c;
        }
        if (c == ',') {
            c = '.';
        }
        if (c == '.' && !suffixSeen && !pointSeen) {
            pointSeen = true;
            n[len++] = '.';
        }
        if ((c == '+' || c == '-') && (len == 0 || n[len - 1] == 'E')) {
            n[len++] = c;
        }
        if (len != 0) {
            float factor = 1.0f;
            if ((c == 'E' || c == 'e') && !suffixSeen && !exponentSeen) {
                exponentSeen = true;
                pointSeen = true;
                n[len++] = 'E';
            } else if (!exponentSeen && !suffixSeen &&
                       SuffixFactor(c, factor)) {
                suffixSeen = true;
                n[len++] = c;
                multiplier = factor;
            }
        }
    }

    // The longest leading part of N that spells a number, rebuilt in the
    // form from_chars takes (no '+').
    char spelled[kMaxNumberText + 8];
    std::size_t out = 0;
    std::size_t i = 0;
    if (i < len && (n[i] == '+' || n[i] == '-')) {
        if (n[i] == '-') {
            spelled[out++] = '-';
        }
        ++i;
    }
    bool mantissaDigit = false;
    for (; i < len && IsDigit(n[i]); ++i) {
        spelled[out++] = n[i];
        mantissaDigit = true;
    }
    if (i < len && n[i] == '.') {
        spelled[out++] = '.';
        for (++i; i < len && IsDigit(n[i]); ++i) {
            spelled[out++] = n[i];
            mantissaDigit = true;
        }
    }
    if (!mantissaDigit) {
        return 0.0f;
    }
    if (i < len && n[i] == 'E') {
        std::size_t j = i + 1;
        char sign = 0;
        if (j < len && (n[j] == '+' || n[j] == '-')) {
            sign = n[j++];
        }
        if (j < len && IsDigit(n[j])) {
            spelled[out++] = 'e';
            if (sign == '-') {
                spelled[out++] = '-';
            }
            for (; j < len && IsDigit(n[j]); ++j) {
                spelled[out++] = n[j];
            }
        }
    }

    double wide = 0;
    float value = 0;
    if (ToDouble(spelled, spelled + out, wide) == Conversion::Overflow ||
        !ToSingle(wide, value)) {
        return kParseLimit;
    }
    // Two singles multiply exactly in double; one rounding to single follows.
    float result = 0;
    if (!ToSingle(static_cast<double>(value) * multiplier, result)) {
        return kParseLimit;
    }
    result = std::clamp(result, -kParseLimit, kParseLimit);
    return result == 0.0f ? 0.0f : result;
}

std::string FormatNumberText(double value) {
    struct Row {
        double atLeast;
        double divisor;
        int decimals;
        char suffix;
    };
    static constexpr Row kRows[] = {
        {1e9, 1e9, 3, 'G'}, {1e6, 1e6, 3, 'M'}, {1000, 1, 0, 0},
        {100, 1, 2, 0},     {10, 1, 3, 0},      {1, 1, 4, 0},
    };
    const double magnitude = std::fabs(value);
    const Row *row = nullptr;
    for (const Row &r : kRows) {
        if (magnitude >= r.atLeast) {
            row = &r;
            break;
        }
    }
    static constexpr Row kSmall{0, 1, 5, 0};
    if (row == nullptr) {
        if (!(magnitude > 0.00001)) {
            return "0";
        }
        row = &kSmall;
    }

    float shown = 0;
    if (!ToSingle(value / row->divisor, shown) || std::isinf(shown)) {
        return "0";
    }
    if (shown == 0.0f) {
        return "0";
    }

    static constexpr double kPow10[] = {1, 10, 100, 1000, 10000, 100000};
    float rounded = shown;
    // Beyond 2^24 a float has no fraction left to round.
    if (std::fabs(shown) < 16777216.0f) {
        // A float times 10^d (d <= 5) is exact in double, so std::round sees
        // the true halves and takes them away from zero.
        const double scaled =
            std::round(static_cast<double>(shown) * kPow10[row->decimals]);
        // Back to single from the decimal digits themselves, read once.
        char decimal[48];
        char *q = WriteWhole(decimal, decimal + sizeof decimal, scaled);
        *q++ = 'e';
        *q++ = '-';
        *q++ = static_cast<char>('0' + row->decimals);
        std::from_chars(decimal, q, rounded);
    }
    if (rounded == 0.0f) {
        return "0";
    }
    char buf[64];
    char *p = std::to_chars(buf, buf + sizeof buf - 1, rounded,
                            std::chars_format::fixed)
                  .ptr;
    if (row->suffix != 0) {
        *p++ = row->suffix;
    }
    std::string text(buf, p);
    if (text.size() > 1 && text[0] == '0') {
        text.erase(0, 1);
    }
    return text;
}

std::string ShortestText(float value) {
    char buf[128];
    const std::to_chars_result r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string SignedNumberText(float value) {
    // The blank stands where a minus sign would be; -0 prints as " 0".
    if (value == 0)
        value = 0;
    return (value < 0 ? "" : " ") + ShortestText(value);
}


std::optional<double> ParseStrictNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] =
        std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long> ParseStrictWhole(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace tavik
