#pragma once
// Reading the '|'-separated tables of the FCC's LMS dump: the table files of
// a folder, the column names of a table's first line, and its rows, each
// ending in "|^|", handed over by column name.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::import {

enum class LmsLoadResult {
    Read,
    MissingTable, // a table needed is not in the folder
    NoHeader,     // a table's first line does not name the columns read
    CannotRead,
};

std::string LowerCase(std::string_view text);

// dir/table, dir/table.dat or dir/table.txt, the name in any letter case;
// "" when there is none.
std::string FindLmsTable(const std::string &dir, const std::string &table);

// The column names of a table's first line, in small letters.
std::vector<std::string> LmsHeaderNames(const std::string &path);

// A column read by one of its names (dumps of different years differ). A
// column whose first name begins with '?' may be missing: it reads as "".
using ColumnNames = std::initializer_list<const char *>;
// Gets a row's values in the order of the columns asked for; returns a
// problem text, or nullptr when the row was taken.
using LmsRowHandler =
    std::function<const char *(const std::vector<std::string_view> &)>;

// Streams one table: finds the columns in its first line, then hands each
// row to onRow. Rows that cannot be read are listed in `problems` (the
// first 20 of a table by line number) and counted in `badLines`.
LmsLoadResult ReadLmsTable(const std::string &path, const char *table,
                           std::initializer_list<ColumnNames> columns,
                           std::vector<std::string> &problems,
                           std::string &error, int &badLines,
                           const LmsRowHandler &onRow);

} // namespace tavik::import
