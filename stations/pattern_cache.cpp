#include "stations/pattern_cache.h"

#include <cstring>

namespace tavik {

namespace {

void Append(std::string &key, float value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    key.append(bytes, sizeof bytes);
}

// The sweep's inputs, bit for bit: hours only as the factor they choose, the
// tower reference only as "from the reference point" or not.
void MakeKey(const StationRecord &record, std::string &key) {
    key.clear();
    key += static_cast<char>(record.Towers & 0xFF);
    key += static_cast<char>((record.Towers >> 8) & 0xFF);
    Append(key, record.Power);
    key += record.Hours == "U" ? 'U' : record.Hours == "D" ? 'D' : '-';
    for (int i = 1; i <= record.Towers && i <= kMaxTowers; ++i) {
        const Tower &t = record.Tower[i];
        key += t.TowerRef == "0" ? '0' : '+';
        Append(key, t.FieldRatio);
        Append(key, t.Phase);
        Append(key, t.Spacing);
        Append(key, t.Orientation);
    }
}

} // namespace

bool PatternCache::Compute(const StationRecord &record, PatternTable &table) {
    MakeKey(record, key_);
    const auto found = entries_.find(key_);
    if (found != entries_.end()) {
        table = found->second.table;
        return found->second.formed;
    }
    if (entries_.size() >= kMaxEntries)
        entries_.clear();
    Entry &entry = entries_[key_];
    entry.formed = ComputePattern(record, entry.table);
    table = entry.table;
    return entry.formed;
}

} // namespace tavik
