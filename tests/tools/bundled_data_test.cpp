// The bundled channel files and call-sign lists: every file reads to its end
// with the program's reader, with as many records and list lines as
// data/README.md states.

#include "stations/channel_file.h"
#include "tools/import/station_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>

namespace tavik {
namespace {

TEST(BundledData, EveryFileReadsToItsEndWithTheCountsTheReadmeStates) {
    const std::string data = TAVIK_SOURCE_DIR "/data";
    std::map<std::string, int> stated, count;
    std::ifstream readme(data + "/README.md");
    const std::regex stating("- (.+): ([0-9]+)");
    std::smatch match;
    for (std::string line; std::getline(readme, line);)
        if (std::regex_match(line, match, stating))
            stated[match[1]] = std::stoi(match[2]);

    // A record lost to a tower count that does not match its tower lines
    // shows as a count below the README's.
    for (int khz = kBandLowKHz; khz <= kBandHighKHz; khz += 10) {
        ChannelFile file;
        EXPECT_TRUE(file.Open(data, ChannelFileName(khz))) << khz;
        StationRecord record;
        ReadResult result;
        while ((result = file.ReadStation(record)) == ReadResult::Record) {
            ++count["Records"];
            count["Directional records without towers"] += record.Towers == 0;
            // A country the README does not count fails the comparison.
            ++count[record.Country + " records"];
        }
        EXPECT_EQ(result, ReadResult::End) << khz;
    }
    for (const char *letter : {"K", "W"}) {
        std::ifstream in(data + "/SortedCalls" + letter + "spaces.DAT");
        for (std::string line; std::getline(in, line);)
            count[letter + std::string(" calls")] += !line.empty();
    }
    EXPECT_LE(count["K calls"], import::kMaxCallsK);
    EXPECT_LE(count["W calls"], import::kMaxCallsW);
    EXPECT_EQ(stated, count);
}

} // namespace
} // namespace tavik
