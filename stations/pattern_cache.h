#pragma once
// Station patterns computed once: a view command redraws every station of
// the channel, and the sweep (a sine and cosine per tower and degree) would
// otherwise be most of the work at the closest scales.
//
// Entries are found by the exact values the sweep reads (towers, power, hours
// and each tower's ratio, phase, spacing, orientation and reference), so a
// station changed on disk is simply a new entry and nothing can go stale.

#include "stations/pattern.h"

#include <cstddef>
#include <string>
#include <unordered_map>

namespace tavik {

class PatternCache {
  public:
    // ComputePattern(record, table), from an earlier result when the record's
    // pattern fields were seen before.
    bool Compute(const StationRecord &record, PatternTable &table);
    std::size_t Size() const { return entries_.size(); }

  private:
    // Patterns of every channel's stations fit; past this the cache starts
    // again (an entry is about 1.5 kB).
    static constexpr std::size_t kMaxEntries = 8192;
    struct Entry {
        bool formed = false;
        PatternTable table{};
    };
    std::unordered_map<std::string, Entry> entries_;
    std::string key_; // reused from lookup to lookup
};

} // namespace tavik
