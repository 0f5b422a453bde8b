// The pattern cache hands out exactly what ComputePattern gives, and a
// record differs from a cached one by any field the sweep reads.

#include "stations/pattern_cache.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tavik {
namespace {

StationRecord TwoTowers() {
    StationRecord r;
    r.Call = "KAAA";
    r.Hours = "N";
    r.Power = 5;
    r.Towers = 2;
    r.Tower[1] = {"0", 1, 0, 0, 0, 0};
    r.Tower[2] = {"1", 0.8f, 0, -90, 90, 30};
    return r;
}

TEST(PatternCacheTest, SameResultsAsTheSweepAndANewEntryPerChangedInput) {
    struct Row {
        const char *change;
        std::function<void(StationRecord &)> apply;
        bool newEntry;
    };
    const std::vector<Row> rows = {
        {"none", [](StationRecord &) {}, false},
        {"power", [](StationRecord &r) { r.Power = 50; }, true},
        {"hours U", [](StationRecord &r) { r.Hours = "U"; }, true},
        {"hours D", [](StationRecord &r) { r.Hours = "D"; }, true},
        {"hours C", [](StationRecord &r) { r.Hours = "C"; }, false},
        {"reference", [](StationRecord &r) { r.Tower[2].TowerRef = "0"; },
         true},
        {"reference 2", [](StationRecord &r) { r.Tower[2].TowerRef = "2"; },
         false},
        {"ratio", [](StationRecord &r) { r.Tower[2].FieldRatio = 0.7f; }, true},
        {"phase", [](StationRecord &r) { r.Tower[2].Phase = 90; }, true},
        {"spacing", [](StationRecord &r) { r.Tower[2].Spacing = 180; }, true},
        {"orientation", [](StationRecord &r) { r.Tower[2].Orientation = 0; },
         true},
        {"one tower", [](StationRecord &r) { r.Towers = 1; }, true},
        {"position, field 3, call",
         [](StationRecord &r) {
             r.Latitude = 40;
             r.Tower[2].Field3 = 7;
             r.Call = "KBBB";
         },
         false},
        {"no field",
         [](StationRecord &r) {
             r.Tower[1].FieldRatio = 0;
             r.Tower[2].FieldRatio = 0;
         },
         true},
    };
    PatternCache cache;
    PatternTable base;
    cache.Compute(TwoTowers(), base);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.change);
        StationRecord record = TwoTowers();
        row.apply(record);
        PatternTable expected, cached, again;
        const bool formed = ComputePattern(record, expected);
        const std::size_t before = cache.Size();
        EXPECT_EQ(cache.Compute(record, cached), formed);
        EXPECT_EQ(cache.Size(), before + (row.newEntry ? 1 : 0));
        EXPECT_EQ(cache.Compute(record, again), formed);
        EXPECT_EQ(cached, expected);
        EXPECT_EQ(again, expected);
        EXPECT_EQ(expected == base, !row.newEntry);
    }
}

} // namespace
} // namespace tavik
