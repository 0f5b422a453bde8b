#include "tools/import/lms_table_text.h"

#include "core/text_file.h"

#include "tools/import/import_text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tavik::import {

namespace {

// Bad lines of one table listed by line; more than this are only counted.
constexpr int kProblemsListedPerTable = 20;
// The index of an optional column that the table does not have.
constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// Drops the "|^|" (or "|^", "^") that ends a row.
std::string_view RowBody(std::string_view line) {
    line = Trim(line);
    for (std::string_view end : {"|^|", "|^", "^"})
        if (line.size() >= end.size() &&
            line.substr(line.size() - end.size()) == end) {
            line.remove_suffix(end.size());
            break;
        }
    return line;
}

} // namespace

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// dir/table, dir/table.dat or dir/table.txt, the name in any letter case;
// "" when there is none.
std::string FindLmsTable(const std::string &dir, const std::string &table) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        const std::string name = LowerCase(entry.path().filename().string());
        if (name == table || name == table + ".dat" || name == table + ".txt")
            return entry.path().string();
    }
    return {};
}

// The column names of a table's first line, in small letters.
std::vector<std::string> LmsHeaderNames(const std::string &path) {
    TextFileReader reader(LineEnds::Lf);
    std::string line;
    std::vector<std::string> names;
    if (!reader.Open(path) || !reader.ReadLine(line))
        return names;
    std::vector<std::string_view> fields;
    SplitFields(RowBody(line), '|', fields);
    for (std::string_view f : fields)
        names.push_back(LowerCase(Trim(f)));
    return names;
}

LmsLoadResult ReadLmsTable(const std::string &path, const char *table,
                           std::initializer_list<ColumnNames> columns,
                           std::vector<std::string> &problems,
                           std::string &error, int &badLines,
                           const LmsRowHandler &onRow) {
    TextFileReader reader(LineEnds::Lf);
    if (!reader.Open(path)) {
        error = "LMS table " + path + " cannot be opened";
        return LmsLoadResult::CannotRead;
    }
    std::string line;
    std::vector<std::string_view> fields;
    std::vector<std::size_t> index;
    std::string missing;
    if (reader.ReadLine(line)) {
        SplitFields(RowBody(line), '|', fields);
        for (const ColumnNames &names : columns) {
            std::size_t found = fields.size();
            const bool optional = **names.begin() == '?';
            for (std::size_t f = 0; f < fields.size() && found == fields.size();
                 ++f)
                for (const char *name : names)
                    if (LowerCase(Trim(fields[f])) == name + (name[0] == '?'))
                        found = f;
            if (found == fields.size() && optional)
                found = kAbsent;
            else if (found == fields.size())
                missing +=
                    std::string(missing.empty() ? "" : ", ") + *names.begin();
            index.push_back(found);
        }
    } else {
        missing = "any";
    }
    if (!missing.empty()) {
        error = "LMS table " + path +
                " refused: its first line does not "
                "name the columns (" +
                missing +
                " missing); the table must "
                "start with the header line of the LMS dump";
        return LmsLoadResult::NoHeader;
    }
    std::size_t needed = 0;
    for (std::size_t i : index)
        if (i != kAbsent)
            needed = std::max(needed, i);
    std::vector<std::string_view> values(index.size());
    int bad = 0;
    while (reader.ReadLine(line)) {
        std::string_view body = RowBody(line);
        if (body.empty())
            continue;
        SplitFields(body, '|', fields);
        const char *problem = "fewer fields than the header names";
        if (fields.size() > needed) {
            for (std::size_t c = 0; c < index.size(); ++c)
                values[c] = index[c] == kAbsent ? std::string_view()
                                                : Trim(fields[index[c]]);
            problem = onRow(values);
        }
        if (problem && ++bad <= kProblemsListedPerTable)
            problems.push_back(std::string(table) + " line " +
                               std::to_string(reader.LineNumber()) + ": " +
                               problem);
    }
    badLines += bad;
    if (bad > kProblemsListedPerTable)
        problems.push_back(std::string(table) + ": " +
                           std::to_string(bad - kProblemsListedPerTable) +
                           " more lines that could not be read");
    if (reader.Failed()) {
        error = "LMS table " + path + " could not be read to its end";
        return LmsLoadResult::CannotRead;
    }
    return LmsLoadResult::Read;
}

} // namespace tavik::import
