#pragma once
// The tower arrays of directional US stations, from the FCC's LMS public
// database. The join runs from the facility to its AM engineering records
// (the table that pairs facility_id with application_id), to the antenna
// systems of those applications (`gis_am_ant_sys`, current records
// eng_record_type "C") and to their towers (`gis_am_towers` by ant_sys_id,
// in tower_num order). The tables are '|'-separated text whose first line
// names the columns; the column order differs between dumps, so columns are
// found by name. Rows end in "|^|" (or "|^").

#include "tools/import/fcc_list.h"
#include "tools/import/lms_table_text.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tavik::import {

struct LmsTower {
    long number = 0; // tower_num, the order within the array
    // tower_ref_switch 1: spacing and orientation from tower i - 1; blank or
    // 0: from the first tower
    bool fromPrevious = false;
    double fieldRatio = 0;  // blank reads as 0
    double height = 0;      // elec_hgt_deg, electrical degrees
    double phase = 0;       // degrees
    double spacing = 0;     // electrical degrees
    double orientation = 0; // degrees clockwise from true north
};

struct LmsAntennaSystem {
    std::string id;               // ant_sys_id, as a key (see LmsKey)
    std::string applicationId;    // as a key
    std::string hours;            // hours_operation: "U", "D", "N", "C", ...
    std::string domStatus;        // am_dom_status: "L" licensed, "C" permit
    std::string recordType;       // eng_record_type: "C" current
    std::vector<LmsTower> towers; // sorted by tower number
    // Why no pattern can be formed from the towers as listed (a value that
    // is no number or beyond single precision); "" when none.
    std::string unusable;
};

// Ids as join keys: blanks, braces and '-' removed, letters in small
// capitals, so the list's "7bbf8492...b7" meets LMS's "7bbf8492-...-b7".
std::string LmsKey(std::string_view id);

class LmsTables {
  public:
    // Reads the tables of `dir` (each bare or with a .dat or .txt extension):
    // `facility` (or `gis_facility`), `gis_am_ant_sys`, `gis_am_towers` and
    // the AM engineering records: every other table whose first line names
    // both application_id and facility_id, those with "eng" in their name
    // when there are any (`gis_application` serves in older dumps).
    // Applications are kept for the AM facilities of the `facility` table
    // and for those in `facilities`. Lines that cannot
    // be read go to `problems`; the reason of a failure goes to `error`.
    LmsLoadResult Load(const std::string &dir,
                       const std::unordered_set<long> &facilities,
                       std::vector<std::string> &problems, std::string &error);

    // The antenna system of one record of the FCC list: the one whose id is
    // the record's mode key if any; otherwise among the systems of the
    // record's application or facility with the record's hours, preferring
    // a current record, the record's licence status and one with towers.
    const LmsAntennaSystem *Find(const FccRecord &record) const;

    std::size_t SystemCount() const { return systems_.size(); }
    // Lines of the tables that could not be read and were skipped.
    int BadLines() const { return badLines_; }

  private:
    LmsLoadResult LoadFacilities(const std::string &path,
                                 std::vector<std::string> &problems,
                                 std::string &error);
    LmsLoadResult LoadApplications(const std::string &path,
                                   const std::unordered_set<long> &facilities,
                                   std::vector<std::string> &problems,
                                   std::string &error);
    LmsLoadResult LoadSystems(const std::string &path,
                              std::vector<std::string> &problems,
                              std::string &error);
    LmsLoadResult LoadTowers(const std::string &path,
                             std::vector<std::string> &problems,
                             std::string &error);

    int badLines_ = 0;
    std::vector<LmsAntennaSystem> systems_;
    std::unordered_map<std::string, std::size_t> systemById_;
    std::unordered_map<std::string, std::vector<std::size_t>>
        systemsByApplication_;
    std::unordered_map<long, std::vector<std::string>> applicationsByFacility_;
    std::unordered_set<long> amFacilities_; // service code "AM"
    // "CALL/kHz" -> facility id, for a record without a facility id
    std::unordered_map<std::string, long> facilityByCallAndFrequency_;
};

} // namespace tavik::import
