#include "tools/import/station_import.h"

#include "core/text_file.h"

#include "tools/import/canada_list.h"
#include "tools/import/fcc_list.h"
#include "tools/import/import_text.h"
#include "tools/import/lms_tables.h"
#include "tools/import/places.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unordered_set>

namespace tavik::import {

namespace {

constexpr const char *kEol = "\r\n";
constexpr int kCoordinateDecimals = 4; // 0.0001 degree is about 11 m
constexpr int kTowerDecimals = 4;
// The program's tower table holds 12 towers and refuses a file with more.
constexpr std::size_t kMaxTowerLines = 12;
constexpr const char *kNoCity = "UNKNOWN";
constexpr const char *kNoProvince = "CAN";
constexpr const char *kNoState = "XX";

std::string FileName(const std::string &path) {
    return std::filesystem::path(path).filename().string();
}

bool OnRaster(int khz) { return khz % kChannelStep == 0; }
bool InBand(int khz) { return khz >= kFirstChannel && khz <= kLastChannel; }

std::string Padded(std::string_view text, std::size_t width,
                   bool rightAligned) {
    text = text.substr(0, width);
    std::string blanks(width - text.size(), ' ');
    return rightAligned ? blanks + std::string(text)
                        : std::string(text) + blanks;
}

// Order of the record that stands for a call in the lists: a licence before
// anything else, then unlimited, day, critical and night hours.
int ListPreference(const OutputStation &s) {
    static const std::string kHoursOrder = "UDCN";
    std::size_t hours = kHoursOrder.find(s.hours);
    if (s.hours.size() != 1 || hours == std::string::npos)
        hours = kHoursOrder.size();
    return (s.status == "L" ? 0 : 10) + static_cast<int>(hours);
}

bool WriteFile(const std::string &path, const std::string &content) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written =
        std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return std::fclose(file) == 0 && written;
}

struct Inputs {
    std::vector<FccRecord> fcc;
    CanadaList canada;
    LmsTables lms;
    bool haveLms = false;
    std::vector<Place> places;
};

ImportResult ReadInputs(const ImportOptions &opts, Inputs &in,
                        ImportSummary &summary) {
    if (!opts.fccPath.empty()) {
        TextFileReader reader(LineEnds::Lf);
        if (!reader.Open(opts.fccPath)) {
            summary.error = "FCC list " + opts.fccPath + " cannot be opened";
            return ImportResult::InputFailed;
        }
        const std::string name = FileName(opts.fccPath);
        std::string line;
        FccRecord record;
        while (reader.ReadLine(line)) {
            if (Trim(line).empty())
                continue;
            ++summary.fccLines;
            FccLineProblem problem = ParseFccLine(line, record);
            if (problem != FccLineProblem::None) {
                ++summary.unreadableLines;
                summary.problems.push_back(
                    name + " line " + std::to_string(reader.LineNumber()) +
                    ": " + Describe(problem) + "; skipped");
                continue;
            }
            ++summary.fccRecords;
            in.fcc.push_back(record);
        }
        if (reader.Failed()) {
            summary.error = "FCC list " + opts.fccPath + " could not be read";
            return ImportResult::InputFailed;
        }
    }

    if (!opts.lmsDir.empty()) {
        std::unordered_set<long> facilities;
        for (const FccRecord &r : in.fcc)
            if (r.directional)
                facilities.insert(r.facilityId);
        if (in.lms.Load(opts.lmsDir, facilities, summary.problems,
                        summary.error) != LmsLoadResult::Read)
            return ImportResult::InputFailed;
        in.haveLms = true;
        summary.lmsSystems = static_cast<int>(in.lms.SystemCount());
        summary.unreadableLines += in.lms.BadLines();
    }

    if (!opts.canadaPath.empty()) {
        const std::size_t before = summary.problems.size();
        switch (LoadCanadaList(opts.canadaPath, in.canada, summary.problems)) {
        case CanadaListResult::Read:
            break;
        case CanadaListResult::CannotOpen:
            summary.error =
                "Canadian list " + opts.canadaPath + " cannot be opened";
            return ImportResult::InputFailed;
        case CanadaListResult::NoHeader:
            summary.error = "Canadian list " + opts.canadaPath +
                            " refused: its first line does not name the "
                            "columns \"Frequency [MHz]\", \"Tx transmitter "
                            "power [W]\", \"Call sign\", \"Latitude (WGS84)\" "
                            "and \"Longitude (WGS84)\"";
            return ImportResult::InputFailed;
        }
        summary.unreadableLines +=
            static_cast<int>(summary.problems.size() - before);
        summary.canadaRows = in.canada.rowsRead;
        summary.canadaStations = static_cast<int>(in.canada.stations.size());
    }

    if (!opts.placesPath.empty()) {
        const std::size_t before = summary.problems.size();
        if (!LoadPlaces(opts.placesPath, in.places, summary.problems)) {
            summary.error =
                "places file " + opts.placesPath + " cannot be read";
            return ImportResult::InputFailed;
        }
        summary.unreadableLines +=
            static_cast<int>(summary.problems.size() - before);
    }
    return ImportResult::Done;
}

// Channel index of a frequency, or -1 (counted) when it has no channel file.
int ChannelIndex(int khz, bool onRaster, ImportSummary &summary) {
    if (!InBand(khz)) {
        ++summary.outOfBand[khz];
        return -1;
    }
    if (!onRaster || !OnRaster(khz)) {
        ++summary.offRaster[khz];
        return -1;
    }
    return (khz - kFirstChannel) / kChannelStep;
}

void AddUsStations(const Inputs &in,
                   std::vector<std::vector<OutputStation>> &channels,
                   ImportSummary &summary) {
    for (const FccRecord &r : in.fcc) {
        int index = ChannelIndex(r.frequencyKHz, true, summary);
        if (index < 0)
            continue;
        OutputStation s;
        s.call = ChannelFileText(r.call, "NEW");
        s.country = "USA";
        s.state = ChannelFileText(r.state, kNoState);
        s.city = ChannelFileText(r.city, kNoCity);
        s.status = ChannelFileText(r.status, "X");
        s.hours = r.hours;
        s.channel = r.frequencyKHz;
        s.latitude = r.latitude;
        s.longitudeWest = r.longitudeWest;
        s.powerKw = r.powerKw;
        if (!r.directional) {
            s.towers.emplace_back();
        } else {
            ++summary.directional;
            const LmsAntennaSystem *system =
                in.haveLms ? in.lms.Find(r) : nullptr;
            if (system && system->towers.size() > kMaxTowerLines)
                ++summary.directionalOverTwelve;
            else if (system)
                for (const LmsTower &t : system->towers)
                    s.towers.push_back({t.fromPrevious, t.fieldRatio, t.phase,
                                        t.spacing, t.orientation});
            if (s.towers.empty())
                ++summary.directionalWithoutTowers;
            else
                ++summary.directionalWithTowers;
        }
        ++summary.writtenUsa;
        channels[static_cast<std::size_t>(index)].push_back(std::move(s));
    }
}

void AddCanadianStations(const Inputs &in,
                         std::vector<std::vector<OutputStation>> &channels,
                         ImportSummary &summary) {
    const bool havePlaces = !in.places.empty();
    for (const CanadaStation &c : in.canada.stations) {
        int index = ChannelIndex(c.frequencyKHz, c.onKHzRaster, summary);
        if (index < 0)
            continue;
        OutputStation s;
        s.call = ChannelFileText(c.call, "NEW");
        s.country = "Canada";
        const Place *place =
            havePlaces
                ? NearestPlace(in.places, "CA", c.latitude, c.longitudeEast)
                : nullptr;
        if (havePlaces && !place)
            ++summary.canadaWithoutPlace;
        s.state = place ? ChannelFileText(place->admin, kNoProvince)
                        : std::string(kNoProvince);
        s.city = place ? ChannelFileText(PlainCapitals(place->name), kNoCity)
                       : std::string(kNoCity);
        s.status = "L";
        s.hours = "U";
        s.channel = c.frequencyKHz;
        s.latitude = c.latitude;
        s.longitudeWest =
            c.longitudeEast <= 0 ? -c.longitudeEast : 360.0 - c.longitudeEast;
        s.powerKw = c.powerKw;
        s.towers.emplace_back();
        ++summary.writtenCanada;
        channels[static_cast<std::size_t>(index)].push_back(std::move(s));
    }
}

// One line per call sign beginning with `letter`, sorted by call sign.
std::vector<const OutputStation *>
CallList(const std::vector<std::vector<OutputStation>> &channels, char letter) {
    std::vector<const OutputStation *> list;
    for (const auto &channel : channels)
        for (const OutputStation &s : channel)
            if (!s.call.empty() && s.call[0] == letter && s.country == "USA")
                list.push_back(&s);
    // Stable: among records of equal preference the first listed stays.
    std::stable_sort(list.begin(), list.end(),
                     [](const OutputStation *a, const OutputStation *b) {
                         if (a->call != b->call)
                             return a->call < b->call;
                         return ListPreference(*a) < ListPreference(*b);
                     });
    list.erase(std::unique(list.begin(), list.end(),
                           [](const OutputStation *a, const OutputStation *b) {
                               return a->call == b->call;
                           }),
               list.end());
    return list;
}

bool WriteCallList(const std::string &path,
                   const std::vector<const OutputStation *> &list, int limit,
                   int &written, int &leftOut) {
    std::string content;
    written = std::min(static_cast<int>(list.size()), limit);
    leftOut = static_cast<int>(list.size()) - written;
    for (int i = 0; i < written; ++i)
        content += CallListLine(*list[static_cast<std::size_t>(i)]) + kEol;
    return WriteFile(path, content);
}

std::string FrequencyCounts(const std::map<int, int> &counts) {
    std::string text;
    for (const auto &[khz, n] : counts)
        text += (text.empty() ? "" : ", ") + std::to_string(n) + " on " +
                std::to_string(khz) + " kHz";
    return text;
}

int Total(const std::map<int, int> &counts) {
    int total = 0;
    for (const auto &entry : counts)
        total += entry.second;
    return total;
}

} // namespace

void AppendStationLines(const OutputStation &s, std::string &out) {
    out += s.call;
    out += ',';
    out += s.country;
    out += ',';
    out += s.state;
    out += ',';
    out += s.city;
    out += ',';
    out += s.status;
    out += ',';
    out += s.hours;
    out += ',';
    out += CompactNumber(s.latitude, kCoordinateDecimals);
    out += ',';
    out += CompactNumber(s.longitudeWest, kCoordinateDecimals);
    out += ',';
    out += ShortestNumber(s.powerKw);
    out += ",0,";
    out += std::to_string(s.towers.size());
    out += kEol;
    for (const OutputTower &t : s.towers) {
        out += t.fromPrevious ? "1," : "0,";
        out += CompactNumber(t.fieldRatio, kTowerDecimals);
        // Field3 is read and kept by the program but used nowhere.
        out += ",0,";
        out += CompactNumber(t.phase, kTowerDecimals);
        out += ',';
        out += CompactNumber(t.spacing, kTowerDecimals);
        out += ',';
        out += CompactNumber(t.orientation, kTowerDecimals);
        out += kEol;
    }
}

std::string CallListLine(const OutputStation &s) {
    return Padded(s.call, 8, false) +
           Padded(std::to_string(s.channel), 6, false) +
           Padded(s.city + ", " + s.state, 30, false) +
           Padded(CompactNumber(s.latitude, kCoordinateDecimals), 10, true) +
           Padded(CompactNumber(s.longitudeWest, kCoordinateDecimals), 10,
                  true);
}

ImportResult RunImport(const ImportOptions &opts, ImportSummary &summary) {
    Inputs in;
    ImportResult read = ReadInputs(opts, in, summary);
    if (read != ImportResult::Done)
        return read;

    std::vector<std::vector<OutputStation>> channels(kChannelCount);
    AddUsStations(in, channels, summary);
    AddCanadianStations(in, channels, summary);

    std::error_code ec;
    std::filesystem::create_directories(opts.outDir, ec);
    std::string content;
    for (int i = 0; i < kChannelCount; ++i) {
        content.clear();
        for (const OutputStation &s : channels[static_cast<std::size_t>(i)])
            AppendStationLines(s, content);
        const std::string name =
            std::to_string(kFirstChannel + i * kChannelStep) + ".DAT";
        const std::string path =
            (std::filesystem::path(opts.outDir) / name).string();
        if (!WriteFile(path, content)) {
            summary.error = path + " cannot be written";
            return ImportResult::OutputFailed;
        }
        ++summary.channelFiles;
    }

    const auto dir = std::filesystem::path(opts.outDir);
    const std::string kPath = (dir / "SortedCallsKspaces.DAT").string();
    const std::string wPath = (dir / "SortedCallsWspaces.DAT").string();
    if (!WriteCallList(kPath, CallList(channels, 'K'), kMaxCallsK,
                       summary.callsK, summary.callsKLeftOut)) {
        summary.error = kPath + " cannot be written";
        return ImportResult::OutputFailed;
    }
    if (!WriteCallList(wPath, CallList(channels, 'W'), kMaxCallsW,
                       summary.callsW, summary.callsWLeftOut)) {
        summary.error = wPath + " cannot be written";
        return ImportResult::OutputFailed;
    }
    return ImportResult::Done;
}

std::string FormatSummary(const ImportSummary &s) {
    std::string out;
    auto line = [&out](const std::string &text) { out += text + "\n"; };
    line("FCC list: " + std::to_string(s.fccLines) + " lines, " +
         std::to_string(s.fccRecords) + " records read");
    line("Canadian list: " + std::to_string(s.canadaRows) + " rows read, " +
         std::to_string(s.canadaStations) +
         " stations (one per call sign and frequency)");
    if (s.canadaWithoutPlace > 0)
        line("Canadian stations without a place for province and city: " +
             std::to_string(s.canadaWithoutPlace));
    line("Unreadable lines skipped: " + std::to_string(s.unreadableLines));
    const int offRaster = Total(s.offRaster);
    const int outOfBand = Total(s.outOfBand);
    line("Left out off the 10-kHz raster: " + std::to_string(offRaster) +
         (offRaster ? " (" + FrequencyCounts(s.offRaster) + ")" : ""));
    line("Left out outside 530-1700 kHz: " + std::to_string(outOfBand) +
         (outOfBand ? " (" + FrequencyCounts(s.outOfBand) + ")" : ""));
    line("Written: " + std::to_string(s.writtenUsa) + " USA, " +
         std::to_string(s.writtenCanada) + " Canada, in " +
         std::to_string(s.channelFiles) + " channel files");
    line("Directional: " + std::to_string(s.directional) + ", " +
         std::to_string(s.directionalWithTowers) + " with their towers, " +
         std::to_string(s.directionalWithoutTowers) + " without (Towers 0" +
         (s.directionalOverTwelve
              ? ", " + std::to_string(s.directionalOverTwelve) +
                    " of them with more than 12 towers"
              : std::string()) +
         ")");
    if (s.lmsSystems > 0)
        line("LMS antenna systems read: " + std::to_string(s.lmsSystems));
    line("Call-sign lists: " + std::to_string(s.callsK) + " K (" +
         std::to_string(s.callsKLeftOut) + " left out), " +
         std::to_string(s.callsW) + " W (" + std::to_string(s.callsWLeftOut) +
         " left out)");
    return out;
}

} // namespace tavik::import
