#pragma once
// The three reference lists the program loads once at start from its own
// directory: the city list "Tavik.lst" and the call-sign lists
// "SortedCallsKspaces.DAT" and "SortedCallsWspaces.DAT". Each entry is one
// whole line of its file, blanks kept; the home and distance dialogs show
// the lines in file order and cut fixed columns out of them.

#include <cstdint>
#include <string>
#include <vector>

namespace tavik {

constexpr const char *kCityListFile = "Tavik.lst";
constexpr const char *kCallsKFile = "SortedCallsKspaces.DAT";
constexpr const char *kCallsWFile = "SortedCallsWspaces.DAT";

// Most lines each list keeps; further lines are not read.
constexpr int16_t kMaxCities = 861;
constexpr int16_t kMaxCallsK = 2356;
constexpr int16_t kMaxCallsW = 5000;

struct ReferenceLists {
    std::vector<std::string> cities; // CityList; size() is CityCount
    std::vector<std::string> callsK; // CallsK
    std::vector<std::string> callsW; // CallsW

    int16_t CityCount() const { return static_cast<int16_t>(cities.size()); }
};

// Reads up to `limit` non-empty lines of `dir`/`name` (name matched without
// regard to case) into `lines`, which is emptied first. Empty lines are
// skipped and not counted; a line of blanks is kept. A missing file leaves
// the list empty; a read error keeps what was read before it. Silent.
void LoadReferenceList(const std::string &dir, const char *name, int16_t limit,
                       std::vector<std::string> &lines);

// The three lists from `programDir`, in the order cities, K, W.
void LoadReferenceLists(const std::string &programDir, ReferenceLists &lists);

} // namespace tavik
