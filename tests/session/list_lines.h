#pragma once
// Builds reference-list lines for tests: fixed columns over blanks.

#include <string>

namespace tavik {

// `line` with `text` written from column `at` (from 1), widened with blanks.
inline std::string Put(std::string line, int at, const std::string &text) {
    const auto begin = static_cast<std::size_t>(at - 1);
    if (line.size() < begin + text.size())
        line.resize(begin + text.size(), ' ');
    line.replace(begin, text.size(), text);
    return line;
}

} // namespace tavik
