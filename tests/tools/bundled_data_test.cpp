// The bundled channel files and call-sign lists: read by the program's reader
// without a failure, US records per channel as in the FCC list, README counts.

#include "stations/channel_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

namespace tavik {
namespace {

const std::string kDataDir = TAVIK_SOURCE_DIR "/data";

// Each channel file read as the channel plot reads it, its station lines
// (second field USA or Canada) counted in the text, and the call-sign lists'
// lines; counts named as in data/README.md, US records per channel in `usa`.
std::map<std::string, int> ReadBundled(std::map<int, int> &usa) {
    std::map<std::string, int> count;
    const std::regex station("^[^,]*,(USA|Canada),");
    int stationLines = 0;
    for (int khz = 530; khz <= 1700; khz += 10) {
        const std::string name = ChannelFileName(static_cast<float>(khz));
        ChannelFile file;
        EXPECT_TRUE(file.Open(kDataDir, name)) << name;
        StationRecord record;
        ReadResult result;
        while ((result = file.ReadStation(record)) == ReadResult::Record) {
            ++count["Records"];
            count["Directional records without towers"] += record.Towers == 0;
            // A country the README does not count fails the comparison.
            ++count[record.Country + " records"];
            usa[khz] += record.Country == "USA";
        }
        EXPECT_EQ(result, ReadResult::End) << name;
        std::ifstream in(kDataDir + "/" + name, std::ios::binary);
        for (std::string line; std::getline(in, line);)
            stationLines += std::regex_search(line, station);
    }
    // No record lost to a tower count that does not match its tower lines.
    EXPECT_EQ(count["Records"], stationLines);
    for (const char *letter : {"K", "W"}) {
        std::ifstream in(kDataDir + "/SortedCalls" + letter + "spaces.DAT");
        for (std::string line; std::getline(in, line);)
            count[letter + std::string(" calls")] += !line.empty();
    }
    return count;
}

TEST(BundledData, EveryFileReadsToItsEndWithTheCountsTheReadmeStates) {
    std::map<std::string, int> stated;
    std::ifstream in(kDataDir + "/README.md");
    const std::regex count("- (.+): ([0-9]+)");
    std::smatch match;
    for (std::string line; std::getline(in, line);)
        if (std::regex_match(line, match, count))
            stated[match[1]] = std::stoi(match[2]);
    std::map<int, int> usa;
    std::map<std::string, int> counted = ReadBundled(usa);
    EXPECT_LE(counted["K calls"], 2356);
    EXPECT_LE(counted["W calls"], 5000);
    EXPECT_EQ(stated, counted);
}

TEST(BundledData, UsRecordsPerChannelMatchTheFccList) {
    const std::string list =
        TAVIK_SOURCE_DIR "/../shared/data/fcc/amRadioSta.txt";
    if (!std::filesystem::exists(list))
        GTEST_SKIP() << list << " is not beside the clone";
    // Frequency in columns 14-19 of each record of the list.
    std::map<int, int> listed;
    std::ifstream in(list, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        if (line.size() > 19 && line.find_first_not_of(" \r") != line.npos)
            ++listed[std::stoi(line.substr(13, 6))];
    std::map<int, int> usa;
    ReadBundled(usa);
    for (int khz = 530; khz <= 1700; khz += 10)
        EXPECT_EQ(usa[khz], listed[khz]) << khz << " kHz";
}

} // namespace
} // namespace tavik
