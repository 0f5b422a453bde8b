#include "tools/import/lms_tables.h"

#include "core/text_file.h"

#include "tools/import/import_text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <initializer_list>

namespace tavik::import {

namespace {

// Bad lines of one table listed by line; more than this are only counted.
constexpr int kProblemsListedPerTable = 20;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// dir/table, dir/table.dat or dir/table.txt, the name in any letter case;
// "" when there is none.
std::string FindTable(const std::string &dir, const std::string &table) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        const std::string name = Lower(entry.path().filename().string());
        if (name == table || name == table + ".dat" || name == table + ".txt")
            return entry.path().string();
    }
    return {};
}

// Drops the "^" that may end a record, with the separator before it.
std::string_view RecordBody(std::string_view line) {
    line = Trim(line);
    if (!line.empty() && line.back() == '^') {
        line.remove_suffix(1);
        if (!line.empty() && line.back() == '|')
            line.remove_suffix(1);
    }
    return line;
}

// A column read by one of its names (dumps of different years differ).
using ColumnNames = std::initializer_list<const char *>;

// Streams one table: finds the columns in the first line, then hands each
// record's values, in the order of `columns`, to onRow, which returns a
// problem text or nullptr.
template <class OnRow>
LmsLoadResult ReadTable(const std::string &path, const char *table,
                        std::initializer_list<ColumnNames> columns,
                        std::vector<std::string> &problems, std::string &error,
                        int &badLines, OnRow onRow) {
    TextFileReader reader(LineEnds::Lf);
    if (!reader.Open(path)) {
        error = "LMS table " + path + " cannot be opened";
        return LmsLoadResult::CannotRead;
    }
    std::string line;
    std::vector<std::string_view> fields;
    std::vector<std::size_t> index;
    std::string missing;
    if (reader.ReadLine(line)) {
        SplitFields(RecordBody(line), '|', fields);
        for (const ColumnNames &names : columns) {
            std::size_t found = fields.size();
            for (std::size_t f = 0; f < fields.size() && found == fields.size();
                 ++f)
                for (const char *name : names)
                    if (Lower(Trim(fields[f])) == name)
                        found = f;
            if (found == fields.size())
                missing +=
                    std::string(missing.empty() ? "" : ", ") + *names.begin();
            index.push_back(found);
        }
    } else {
        missing = "any";
    }
    if (!missing.empty()) {
        error = "LMS table " + path +
                " refused: its first line does not "
                "name the columns (" +
                missing +
                " missing); the table must "
                "start with the header line of the LMS dump";
        return LmsLoadResult::NoHeader;
    }
    const std::size_t needed = *std::max_element(index.begin(), index.end());
    std::vector<std::string_view> values(index.size());
    int bad = 0;
    while (reader.ReadLine(line)) {
        std::string_view body = RecordBody(line);
        if (body.empty())
            continue;
        SplitFields(body, '|', fields);
        const char *problem = "fewer fields than the header names";
        if (fields.size() > needed) {
            for (std::size_t c = 0; c < index.size(); ++c)
                values[c] = Trim(fields[index[c]]);
            problem = onRow(values);
        }
        if (problem && ++bad <= kProblemsListedPerTable)
            problems.push_back(std::string(table) + " line " +
                               std::to_string(reader.LineNumber()) + ": " +
                               problem);
    }
    badLines += bad;
    if (bad > kProblemsListedPerTable)
        problems.push_back(std::string(table) + ": " +
                           std::to_string(bad - kProblemsListedPerTable) +
                           " more lines that could not be read");
    if (reader.Failed()) {
        error = "LMS table " + path + " could not be read to its end";
        return LmsLoadResult::CannotRead;
    }
    return LmsLoadResult::Read;
}

// A number field that may be blank (read as 0).
bool BlankOrNumber(std::string_view text, double &value) {
    if (text.empty()) {
        value = 0;
        return true;
    }
    auto number = ParseNumber(text);
    if (!number)
        return false;
    value = *number;
    return true;
}

} // namespace

std::string LmsKey(std::string_view id) {
    std::string key;
    key.reserve(id.size());
    for (char c : id) {
        if (c == ' ' || c == '\t' || c == '-' || c == '{' || c == '}')
            continue;
        key.push_back(
            static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return key;
}

LmsLoadResult LmsTables::Load(const std::string &dir,
                              const std::unordered_set<long> &facilities,
                              std::vector<std::string> &problems,
                              std::string &error) {
    const char *tables[] = {"facility", "gis_application", "gis_am_ant_sys",
                            "gis_am_towers"};
    std::string paths[4];
    for (int t = 0; t < 4; ++t) {
        paths[t] = FindTable(dir, tables[t]);
        if (paths[t].empty()) {
            error = std::string("LMS table ") + tables[t] + " (" + tables[t] +
                    ", " + tables[t] + ".dat or " + tables[t] +
                    ".txt) is not in " + dir;
            return LmsLoadResult::MissingTable;
        }
    }
    LmsLoadResult result = LoadFacilities(paths[0], problems, error);
    if (result == LmsLoadResult::Read)
        result = LoadApplications(paths[1], facilities, problems, error);
    if (result == LmsLoadResult::Read)
        result = LoadSystems(paths[2], problems, error);
    if (result == LmsLoadResult::Read)
        result = LoadTowers(paths[3], problems, error);
    return result;
}

LmsLoadResult LmsTables::LoadFacilities(const std::string &path,
                                        std::vector<std::string> &problems,
                                        std::string &error) {
    return ReadTable(
        path, "facility",
        {{"facility_id", "fac_id"},
         {"callsign"},
         {"fac_freq", "freq"},
         {"service_code"}},
        problems, error, badLines_,
        [&](const std::vector<std::string_view> &v) -> const char * {
            auto id = ParseWhole(v[0]);
            if (!id)
                return "facility id not a whole number";
            if (v[3] != "AM")
                return nullptr;
            amFacilities_.insert(*id);
            auto frequency = ParseNumber(v[2]);
            if (!v[1].empty() && frequency)
                facilityByCallAndFrequency_[std::string(v[1]) + "/" +
                                            CompactNumber(*frequency, 0)] = *id;
            return nullptr;
        });
}

LmsLoadResult LmsTables::LoadApplications(
    const std::string &path, const std::unordered_set<long> &facilities,
    std::vector<std::string> &problems, std::string &error) {
    return ReadTable(
        path, "gis_application",
        {{"application_id"}, {"facility_id", "fac_id"}}, problems, error,
        badLines_, [&](const std::vector<std::string_view> &v) -> const char * {
            if (v[0].empty())
                return "no application id";
            if (v[1].empty())
                return nullptr; // an application without a facility
            auto id = ParseWhole(v[1]);
            if (!id)
                return "facility id not a whole number";
            if (amFacilities_.count(*id) || facilities.count(*id))
                applicationsByFacility_[*id].push_back(LmsKey(v[0]));
            return nullptr;
        });
}

LmsLoadResult LmsTables::LoadSystems(const std::string &path,
                                     std::vector<std::string> &problems,
                                     std::string &error) {
    return ReadTable(
        path, "gis_am_ant_sys",
        {{"ant_sys_id"},
         {"application_id"},
         {"hours_operation"},
         {"am_dom_status"},
         {"eng_record_type"}},
        problems, error, badLines_,
        [&](const std::vector<std::string_view> &v) -> const char * {
            if (v[0].empty())
                return "no antenna system id";
            std::string id = LmsKey(v[0]);
            if (systemById_.count(id))
                return "antenna system listed twice";
            LmsAntennaSystem system;
            system.id = id;
            system.applicationId = LmsKey(v[1]);
            system.hours.assign(v[2]);
            system.domStatus.assign(v[3]);
            system.recordType.assign(v[4]);
            systemById_.emplace(id, systems_.size());
            systemsByApplication_[system.applicationId].push_back(
                systems_.size());
            systems_.push_back(std::move(system));
            return nullptr;
        });
}

LmsLoadResult LmsTables::LoadTowers(const std::string &path,
                                    std::vector<std::string> &problems,
                                    std::string &error) {
    std::string key;
    LmsLoadResult read = ReadTable(
        path, "gis_am_towers",
        {{"ant_sys_id"},
         {"tower_num"},
         {"field_ratio"},
         {"phasing_deg"},
         {"spacing_deg"},
         {"orientation_deg"},
         {"tower_ref_switch"}},
        problems, error, badLines_,
        [&](const std::vector<std::string_view> &v) -> const char * {
            key = LmsKey(v[0]);
            auto system = systemById_.find(key);
            if (system == systemById_.end())
                return nullptr; // a tower of a system not kept
            LmsTower tower;
            auto number = ParseWhole(v[1]);
            if (!number)
                return "tower number not a whole number";
            tower.number = *number;
            if (!BlankOrNumber(v[2], tower.fieldRatio) ||
                !BlankOrNumber(v[3], tower.phase) ||
                !BlankOrNumber(v[4], tower.spacing) ||
                !BlankOrNumber(v[5], tower.orientation))
                return "field ratio, phase, spacing or orientation not a "
                       "number";
            tower.fromPrevious = v[6] == "1";
            auto &towers = systems_[system->second].towers;
            for (const LmsTower &t : towers)
                if (t.number == tower.number)
                    return "tower listed twice";
            towers.push_back(tower);
            return nullptr;
        });
    for (LmsAntennaSystem &system : systems_)
        std::stable_sort(system.towers.begin(), system.towers.end(),
                         [](const LmsTower &a, const LmsTower &b) {
                             return a.number < b.number;
                         });
    return read;
}

const LmsAntennaSystem *LmsTables::Find(const FccRecord &record) const {
    if (!record.modeKey.empty()) {
        auto found = systemById_.find(LmsKey(record.modeKey));
        if (found != systemById_.end())
            return &systems_[found->second];
    }

    const LmsAntennaSystem *best = nullptr;
    int bestScore = -1;
    auto consider = [&](const std::string &application, int applicationScore) {
        auto found = systemsByApplication_.find(application);
        if (application.empty() || found == systemsByApplication_.end())
            return;
        for (std::size_t i : found->second) {
            const LmsAntennaSystem &system = systems_[i];
            if (system.hours != record.hours)
                continue;
            const bool licensed = record.status == "L";
            int score = applicationScore;
            score += system.recordType == "C" ? 4 : 0;
            score += (system.domStatus == "L") == licensed ? 2 : 0;
            score += system.towers.empty() ? 0 : 1;
            if (score > bestScore) {
                best = &system;
                bestScore = score;
            }
        }
    };
    consider(LmsKey(record.recordKey), 8);
    consider(LmsKey(record.applicationId), 8);

    long facility = record.facilityId;
    if (facility == 0) {
        auto found = facilityByCallAndFrequency_.find(
            record.call + "/" + std::to_string(record.frequencyKHz));
        if (found != facilityByCallAndFrequency_.end())
            facility = found->second;
    }
    auto applications = applicationsByFacility_.find(facility);
    if (applications != applicationsByFacility_.end())
        for (const std::string &application : applications->second)
            consider(application, 0);
    return best;
}

} // namespace tavik::import
