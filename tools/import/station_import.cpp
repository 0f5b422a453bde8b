#include "tools/import/station_import.h"

#include "core/text_file.h"

#include "tools/import/canada_list.h"
#include "tools/import/fcc_list.h"
#include "tools/import/import_text.h"
#include "tools/import/lms_tables.h"
#include "tools/import/places.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <unordered_set>

#include <unistd.h>

namespace tavik::import {

namespace {

constexpr const char *kEol = "\r\n";
constexpr const char *kNoCity = "UNKNOWN";
constexpr const char *kNoProvince = "CAN";
constexpr const char *kNoState = "XX";

std::string FileName(const std::string &path) {
    return std::filesystem::path(path).filename().string();
}

bool OnRaster(int khz) { return khz % kChannelStep == 0; }
bool InBand(int khz) { return khz >= kFirstChannel && khz <= kLastChannel; }

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
        if (in.fcc.empty()) {
            summary.error = "FCC list " + opts.fccPath +
                            " refused: not one line of it reads as a record";
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
        if (in.canada.stations.empty()) {
            summary.error = "Canadian list " + opts.canadaPath +
                            " refused: not one row of it reads as a station";
            return ImportResult::InputFailed;
        }
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
        if (in.places.empty()) {
            summary.error = "places file " + opts.placesPath +
                            " refused: not one row of it reads as a place";
            return ImportResult::InputFailed;
        }
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

// The towers of an LMS array as the channel file gives them. LMS measures a
// tower whose reference switch is 0 from the first tower, the program from
// the array's reference point: the same place when the first tower stands
// on it, as it nearly always does; otherwise such a tower is given its
// place from the reference point.
std::vector<OutputTower> ArrayTowers(const std::vector<LmsTower> &lms) {
    std::vector<OutputTower> towers;
    double firstX = 0, firstY = 0; // east and north of the first tower
    for (const LmsTower &t : lms) {
        OutputTower out{t.fromPrevious, t.fieldRatio, t.height,
                        t.phase,        t.spacing,    t.orientation};
        const double rad = 3.14159265358979323846 / 180.0;
        if (towers.empty()) {
            firstX = t.spacing * std::sin(t.orientation * rad);
            firstY = t.spacing * std::cos(t.orientation * rad);
        } else if (!t.fromPrevious && (firstX != 0 || firstY != 0)) {
            const double x = firstX + t.spacing * std::sin(t.orientation * rad);
            const double y = firstY + t.spacing * std::cos(t.orientation * rad);
            out.spacing = std::hypot(x, y);
            out.orientation = std::atan2(x, y) / rad;
            if (out.orientation < 0)
                out.orientation += 360;
        }
        towers.push_back(out);
    }
    return towers;
}

void AddUsStations(const Inputs &in,
                   std::vector<std::vector<OutputStation>> &channels,
                   ImportSummary &summary) {
    for (const FccRecord &r : in.fcc) {
        int index = ChannelIndex(r.frequencyKHz, true, summary);
        if (index < 0)
            continue;
        if (r.latitude == 0 && r.longitudeWest == 0) {
            summary.withoutCoordinates.push_back(r.call);
            continue;
        }
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
            if (system && !system->unusable.empty()) {
                ++summary.arraysRefused;
                summary.problems.push_back(
                    r.call + " " + std::to_string(r.frequencyKHz) + " kHz " +
                    r.hours + ": written without towers: " + system->unusable);
            } else if (system) {
                s.towers = ArrayTowers(system->towers);
                if (const char *problem = ArrayProblem(s.towers)) {
                    ++summary.arraysRefused;
                    summary.directionalOverTwelve +=
                        s.towers.size() > kMaxTowerLines;
                    summary.problems.push_back(
                        r.call + " " + std::to_string(r.frequencyKHz) +
                        " kHz " + r.hours +
                        ": written without towers: " + problem);
                    s.towers.clear();
                }
            }
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
        if (!c.located) {
            summary.withoutCoordinates.push_back(c.call);
            continue;
        }
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

} // namespace

ImportResult RunImport(const ImportOptions &opts, ImportSummary &summary) {
    Inputs in;
    ImportResult read = ReadInputs(opts, in, summary);
    if (read != ImportResult::Done)
        return read;

    std::vector<std::vector<OutputStation>> channels(kChannelCount);
    AddUsStations(in, channels, summary);
    AddCanadianStations(in, channels, summary);

    // Every file is first written into a folder of its own beside the old
    // ones; only when all are written are they moved over the old files,
    // each move a rename within one folder.
    namespace fs = std::filesystem;
    const fs::path outDir(opts.outDir);
    std::error_code ec;
    const bool outDirExisted = fs::is_directory(outDir, ec);
    fs::create_directories(outDir, ec);
    fs::path staging;
    for (int attempt = 0; attempt < 100 && staging.empty(); ++attempt) {
        fs::path candidate = outDir / (".tavik-import-" +
                                       std::to_string(::getpid()) + "-" +
                                       std::to_string(attempt));
        if (fs::create_directory(candidate, ec))
            staging = candidate;
    }
    if (staging.empty()) {
        summary.error = "no temporary folder can be made in " + opts.outDir;
        return ImportResult::OutputFailed;
    }
    std::vector<std::string> names;
    const auto fail = [&](const std::string &error) {
        summary.error = error;
        fs::remove_all(staging, ec);
        if (!outDirExisted)
            fs::remove(outDir, ec); // only when empty
        return ImportResult::OutputFailed;
    };

    std::string content;
    for (int i = 0; i < kChannelCount; ++i) {
        content.clear();
        for (const OutputStation &s : channels[static_cast<std::size_t>(i)])
            if (!AppendStationLines(s, content))
                return fail(s.call + " holds a number the program cannot "
                                     "read");
        const std::string name =
            std::to_string(kFirstChannel + i * kChannelStep) + ".DAT";
        if (!WriteFile((staging / name).string(), content))
            return fail((outDir / name).string() + " cannot be written");
        names.push_back(name);
    }

    const struct {
        const char *name;
        char letter;
        int limit;
        int &written, &leftOut;
    } lists[] = {{"SortedCallsKspaces.DAT", 'K', kMaxCallsK, summary.callsK,
                  summary.callsKLeftOut},
                 {"SortedCallsWspaces.DAT", 'W', kMaxCallsW, summary.callsW,
                  summary.callsWLeftOut}};
    for (const auto &list : lists) {
        if (!WriteCallList((staging / list.name).string(),
                           CallList(channels, list.letter), list.limit,
                           list.written, list.leftOut))
            return fail((outDir / list.name).string() + " cannot be written");
        names.push_back(list.name);
    }

    // A folder in the way of a file would stop the moves halfway.
    for (const std::string &name : names)
        if (fs::is_directory(outDir / name, ec))
            return fail((outDir / name).string() + " is a folder");
    for (const std::string &name : names) {
        fs::rename(staging / name, outDir / name, ec);
        if (ec)
            return fail((outDir / name).string() +
                        " cannot be replaced: " + ec.message());
    }
    fs::remove_all(staging, ec);
    summary.channelFiles = kChannelCount;
    return ImportResult::Done;
}

} // namespace tavik::import
