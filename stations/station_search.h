#pragma once
// The station data window's search: every station line of the current
// channel's file that contains a typed text, listed as a fixed-width row, and
// the way back from a clicked row to that station's line and towers.
//
// A row is built field by field (fields as TakeField delivers them), each
// field padded with blanks to a fixed end column:
//
//   columns  1-9   call sign, trimmed, upper-cased
//           10-17  country, upper-cased
//           18-22  state or province, upper-cased
//           23-43  city, upper-cased
//           44-48  hours code, upper-cased
//           49-58  latitude, as in the file
//           59-71  longitude, as in the file
//           72-78  power, as in the file
//           79-    number of towers, as in the file (not padded)
//
// A longer field pushes the later ones to the right. Status (field 5) and
// Field10 (field 10) are taken but not shown.

#include "core/messages.h"
#include "core/number_text.h" // TrimBlanks
#include "stations/channel_file.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// The window's row table holds this many rows; one more match ends the
// search with "There is no data for ".
constexpr int kMaxSearchRows = 1000;

// The column header over the list, aligned with the rows.
constexpr const char *kSearchHeader =
    "Call: Country: State:  City:            Hours:  Latitude: Longitude:  "
    "Power:   Towers:";

struct StationSearch {
    std::string key;               // the search text, trimmed and upper-cased
    std::vector<std::string> rows; // the listed rows, in file order
    // The call sign of each row, trimmed and upper-cased, whole however long.
    std::vector<std::string> calls;
    // False when the file could not be opened or read, or a row more than
    // the table holds matched: the message has been shown and the rows found
    // before stay listed.
    bool completed = false;
};

// Upper-cases the ASCII letters; other bytes stay as they are.
std::string UpperCased(std::string_view text);

// The row of one station line, or false when the line is not listed: its
// trimmed call is a class the flags hide (tested first, case-sensitively),
// or its second field is not "USA", "Canada", "Mexico" or "Cuba" (tower lines
// never are). `lastField` is the field a short line repeats; it carries from
// line to line and receives the last field taken.
bool BuildSearchRow(std::string_view line, const ShowFlags &flags,
                    std::string &lastField, std::string &row);

// Searches the channel's file (in `dataDir`, the working directory when
// empty) for `text`, line and key both upper-cased; the empty key matches
// every line. Messages, through `messages`: "There is no data for 1340" when
// the file cannot be opened or read or the table overflows; when nothing is
// listed, "We did not find 'KEY'." and a CR LF, then "It may be listed on a
// frequency other than this (1340).".
StationSearch SearchStations(const std::string &dataDir, float channelKHz,
                             const ShowFlags &flags, std::string_view text,
                             MessageSink &messages);

// Height of the list in the window's drawing units for this many rows:
// 195 a row plus 200 under 100 rows, 1800 from 100 rows, never above 2700.
int SearchListHeight(int rowCount);

// The row a click on list position `k` (from 1) selects, or null outside the
// listed rows.
const std::string *SearchRowAt(const StationSearch &search, int k);

// Columns `first` to `last` (from 1) of a row, cut where the row ends, then
// trimmed.
std::string RowColumns(std::string_view row, int first, int last);

// What a click takes back from a row, each part trimmed. The columns it reads
// lie one to the left of the columns the row was built with (city 22-42,
// hours 43-46, latitude 48-57, longitude 58-69, power 71-77); the call is
// columns 1-8 and the tower count the row's last three characters, read as a
// number and written in its shortest form.
struct SelectedStation {
    std::string call, city, hours, latitude, longitude, power, towers;
};
SelectedStation SelectRow(std::string_view row);

enum class LookupResult { Read, Unreadable };

// Reads the channel's file line by line for the station lines a click
// selected: field 1 equal to the call, field 2 a listed country, field 4
// equal to the city and field 6 to the hours (all exactly), the numbers of
// fields 7, 8, 9 and 11 equal to latitude, longitude, power and tower count.
// Such a line's tower lines are read and, when the flags let its call
// through, `onStation` gets the record; a station with more than 12 towers
// is handed over with its tower count and no tower read, so that its pattern
// cannot be formed. Every matching station is handed over, the last one
// replacing the ones before on the window. Unreadable when the file cannot
// be opened or read.
LookupResult LookUpSelectedStation(
    const std::string &dataDir, float channelKHz, const ShowFlags &flags,
    const SelectedStation &selected,
    const std::function<void(const StationRecord &)> &onStation);

} // namespace tavik
