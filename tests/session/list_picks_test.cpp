// Columns of the reference lists' lines, home's limits, the distance texts;
// the signs a click gives the boxes are the dialogs' test.

#include "session/list_picks.h"

#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

namespace tavik {
namespace {

const std::string kCity = CityLine("Knoxville", " 36.02", "-84.32");
const std::string kCall =
    Put(CallLine("WXYZ", "1190", "  36.0234", "-84.3167"), 66, "more");

TEST(ListPicks, LinesAreCutAtTheirColumns) {
    const std::tuple<ListKind, std::string, std::string, float, float> rows[] =
        {{ListKind::Cities, kCity, "Knoxville                  ", 36.02f,
          -84.32f},
         // Column 38 is the name's last and the latitude's first.
         {ListKind::Cities, Put(kCity, 38, "1"), "Knoxville                 1",
          136.02f, -84.32f},
         {ListKind::CallsW, kCall, "WXYZ (1190)", 36.0234f, -84.3167f},
         {ListKind::CallsK, Put(Put("KABCDEFG123456", 45, "1 2"), 64, "3"),
          "KABCDEFG (123456)", 12, 3},
         {ListKind::CallsK, "K", "K ()", 0, 0}}; // a short line
    for (const auto &[kind, line, name, latitude, longitude] : rows) {
        const ListPoint p = ReadListLine(kind, line);
        EXPECT_EQ(p.name, name);
        EXPECT_FLOAT_EQ(p.latitude, latitude) << name;
        EXPECT_FLOAT_EQ(p.longitude, longitude) << name;
    }
}

TEST(ListPicks, AcceptHomeTakesMagnitudesWithinTheLimits) {
    const HomeCandidate clicked = PickHomeLine(ListKind::CallsW, 7, kCall);
    // The name is the clicked one's, none when nothing was clicked.
    const std::tuple<const char *, const char *, HomeCandidate, const char *>
        rows[] = {{"10", "-100", clicked, "WXYZ (1190) 15 100"},
                  {"75", "180", clicked, "WXYZ (1190) 70 170"},
                  {"-40", "25", clicked, "WXYZ (1190) 40 30"},
                  {"north", "", {}, " 15 30"}};
    for (const auto &[lat, lon, candidate, home] : rows) {
        SessionSettings s{0, "Dallas TX", 0, 0, 0, 0, {}};
        AcceptHome(s, lat, lon, candidate);
        EXPECT_EQ(s.homeCity + " " + SessionNumberText(s.homeLatitude) + " " +
                      SessionNumberText(s.homeLongitude),
                  home);
    }
}

// Found: the list (0 cities, 1 K, 2 W) and the index from 1.
TEST(ListPicks, HomeLineIsTheClickedOneOrTheFirstWithHomesNameAndPlace) {
    ReferenceLists lists;
    lists.cities = {kCity, Put(kCity, 12, "Oak Ridge")};
    lists.callsK = {Put("KOAK    1300", 45, "36.02     84.32")};
    lists.callsW = {kCall, kCall};
    const HomeCandidate second = PickHomeLine(ListKind::CallsW, 2, kCall);
    const std::tuple<std::string, float, HomeCandidate, const char *> rows[] = {
        {"WXYZ (1190)", 36.0234f, second, "2 2"}, // the clicked line
        {"WXYZ (1190)", 36.0234f, {}, "2 1"},
        {"KOAK (1300)", 36.02f, second, "1 1"},
        {"Knoxville  ", 36.02f, {}, "0 1"},
        {"Knoxville  ", 36.03f, {}, "none"}, // moved away
        {"", 36.02f, {}, "none"}};           // typed
    for (const auto &[city, latitude, candidate, want] : rows) {
        SessionSettings s;
        s.homeCity = city;
        s.homeLatitude = latitude;
        s.homeLongitude = latitude == 36.0234f ? 84.3167f : 84.32f;
        const std::optional<ListEntry> found =
            FindHomeLine(lists, s, candidate);
        EXPECT_EQ(found ? std::to_string(static_cast<int>(found->list)) + " " +
                              std::to_string(found->index)
                        : "none",
                  want)
            << city;
    }
}

// Home 30 N 90 W. 1.1 degrees due north is 122.584 km (76.169 mi); the
// points 40 N 0.01 degrees either side of 90 W lie at 359.956 and 0.044.
TEST(ListPicks, DistanceAndBearingCutToTenthsAndTheInstruction) {
    const std::tuple<const char *, const char *, int16_t, const char *> rows[] =
        {{"31.1", "90", 0, " 0 deg 122.5 km "},
         {"31.1", "-90", 1, " 0 deg 76.1 mi "},
         {"40", "90.01", 0, " 359.9 deg 1114.4 km "},
         {"40", "89.99", 0, " 0 deg 1114.4 km "},
         {"30", "90", 1, " 90 deg 0 mi "},          // a station at home
         {"x", "100", 0, " 199.4 deg 3507.5 km "}}; // unreadable: 0 N
    SessionSettings s;
    s.homeLatitude = 30;
    s.homeLongitude = 90;
    for (const auto &[lat, lon, unit, texts] : rows) {
        s.distanceUnit = unit;
        const std::optional<DistanceTexts> r = MeasureDistance(s, lat, lon);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->bearing + r->distance, texts) << lat << "/" << lon;
    }
    EXPECT_FALSE(MeasureDistance(s, "", "90"));
    EXPECT_FALSE(MeasureDistance(s, "31", ""));

    const std::tuple<const char *, float, float, const char *> homes[] = {
        {"  Knoxville TN ", 36, 84, "Get distance from Knoxville TN to:"},
        {" KOA ", 36, 84, ""},
        {"", 32.78f, 96.82f, "Get distance from 32.78N, 96.82W to:"},
        {"", 0, 96.82f, "Get distance from home to:"},
        {"", 32.78f, 0, "Get distance from home to:"}};
    for (const auto &[city, latitude, longitude, text] : homes) {
        s.homeCity = city;
        s.homeLatitude = latitude;
        s.homeLongitude = longitude;
        EXPECT_EQ(DistanceInstruction(s), text) << city;
    }
}

} // namespace
} // namespace tavik
