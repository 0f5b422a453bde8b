// The bundled channel files and call-sign lists: read by the program's own
// reader without a failure, as many US records per channel as the FCC list
// has, and the counts that data/README.md states.

#include "stations/channel_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace tavik {
namespace {

const std::string kDataDir = TAVIK_SOURCE_DIR "/data";

struct Bundled {
    std::map<int, int> usa; // channel kHz -> records
    int records = 0, canada = 0, stationLines = 0;
    int withoutTowers = 0; // directional records whose array is not known
};

// Every channel file, read record by record as the channel plot reads it,
// and its station lines counted in the text: second field USA or Canada.
Bundled ReadChannelFiles() {
    Bundled bundled;
    for (int khz = 530; khz <= 1700; khz += 10) {
        const std::string name = ChannelFileName(static_cast<float>(khz));
        ChannelFile file;
        EXPECT_TRUE(file.Open(kDataDir, name)) << name;
        StationRecord record;
        ReadResult result;
        while ((result = file.ReadStation(record)) == ReadResult::Record) {
            ++bundled.records;
            bundled.withoutTowers += record.Towers == 0;
            if (record.Country == "USA")
                ++bundled.usa[khz];
            else if (record.Country == "Canada")
                ++bundled.canada;
            else
                ADD_FAILURE()
                    << name << ": " << record.Call << " of " << record.Country;
        }
        EXPECT_EQ(result, ReadResult::End) << name;
        std::ifstream in(kDataDir + "/" + name, std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(!line.empty() && line.back() == '\r') << name << line;
            const std::size_t comma = line.find(',');
            bundled.stationLines += comma != std::string::npos &&
                                    (line.compare(comma, 5, ",USA,") == 0 ||
                                     line.compare(comma, 8, ",Canada,") == 0);
        }
    }
    return bundled;
}

TEST(BundledData, EveryChannelFileReadsToItsEndWithoutFailure) {
    const Bundled bundled = ReadChannelFiles();
    EXPECT_GT(bundled.records, 7000);
    // No record lost to a tower count that does not match its tower lines.
    EXPECT_EQ(bundled.records, bundled.stationLines);
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
    const Bundled bundled = ReadChannelFiles();
    for (int khz = 530; khz <= 1700; khz += 10)
        EXPECT_EQ(bundled.usa.count(khz) ? bundled.usa.at(khz) : 0,
                  listed.count(khz) ? listed.at(khz) : 0)
            << khz << " kHz";
}

// Non-empty lines of a call-sign list, each checked for its layout.
int CallListLines(const std::string &name, char letter) {
    std::ifstream in(kDataDir + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::string previous;
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty())
            continue;
        SCOPED_TRACE(name + " line " + std::to_string(++count));
        EXPECT_EQ(line.size(), 65u);
        EXPECT_EQ(line.front(), letter);
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LT(previous, line.substr(0, 8)) << "not sorted";
        previous = line.substr(0, 8);
    }
    return count;
}

TEST(BundledData, ReadmeStatesTheCountsOfTheFiles) {
    // "- Name: 123"
    std::map<std::string, int> stated;
    std::ifstream in(kDataDir + "/README.md");
    ASSERT_TRUE(in);
    for (std::string line; std::getline(in, line);) {
        const std::size_t colon = line.find(": ");
        if (line.rfind("- ", 0) == 0 && colon != std::string::npos &&
            colon + 2 < line.size() &&
            line.find_first_not_of("0123456789", colon + 2) == line.npos)
            stated[line.substr(2, colon - 2)] =
                std::stoi(line.substr(colon + 2));
    }
    const Bundled bundled = ReadChannelFiles();
    int usa = 0;
    for (const auto &entry : bundled.usa)
        usa += entry.second;
    const int callsK = CallListLines("SortedCallsKspaces.DAT", 'K');
    const int callsW = CallListLines("SortedCallsWspaces.DAT", 'W');
    EXPECT_LE(callsK, 2356);
    EXPECT_LE(callsW, 5000);
    ASSERT_EQ(stated.count("Records"), 1u) << "no \"- Records: N\" line";
    EXPECT_EQ(stated["Records"], bundled.records);
    EXPECT_EQ(stated["USA records"], usa);
    EXPECT_EQ(stated["Canada records"], bundled.canada);
    EXPECT_EQ(stated["K calls"], callsK);
    EXPECT_EQ(stated["W calls"], callsW);
    EXPECT_EQ(stated["Directional records without towers"],
              bundled.withoutTowers);
}

} // namespace
} // namespace tavik
