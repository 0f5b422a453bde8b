#include "tools/import/fcc_list.h"

#include "tools/import/import_text.h"

namespace tavik::import {

namespace {

// 0-based column ranges [begin, end) of the list's fields.
struct Cols {
    std::size_t begin, end;
};
constexpr Cols kCall{0, 13};
constexpr Cols kFrequency{13, 19};
constexpr Cols kFrequencyUnit{19, 25};
constexpr Cols kHours{34, 39};
constexpr Cols kStatus{68, 76};
constexpr Cols kCity{76, 102};
constexpr Cols kState{102, 106};
constexpr Cols kPower{134, 141};
constexpr Cols kPowerUnit{141, 144};
constexpr Cols kDirectional{144, 157};
constexpr Cols kFacilityId{175, 187};
constexpr Cols kLatitude{187, 205};
constexpr Cols kLongitude{205, 224};
constexpr Cols kApplicationId{337, 348};
constexpr Cols kRecordKey{348, 384};
constexpr Cols kModeKey{384, 421};

std::string_view Col(std::string_view line, Cols c) {
    return Columns(line, c.begin, c.end);
}

} // namespace

const char *Describe(FccLineProblem problem) {
    switch (problem) {
    case FccLineProblem::None:
        return "no problem";
    case FccLineProblem::TooShort:
        return "line too short";
    case FccLineProblem::ColumnsShifted:
        return "columns out of place";
    case FccLineProblem::NoCall:
        return "no call sign";
    case FccLineProblem::BadFrequency:
        return "frequency not a whole number of kHz";
    case FccLineProblem::BadHours:
        return "hours not UNL, DAY, NIG or CRI";
    case FccLineProblem::BadPower:
        return "power not a number above 0";
    case FccLineProblem::PowerOutOfRange:
        return "power beyond the program's number range";
    case FccLineProblem::BadLatitude:
        return "latitude not hemisphere, degrees, minutes, seconds";
    case FccLineProblem::BadLongitude:
        return "longitude not hemisphere, degrees, minutes, seconds";
    }
    return "unknown problem";
}

std::string_view HoursCode(std::string_view listHours) {
    if (listHours == "UNL")
        return "U";
    if (listHours == "DAY")
        return "D";
    if (listHours == "NIG")
        return "N";
    if (listHours == "CRI")
        return "C";
    return {};
}

std::string StatusCode(std::string_view listStatus) {
    if (listStatus == "LIC")
        return "L";
    if (listStatus == "APP")
        return "A";
    if (listStatus == "CP")
        return "P";
    return std::string(listStatus);
}

bool ParseDms(std::string_view text, char positive, char negative,
              double maxDegrees, double &degrees) {
    text = Trim(text);
    if (text.empty() || (text[0] != positive && text[0] != negative))
        return false;
    const double sign = text[0] == positive ? 1.0 : -1.0;
    text.remove_prefix(1);
    double parts[3];
    for (double &part : parts) {
        text = Trim(text);
        std::size_t end = text.find_first_of(" \t");
        auto value = ParseNumber(text.substr(0, end));
        if (!value || *value < 0)
            return false;
        part = *value;
        text = end == std::string_view::npos ? std::string_view{}
                                             : text.substr(end);
    }
    // The list writes some positions with 60.0 seconds (the next minute).
    if (!Trim(text).empty() || parts[1] > 60 || parts[2] > 60)
        return false;
    const double value = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (value > maxDegrees)
        return false;
    degrees = sign * value;
    return true;
}

FccLineProblem ParseFccLine(std::string_view line, FccRecord &record) {
    // A line cut inside the longitude would still read as a shorter one.
    if (line.size() < kLongitude.end)
        return FccLineProblem::TooShort;
    if (Col(line, kFrequencyUnit) != "kHz" || Col(line, kPowerUnit) != "kW")
        return FccLineProblem::ColumnsShifted;

    std::string_view call = Col(line, kCall);
    if (call.empty())
        return FccLineProblem::NoCall;
    auto frequency = ParseWhole(Col(line, kFrequency));
    if (!frequency || *frequency <= 0 || *frequency > 100000)
        return FccLineProblem::BadFrequency;
    std::string_view hours = HoursCode(Col(line, kHours));
    if (hours.empty())
        return FccLineProblem::BadHours;
    auto power = ParseNumber(Col(line, kPower));
    if (!power || *power <= 0)
        return FccLineProblem::BadPower;
    const std::optional<float> single = ToChannelSingle(*power);
    if (!single || !(*single > 0))
        return FccLineProblem::PowerOutOfRange;
    // Blank position columns read as 0, 0: a record without a position,
    // which the importer leaves out and counts.
    double latitude = 0, longitude = 0;
    const bool noPosition =
        Col(line, kLatitude).empty() && Col(line, kLongitude).empty();
    if (!noPosition &&
        !ParseDms(Col(line, kLatitude), 'N', 'S', 90.0, latitude))
        return FccLineProblem::BadLatitude;
    if (!noPosition &&
        !ParseDms(Col(line, kLongitude), 'W', 'E', 180.0, longitude))
        return FccLineProblem::BadLongitude;

    record.call.assign(call);
    record.frequencyKHz = static_cast<int>(*frequency);
    record.hours.assign(hours);
    record.status = StatusCode(Col(line, kStatus));
    record.city.assign(Col(line, kCity));
    record.state.assign(Col(line, kState));
    record.powerKw = *power;
    record.directional = Col(line, kDirectional) == "Directional";
    record.facilityId = ParseWhole(Col(line, kFacilityId)).value_or(0);
    record.latitude = latitude;
    record.longitudeWest = longitude < 0 ? 360.0 + longitude : longitude;
    record.applicationId.assign(Col(line, kApplicationId));
    record.recordKey.assign(Col(line, kRecordKey));
    record.modeKey.assign(Col(line, kModeKey));
    return FccLineProblem::None;
}

} // namespace tavik::import
