// Columns of the reference lists' lines, the home entry's limits and the
// distance window's texts.

#include "session/list_picks.h"

#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

namespace tavik {
namespace {

const std::string kCity = CityLine("Knoxville", " 36.02", "-84.32");
const std::string kCall =
    Put(CallLine("WXYZ", "1190", "  36.0234", "-84.3167"), 66, "more");

TEST(ListPicks, LinesAreCutAtTheirColumns) {
    const struct {
        const char *what;
        ListKind kind;
        std::string line;
        std::string name;
        float latitude, longitude;
    } rows[] = {
        {"city", ListKind::Cities, kCity, "Knoxville                  ", 36.02f,
         -84.32f},
        // Column 38 belongs to the name and the latitude: a digit there
        // is read as the latitude's first digit.
        {"city col 38", ListKind::Cities, Put(kCity, 38, "1"),
         "Knoxville                 1", 136.02f, -84.32f},
        {"call", ListKind::CallsW, kCall, "WXYZ (1190)", 36.0234f, -84.3167f},
        {"call, 8 letters", ListKind::CallsK,
         Put(Put("KABCDEFG123456", 45, "1 2"), 64, "3"), "KABCDEFG (123456)",
         12, 3},
        {"short call", ListKind::CallsK, "K", "K ()", 0, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const ListPoint p = ReadListLine(row.kind, row.line);
        EXPECT_EQ(p.name, row.name);
        EXPECT_FLOAT_EQ(p.latitude, row.latitude);
        EXPECT_FLOAT_EQ(p.longitude, row.longitude);
    }
    // Home takes the magnitude; the distance window only a city's.
    EXPECT_FLOAT_EQ(PickHomeLine(ListKind::CallsW, 3, kCall).longitude,
                    84.3167f);
    EXPECT_FLOAT_EQ(DistanceTarget(ListKind::Cities, kCity).longitude, 84.32f);
    EXPECT_FLOAT_EQ(DistanceTarget(ListKind::CallsW, kCall).longitude,
                    -84.3167f);
}

TEST(ListPicks, AcceptHomeTakesMagnitudesWithinTheLimits) {
    const HomeCandidate clicked =
        PickHomeLine(ListKind::CallsW, 7, kCall); // WXYZ (1190)
    const struct {
        const char *lat, *lon;
        float latitude, longitude;
    } rows[] = {{"10", "-100", 15, 100},
                {"75", "180", 70, 170},
                {"-40", "25", 40, 30},
                {"north", "", 15, 30}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.lat) + "/" + row.lon);
        SessionSettings s;
        AcceptHome(s, row.lat, row.lon, clicked);
        EXPECT_FLOAT_EQ(s.homeLatitude, row.latitude);
        EXPECT_FLOAT_EQ(s.homeLongitude, row.longitude);
        EXPECT_EQ(s.homeCity, "WXYZ (1190)");
    }
    SessionSettings s;
    s.homeCity = "Dallas TX";
    AcceptHome(s, "36", "84", HomeCandidate{});
    EXPECT_EQ(s.homeCity, "") << "nothing clicked in this run";
}

TEST(ListPicks, HomeLineIsTheClickedOneOrTheFirstWithHomesNameAndPlace) {
    ReferenceLists lists;
    lists.cities = {kCity, Put(kCity, 12, "Oak Ridge")};
    lists.callsK = {Put("KOAK    1300", 45, "36.02     84.32")};
    lists.callsW = {kCall, kCall};
    SessionSettings s;
    s.homeLatitude = 36.0234f;
    s.homeLongitude = 84.3167f;
    s.homeCity = "WXYZ (1190)";
    const HomeCandidate second = PickHomeLine(ListKind::CallsW, 2, kCall);
    const struct {
        const char *what;
        std::string city;
        float latitude;
        HomeCandidate candidate;
        const char *found; // list (0 cities, 1 K, 2 W) and index from 1
    } rows[] = {{"clicked", "WXYZ (1190)", 36.0234f, second, "2 2"},
                {"first W", "WXYZ (1190)", 36.0234f, {}, "2 1"},
                {"K, found by name", "KOAK (1300)", 36.02f, second, "1 1"},
                {"city, trimmed", "Knoxville  ", 36.02f, {}, "0 1"},
                {"moved away", "Knoxville  ", 36.03f, {}, "none"},
                {"typed", "", 36.02f, {}, "none"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        s.homeCity = row.city;
        s.homeLatitude = row.latitude;
        s.homeLongitude = row.latitude == 36.0234f ? 84.3167f : 84.32f;
        const std::optional<ListEntry> found =
            FindHomeLine(lists, s, row.candidate);
        EXPECT_EQ(found ? std::to_string(static_cast<int>(found->list)) + " " +
                              std::to_string(found->index)
                        : "none",
                  row.found);
    }
}

TEST(ListPicks, InstructionComesFromHomesNameOrPlace) {
    const struct {
        const char *city;
        float latitude, longitude;
        const char *text;
    } rows[] = {
        {"  Knoxville TN ", 36, 84, "Get distance from Knoxville TN to:"},
        {" KOA ", 36, 84, ""},
        {"", 32.78f, 96.82f, "Get distance from 32.78N, 96.82W to:"},
        {"", 0, 96.82f, "Get distance from home to:"},
        {"", 32.78f, 0, "Get distance from home to:"}};
    for (const auto &row : rows) {
        SessionSettings s;
        s.homeCity = row.city;
        s.homeLatitude = row.latitude;
        s.homeLongitude = row.longitude;
        EXPECT_EQ(DistanceInstruction(s), row.text) << row.city;
    }
}

// Home 30 N 90 W. 1.1 degrees due north is 122.584 km (76.169 mi); the
// points 40 N 0.01 degrees either side of 90 W lie at 359.956 and 0.044.
TEST(ListPicks, DistanceAndBearingAreCutToTenths) {
    const struct {
        const char *lat, *lon;
        int16_t unit;
        const char *bearing, *distance;
    } rows[] = {
        {"31.1", "90", 0, " 0 deg", " 122.5 km "},
        {"31.1", "-90", 1, " 0 deg", " 76.1 mi "},
        {"40", "90.01", 0, " 359.9 deg", " 1114.4 km "},
        {"40", "89.99", 0, " 0 deg", " 1114.4 km "},
        {"30", "90", 1, " 90 deg", " 0 mi "},          // a station at home
        {"x", "100", 0, " 199.4 deg", " 3507.5 km "}}; // unreadable: 0 N
    SessionSettings s;
    s.homeLatitude = 30;
    s.homeLongitude = 90;
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.lat) + "/" + row.lon);
        s.distanceUnit = row.unit;
        const std::optional<DistanceTexts> r =
            MeasureDistance(s, row.lat, row.lon);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->bearing + "," + r->distance,
                  std::string(row.bearing) + "," + row.distance);
    }
    EXPECT_FALSE(MeasureDistance(s, "", "90"));
    EXPECT_FALSE(MeasureDistance(s, "31", ""));
}

} // namespace
} // namespace tavik
