#include "tools/import/lms_tables.h"

#include "tools/import/import_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace tavik::import {

namespace {

// A number field that may be blank (read as 0); false when it is no number
// or none that the program's single precision holds.
bool BlankOrNumber(std::string_view text, double &value) {
    if (text.empty()) {
        value = 0;
        return true;
    }
    auto number = ParseNumber(text);
    if (!number || !ToChannelSingle(*number))
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
    const std::string facility = !FindLmsTable(dir, "facility").empty()
                                     ? FindLmsTable(dir, "facility")
                                     : FindLmsTable(dir, "gis_facility");
    const std::string systems = FindLmsTable(dir, "gis_am_ant_sys");
    const std::string towers = FindLmsTable(dir, "gis_am_towers");
    for (const auto &[path, name] :
         {std::pair{facility, "facility"}, std::pair{systems, "gis_am_ant_sys"},
          std::pair{towers, "gis_am_towers"}})
        if (path.empty()) {
            error = std::string("LMS table ") + name + " (" + name + ", " +
                    name + ".dat or " + name + ".txt) is not in " + dir;
            return LmsLoadResult::MissingTable;
        }

    // The tables that pair an application with its facility.
    std::vector<std::string> links, engineering;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(dir, ec)) {
        const std::string path = entry.path().string();
        if (!entry.is_regular_file(ec) || path == facility ||
            path == systems || path == towers)
            continue;
        const std::vector<std::string> names = LmsHeaderNames(path);
        auto has = [&names](const char *name) {
            return std::find(names.begin(), names.end(), name) != names.end();
        };
        if (!has("application_id") || (!has("facility_id") && !has("fac_id")))
            continue;
        links.push_back(path);
        if (LowerCase(entry.path().filename().string()).find("eng") !=
            std::string::npos)
            engineering.push_back(path);
    }
    if (!engineering.empty())
        links = engineering;
    // Without such a table the systems are still found by the keys of the
    // FCC list's records (and by a facility_id of gis_am_ant_sys).
    std::sort(links.begin(), links.end());

    LmsLoadResult result = LoadFacilities(facility, problems, error);
    for (const std::string &link : links)
        if (result == LmsLoadResult::Read)
            result = LoadApplications(link, facilities, problems, error);
    if (result == LmsLoadResult::Read)
        result = LoadSystems(systems, problems, error);
    if (result == LmsLoadResult::Read)
        result = LoadTowers(towers, problems, error);
    if (result == LmsLoadResult::Read && systems_.empty()) {
        error = "LMS table " + systems +
                " refused: not one row of it reads as an antenna system";
        result = LmsLoadResult::NoHeader;
    }
    return result;
}

LmsLoadResult LmsTables::LoadFacilities(const std::string &path,
                                        std::vector<std::string> &problems,
                                        std::string &error) {
    return ReadLmsTable(
        path, "facility",
        {{"facility_id", "fac_id"},
         {"?callsign", "fac_callsign"},
         {"?fac_freq", "freq", "frequency"},
         {"?service_code", "fac_service"}},
        problems, error, badLines_,
        [&](const std::vector<std::string_view> &v) -> const char * {
            auto id = ParseWhole(v[0]);
            if (!id)
                return "facility id not a whole number";
            // Without a service column every facility is taken as AM.
            if (!v[3].empty() && v[3] != "AM")
                return nullptr;
            amFacilities_.insert(*id);
            auto frequency = ParseNumber(v[2]);
            if (!v[1].empty() && frequency && std::fabs(*frequency) < 1e9)
                facilityByCallAndFrequency_[std::string(v[1]) + "/" +
                                            std::to_string(std::lround(
                                                *frequency))] = *id;
            return nullptr;
        });
}

LmsLoadResult LmsTables::LoadApplications(
    const std::string &path, const std::unordered_set<long> &facilities,
    std::vector<std::string> &problems, std::string &error) {
    const std::string table =
        std::filesystem::path(path).filename().string();
    return ReadLmsTable(
        path, table.c_str(),
        {{"application_id"}, {"facility_id", "fac_id"}, {"?service_code"}},
        problems, error,
        badLines_, [&](const std::vector<std::string_view> &v) -> const char * {
            if (v[0].empty())
                return "no application id";
            if (v[1].empty())
                return nullptr; // an application without a facility
            if (v[2] == "FM" || v[2] == "TV")
                return nullptr; // another service's record
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
    return ReadLmsTable(
        path, "gis_am_ant_sys",
        {{"ant_sys_id"},
         {"application_id"},
         {"hours_operation"},
         {"?am_dom_status"},
         {"?eng_record_type"},
         {"?facility_id", "fac_id"}},
        problems, error, badLines_,
        [&](const std::vector<std::string_view> &v) -> const char * {
            if (v[0].empty())
                return "no antenna system id";
            std::string id = LmsKey(v[0]);
            LmsAntennaSystem system;
            system.id = id;
            system.applicationId = LmsKey(v[1]);
            system.hours.assign(v[2]);
            system.domStatus.assign(v[3]);
            // Without the column every record counts as current.
            system.recordType.assign(v[4].empty() ? "C" : v[4]);
            auto listed = systemById_.find(id);
            if (listed != systemById_.end()) {
                // The current record of an id listed twice wins, whatever
                // the order.
                LmsAntennaSystem &old = systems_[listed->second];
                if (old.recordType == "C" || system.recordType != "C")
                    return nullptr;
                if (old.applicationId != system.applicationId)
                    return "antenna system listed twice";
                old = std::move(system);
                return nullptr;
            }
            if (auto facility = ParseWhole(v[5]))
                applicationsByFacility_[*facility].push_back(
                    system.applicationId);
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
    LmsLoadResult read = ReadLmsTable(
        path, "gis_am_towers",
        {{"ant_sys_id"},
         {"tower_num"},
         {"field_ratio"},
         {"phasing_deg"},
         {"spacing_deg"},
         {"orientation_deg"},
         {"tower_ref_switch"},
         {"?elec_hgt_deg"}},
        problems, error, badLines_,
        [&](const std::vector<std::string_view> &v) -> const char * {
            key = LmsKey(v[0]);
            auto system = systemById_.find(key);
            if (system == systemById_.end())
                return nullptr; // a tower of a system not kept
            LmsAntennaSystem &array = systems_[system->second];
            // A tower that cannot be read spoils the whole array: drawn
            // without it, the pattern would be wrong.
            auto spoil = [&array](const char *why) {
                if (array.unusable.empty())
                    array.unusable = why;
                return why;
            };
            LmsTower tower;
            auto number = ParseWhole(v[1]);
            if (!number)
                return spoil("tower number not a whole number");
            tower.number = *number;
            if (!BlankOrNumber(v[2], tower.fieldRatio) ||
                !BlankOrNumber(v[3], tower.phase) ||
                !BlankOrNumber(v[4], tower.spacing) ||
                !BlankOrNumber(v[5], tower.orientation) ||
                !BlankOrNumber(v[7], tower.height))
                return spoil("field ratio, phase, spacing, orientation or "
                             "height not a number the program can hold");
            tower.fromPrevious = v[6] == "1";
            for (const LmsTower &t : array.towers)
                if (t.number == tower.number)
                    return spoil("tower listed twice");
            array.towers.push_back(tower);
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
