#pragma once
// The FCC's AM Query list of US stations: one record per antenna mode (day,
// night, critical hours, unlimited), fixed columns, lines of 420 characters
// (a few of 381 or 421, whose difference lies past the columns read here).

#include <string>
#include <string_view>

namespace tavik::import {

struct FccRecord {
    std::string call;     // "WASG"; a leading "D" marks a deleted facility
    int frequencyKHz = 0; // as listed, including Guam's 567 and 801
    std::string hours;    // "U", "D", "N" or "C" (from UNL, DAY, NIG, CRI)
    std::string status;   // "L" licence (LIC), "A" application (APP), ...
    std::string city;     // as listed, capitals
    std::string state;    // "AL", also "PR", "VI", "GU", "MP", "DC"
    double powerKw = 0;
    bool directional = false;
    long facilityId = 0; // 0 when the column is blank
    double latitude = 0; // degrees north
    // Degrees west, 0 to 360: an east longitude E becomes 360 - E, so that
    // Guam (144.76 E) is 215.24 and every longitude is a positive west one.
    double longitudeWest = 0;
    std::string applicationId; // the list's numeric application id
    std::string recordKey;     // key shared by a station's records (hex)
    std::string modeKey;       // key of this antenna mode (hex)
};

enum class FccLineProblem {
    None,
    TooShort,       // ends before the end of the longitude's columns
    ColumnsShifted, // "kHz" and "kW" are not where the layout has them
    NoCall,
    BadFrequency,
    BadHours,
    BadPower,
    PowerOutOfRange, // a number, but none the program can hold (single)
    BadLatitude,
    BadLongitude,
};

// What the summary says of a problem ("no call sign", ...).
const char *Describe(FccLineProblem problem);

// Reads one line of the list into `record` (its strings are reused).
FccLineProblem ParseFccLine(std::string_view line, FccRecord &record);

// "U", "D", "N", "C" for the list's UNL, DAY, NIG, CRI; "" for anything else.
std::string_view HoursCode(std::string_view listHours);
// "L" for LIC, "A" for APP, "P" for CP; another text is kept as it is.
std::string StatusCode(std::string_view listStatus);

// Degrees from "N  30  44  45.7" (hemisphere, degrees, minutes, seconds):
// north and west positive; S and E give negative values. Nothing when the
// text is not of that form or out of range (latitude 90, longitude 180).
bool ParseDms(std::string_view text, char positive, char negative,
              double maxDegrees, double &degrees);

} // namespace tavik::import
