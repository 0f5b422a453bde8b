#pragma once
// What the home and distance dialogs take from a clicked line of the
// reference lists: fixed columns cut out of the line, and what "Accept and
// return" and "Get distance" make of the two coordinate boxes.
//
// Columns are counted from 1, as the list files' layout gives them. A line
// shorter than a column yields a short or empty piece, which reads as 0.

#include "session/reference_lists.h"
#include "session/session_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavik {

enum class ListKind { Cities, CallsK, CallsW };

const std::vector<std::string> &Lines(const ReferenceLists &lists,
                                      ListKind kind);

// The characters `first` .. `last` of `line` (from 1), fewer or none when
// the line ends before.
std::string_view Columns(std::string_view line, int first, int last);

// A line's place and name as written in it. Longitudes are degrees west
// with the sign the line gives them.
struct ListPoint {
    std::string name; // cities: 12..38 with blanks; calls: "CALL (extra)"
    float latitude = 0;
    float longitude = 0;
};

// City line: name 12..38, latitude 38..46, longitude 48..56 (column 38 is in
// both). Call-sign line: call 1..8 and extra 9..14, each trimmed, latitude
// 45..54 and longitude 55..64.
ListPoint ReadListLine(ListKind kind, std::string_view line);

// The home dialog's state, kept from one opening to the next for the run.
struct HomeCandidate {
    ListKind list = ListKind::Cities;
    int16_t selectedIndex = 0; // entry number (from 1) of the last click; 0 none
    std::string name;          // empty until a line has been clicked
    float latitude = 0;        // degrees north
    float longitude = 0;       // magnitude, degrees west
};

// A click on entry `index` (from 1) of a list: the line's name and place,
// the longitude taken by magnitude.
HomeCandidate PickHomeLine(ListKind kind, int16_t index, std::string_view line);

// Home latitude limits and longitude limits (degrees west) of "Accept and
// return".
constexpr float kMinHomeLatitude = 15, kMaxHomeLatitude = 70;
constexpr float kMinHomeLongitude = 30, kMaxHomeLongitude = 170;

// "Accept and return": the typed boxes win over the clicked line, both by
// magnitude, held silently to the limits; the name is the candidate's.
void AcceptHome(SessionSettings &settings, std::string_view latitudeText,
                std::string_view longitudeText, const HomeCandidate &candidate);

struct ListEntry {
    ListKind list;
    int16_t index; // from 1
};

// The list line home came from, to show it when the dialog opens: the last
// clicked line if home still has its name and place, else the first line of
// the cities, K and W lists (in that order) with home's trimmed name and
// place (within half a thousandth of a degree). None for a typed home.
std::optional<ListEntry> FindHomeLine(const ReferenceLists &lists,
                                      const SessionSettings &settings,
                                      const HomeCandidate &candidate);

// --- Distance window ---------------------------------------------------------

// The far point of a clicked line: a city's longitude made non-negative, a
// call-sign line's longitude kept as read.
ListPoint DistanceTarget(ListKind kind, std::string_view line);

// The instruction line over the lists, from the home's name or place.
std::string DistanceInstruction(const SessionSettings &settings);

struct DistanceTexts {
    std::string bearing;  // " 254.3 deg"
    std::string distance; // " 1234.5 km " or " 767.1 mi "
};

// "Get distance": nothing when a box is empty; otherwise distance and
// bearing from home to the typed point (longitude degrees west whatever its
// sign), each cut (not rounded) to one decimal, the distance in miles when
// distanceUnit is 1.
std::optional<DistanceTexts> MeasureDistance(const SessionSettings &settings,
                                             std::string_view latitudeText,
                                             std::string_view longitudeText);

} // namespace tavik
