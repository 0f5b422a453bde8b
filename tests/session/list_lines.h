#pragma once
// Reference-list lines built in fixed columns, and data files written.

#include <fstream>
#include <string>
#include <vector>

namespace tavik {

// `line` with `text` written from column `at` (from 1), widened with blanks.
inline std::string Put(std::string line, int at, const std::string &text) {
    const auto begin = static_cast<std::size_t>(at - 1);
    if (line.size() < begin + text.size())
        line.resize(begin + text.size(), ' ');
    line.replace(begin, text.size(), text);
    return line;
}

// A city line: name from column 12, latitude from 38, longitude from 48.
inline std::string CityLine(const std::string &name, const std::string &lat,
                            const std::string &lon) {
    return Put(Put(Put("US TN", 12, name), 38, lat), 48, lon);
}

// A call-sign line: extra from column 9, latitude from 45, longitude from 55.
inline std::string CallLine(const std::string &call, const std::string &extra,
                            const std::string &lat, const std::string &lon) {
    return Put(Put(Put(call, 9, extra), 45, lat), 55, lon);
}

// Writes `lines` to `path`, each ended by CR LF.
inline void WriteLines(const std::string &path,
                       const std::vector<std::string> &lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string &line : lines)
        out << line << "\r\n";
}

} // namespace tavik
