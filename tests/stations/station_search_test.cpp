#include "stations/station_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace tavik {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const ShowFlags kShowAll{1, 1, 1, 1, 1};
const ShowFlags kHideAll{};

struct StationSearchTest : ::testing::Test {
    const fs::path dir =
        fs::temp_directory_path() /
        ("tavik-search-" + std::to_string(std::random_device()()));
    RecordedMessages messages;
    StationSearchTest() { fs::create_directories(dir); }
    ~StationSearchTest() override { fs::remove_all(dir); }

    // Writes 1340.DAT from lines joined with CR LF.
    void Write(const Strings &lines) {
        std::ofstream out(dir / "1340.DAT", std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }
    StationSearch Search(const std::string &text,
                         const ShowFlags &flags = kShowAll,
                         float channel = 1340) {
        return SearchStations(dir.string(), channel, flags, text, messages);
    }
    Strings Calls(const StationSearch &search) {
        Strings calls;
        for (const std::string &row : search.rows)
            calls.push_back(RowColumns(row, 1, 9));
        return calls;
    }
};

TEST_F(StationSearchTest, RowsAreFieldsPaddedToFixedColumns) {
    Write({" kaaa ,Canada,,ON,Ottawa Centre,L,u,45.4,75.7,10.5,0,2",
           "0,1,90,0,0,0", "0,1,90,90,90,0",
           "KLONGCALL,USA,TEXAS,A CITY NAME OF 21+ CH,L,U,1,2,3,0,12"});
    const StationSearch search = Search("");
    // A run of commas is one separator; Status and Field10 are not shown.
    EXPECT_EQ(search.rows,
              (Strings{"KAAA     CANADA  ON   OTTAWA CENTRE        U    45.4  "
                       "    75.7         10.5   2",
                       "KLONGCALLUSA     TEXASA CITY NAME OF 21+ CHU    1     "
                       "    2            3      12"}));
    EXPECT_EQ(search.calls, (Strings{"KAAA", "KLONGCALL"}));
}

TEST_F(StationSearchTest, KeyAndLineMatchInCapitalsAndHiddenClassesAreLeftOut) {
    Write({"KAAA,USA,TN,MEMPHIS,L,U,35.1,90.0,1,0,1", "0,1,90,0,0,0",
           "WXTN,USA,AL,X,L,D,34,87,1,0,1", "0,1,90,0,0,0",
           "KBBB,usa,TN,X,L,U,1,2,3,0,0", "XEAA,Mexico,BC,TNX,L,N,1,2,3,0,0",
           "new,USA,TN,B,L,U,1,2,3,0,0", "  NEW ,USA,TN,G,L,U,1,2,3,0,0",
           "DKAA,USA,TN,F,L,U,1,2,3,0,0"});
    EXPECT_EQ(Calls(Search(" tn ")),
              (Strings{"KAAA", "WXTN", "XEAA", "NEW", "NEW", "DKAA"}));
    // The class tests see the trimmed call as the file holds it.
    const StationSearch shown = Search("tn", kHideAll);
    EXPECT_EQ(Calls(shown), (Strings{"KAAA", "WXTN", "XEAA", "NEW"}));
    EXPECT_EQ(RowColumns(shown.rows[3], 23, 43), "B");
    // "90" is in tower lines too; only the station lines are listed.
    EXPECT_EQ(Calls(Search("90")), (Strings{"KAAA"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Search("zz").completed);
    EXPECT_FALSE(Search("", kShowAll, 1195).completed);
    EXPECT_EQ(messages.shown,
              (Strings{"We did not find 'ZZ'.\r\nIt may be listed on a "
                       "frequency other than this (1340).",
                       "There is no data for 1195"}));
}

TEST_F(StationSearchTest, TheThousandAndFirstRowEndsTheSearch) {
    Strings lines(1001, "KAAA,USA,TN,MEMPHIS,L,U,1,2,3,0,0");
    Write(lines);
    const StationSearch full = Search("");
    EXPECT_FALSE(full.completed);
    EXPECT_EQ(full.rows.size(), 1000u);
    EXPECT_EQ(messages.shown, (Strings{"There is no data for 1340"}));
    lines.pop_back();
    Write(lines);
    EXPECT_TRUE(Search("").completed);
}

TEST(SearchListHeight, TallEnoughUpToAboutThirteenRowsThenFixed) {
    const std::pair<int, int> cases[] = {{0, 200},   {1, 395},   {12, 2540},
                                         {13, 2700}, {99, 2700}, {100, 1800}};
    for (const auto &[rows, height] : cases)
        EXPECT_EQ(SearchListHeight(rows), height) << rows << " rows";
}

TEST_F(StationSearchTest, AClickFindsItsStationAgainFromColumnsOneToTheLeft) {
    // A five-letter state runs into the city the click reads.
    EXPECT_EQ(SelectRow("KAAA     USA     TEXASDALLAS").city, "SDALLAS");

    Write({"KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1", "0,1,90,0,0,0",
           "NEW,USA,TX,DALLAS,L,U,32.78,96.8,50,0,0",
           "KBBB,USA,TX,DALLAS,L,D,32.78,96.8,50,0,2", "0,1,1,0,0,0",
           "1,2,3,-90,90,0", "KCCC,USA,TX,Dallas,L,U,1,2,3,0,0"});
    const StationSearch search = Search("9", kHideAll);
    ASSERT_EQ(search.rows.size(), 2u);
    EXPECT_EQ(SearchRowAt(search, 3), nullptr);
    EXPECT_EQ(SearchRowAt(search, 0), nullptr);
    std::vector<StationRecord> found;
    const auto lookUp = [&](const std::string &row) {
        return LookUpSelectedStation(
            dir.string(), 1340, kShowAll, SelectRow(row),
            [&](const StationRecord &r) { found.push_back(r); });
    };
    EXPECT_EQ(lookUp(*SearchRowAt(search, 2)), LookupResult::Read);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Call, "KBBB");
    EXPECT_EQ(found[0].Tower[2].Phase, -90) << "its towers are read too";
    // A city that is not in capitals in the file is never found again.
    EXPECT_EQ(lookUp(Search("KCCC").rows[0]), LookupResult::Read);
    EXPECT_EQ(found.size(), 1u);
    fs::remove(dir / "1340.DAT");
    EXPECT_EQ(lookUp(*SearchRowAt(search, 1)), LookupResult::Unreadable);
}

} // namespace
} // namespace tavik
