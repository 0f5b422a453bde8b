// The bundled channel files and call-sign lists: read by the program's own
// reader without a failure, as many US records per channel as the FCC list
// has, and the counts that data/README.md states.

#include "stations/channel_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace tavik {
namespace {

const std::string kDataDir = TAVIK_SOURCE_DIR "/data";
const std::string kFccList =
    TAVIK_SOURCE_DIR "/../shared/data/fcc/amRadioSta.txt";
const std::string kCanadaList =
    TAVIK_SOURCE_DIR "/../shared/data/canada/canadianStations.csv";

struct Bundled {
    std::map<int, int> usa, canada; // channel kHz -> records
    int records = 0;
    int withoutTowers = 0; // directional records whose array is not known
};

// Every channel file, read record by record as the channel plot reads it.
Bundled ReadChannelFiles() {
    Bundled bundled;
    for (int khz = 530; khz <= 1700; khz += 10) {
        const std::string name = ChannelFileName(static_cast<float>(khz));
        ChannelFile file;
        if (!file.Open(kDataDir, name)) {
            ADD_FAILURE() << name << " cannot be opened";
            continue;
        }
        StationRecord record;
        ReadResult result;
        while ((result = file.ReadStation(record)) == ReadResult::Record) {
            ++bundled.records;
            if (record.Towers == 0)
                ++bundled.withoutTowers;
            if (record.Country == "USA")
                ++bundled.usa[khz];
            else if (record.Country == "Canada")
                ++bundled.canada[khz];
            else
                ADD_FAILURE()
                    << name << ": " << record.Call << " of " << record.Country;
        }
        EXPECT_EQ(result, ReadResult::End)
            << name << " after " << bundled.records << " records";
        file.Close();
    }
    return bundled;
}

// Station lines counted in the text itself: second field USA or Canada.
int StationLinesInText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r')
            << path << ": a line without CR LF: " << line;
        const std::size_t comma = line.find(',');
        if (comma != std::string::npos &&
            (line.compare(comma, 5, ",USA,") == 0 ||
             line.compare(comma, 8, ",Canada,") == 0))
            ++count;
    }
    return count;
}

TEST(BundledData, EveryChannelFileReadsToItsEndWithoutFailure) {
    const Bundled bundled = ReadChannelFiles();
    int inText = 0;
    for (int khz = 530; khz <= 1700; khz += 10)
        inText +=
            StationLinesInText(kDataDir + "/" + std::to_string(khz) + ".DAT");
    EXPECT_GT(bundled.records, 7000);
    // No record lost to a tower count that does not match its tower lines.
    EXPECT_EQ(bundled.records, inText);
}

TEST(BundledData, UsRecordsPerChannelMatchTheFccList) {
    if (!std::filesystem::exists(kFccList))
        GTEST_SKIP() << kFccList << " is not beside the clone";
    // Frequency in columns 14-19 of each record of the list.
    std::map<int, int> listed;
    std::ifstream in(kFccList, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        if (line.size() > 19 && line.find_first_not_of(" \r") != line.npos)
            ++listed[std::stoi(line.substr(13, 6))];

    const Bundled bundled = ReadChannelFiles();
    for (int khz = 530; khz <= 1700; khz += 10) {
        const int expected = listed.count(khz) ? listed.at(khz) : 0;
        const int written = bundled.usa.count(khz) ? bundled.usa.at(khz) : 0;
        EXPECT_EQ(written, expected) << khz << " kHz";
    }
}

TEST(BundledData, CanadianRecordsAreOnePerCallAndFrequency) {
    if (!std::filesystem::exists(kCanadaList))
        GTEST_SKIP() << kCanadaList << " is not beside the clone";
    // Frequency and call sign are the 2nd and 4th columns, before any text
    // that could hold a comma.
    std::set<std::pair<std::string, std::string>> stations;
    std::ifstream in(kCanadaList, std::ios::binary);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::string fields[4];
        std::istringstream row(line);
        for (std::string &field : fields)
            std::getline(row, field, ',');
        if (!fields[3].empty())
            stations.emplace(fields[1], fields[3]);
    }

    const Bundled bundled = ReadChannelFiles();
    int written = 0;
    for (const auto &entry : bundled.canada)
        written += entry.second;
    EXPECT_EQ(written, static_cast<int>(stations.size()));
}

// Non-empty lines of a call-sign list, each checked for its layout.
int CallListLines(const std::string &name, char letter) {
    std::ifstream in(kDataDir + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::string line, previous;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        ++count;
        EXPECT_EQ(line.back(), '\r') << name << " line " << count;
        line.pop_back();
        EXPECT_EQ(line.size(), 64u) << name << " line " << count;
        EXPECT_EQ(line[0], letter) << name << " line " << count;
        const std::string call = line.substr(0, 8);
        EXPECT_LT(previous, call) << name << " not sorted at line " << count;
        previous = call;
    }
    return count;
}

TEST(BundledData, ReadmeStatesTheCountsOfTheFiles) {
    std::ifstream in(kDataDir + "/README.md");
    ASSERT_TRUE(in);
    std::map<std::string, int> stated;
    std::string line;
    while (std::getline(in, line)) {
        // "- Name: 123"
        const std::size_t colon = line.find(": ");
        if (line.rfind("- ", 0) == 0 && colon != std::string::npos &&
            colon + 2 < line.size() &&
            line.find_first_not_of("0123456789", colon + 2) ==
                std::string::npos)
            stated[line.substr(2, colon - 2)] =
                std::stoi(line.substr(colon + 2));
    }

    const Bundled bundled = ReadChannelFiles();
    int usa = 0, canada = 0;
    for (const auto &entry : bundled.usa)
        usa += entry.second;
    for (const auto &entry : bundled.canada)
        canada += entry.second;
    const int callsK = CallListLines("SortedCallsKspaces.DAT", 'K');
    const int callsW = CallListLines("SortedCallsWspaces.DAT", 'W');
    EXPECT_LE(callsK, 2356);
    EXPECT_LE(callsW, 5000);

    ASSERT_EQ(stated.count("Records"), 1u) << "no \"- Records: N\" line";
    EXPECT_EQ(stated["Records"], bundled.records);
    EXPECT_EQ(stated["USA records"], usa);
    EXPECT_EQ(stated["Canada records"], canada);
    EXPECT_EQ(stated["K calls"], callsK);
    EXPECT_EQ(stated["W calls"], callsW);
    EXPECT_EQ(stated["Directional records without towers"],
              bundled.withoutTowers);
}

} // namespace
} // namespace tavik
