#include "stations/channel_file.h"

#include "core/number_text.h"

#include <cmath>
#include <limits>

namespace tavik {

namespace {

// Walks the comma-separated fields of one line. A field asked for past the
// end of the line is the last one taken, which may come from an earlier line.
class FieldCursor {
  public:
    FieldCursor(std::string_view line, std::string_view previous)
        : rest_(line), field_(previous) {}
    std::string_view Next() {
        TakeField(rest_, field_);
        return field_;
    }
    std::string_view Last() const { return field_; }

  private:
    std::string_view rest_;
    std::string_view field_;
};

void AssignText(std::string &target, std::string_view field) {
    target.assign(field.data(), field.size());
}

// Fractional fields are kept in single precision; a value beyond its range
// cannot be stored and fails the read.
bool ReadFloatField(std::string_view field, float &out) {
    double value = 0;
    if (!ReadPlainNumber(field, value))
        return false;
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        return false;
    out = static_cast<float>(value);
    return true;
}

// Halves go to the even neighbour, whatever the floating-point environment.
double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// Whole-number fields are signed 16-bit; outside -32768..32767 fails the read.
bool ReadInt16Field(std::string_view field, int16_t &out) {
    double value = 0;
    if (!ReadPlainNumber(field, value))
        return false;
    const double rounded = RoundHalfToEven(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max()))
        return false;
    out = static_cast<int16_t>(rounded);
    return true;
}

bool ReadTower(FieldCursor &fields, Tower &tower) {
    AssignText(tower.TowerRef, fields.Next());
    return ReadFloatField(fields.Next(), tower.FieldRatio) &&
           ReadFloatField(fields.Next(), tower.Field3) &&
           ReadFloatField(fields.Next(), tower.Phase) &&
           ReadFloatField(fields.Next(), tower.Spacing) &&
           ReadFloatField(fields.Next(), tower.Orientation);
}

} // namespace

std::string ChannelFileName(float channelKHz, bool lowerCaseExtension) {
    return ShortestText(channelKHz) + (lowerCaseExtension ? ".dat" : ".DAT");
}

bool PassesClassFilters(std::string_view call, const ShowFlags &flags,
                        bool testDeleted) {
    if (call == "NEW" && flags.showNew == 0)
        return false;
    if (call.size() < 3 && flags.showShort == 0)
        return false;
    if (call == "XENVA2" && flags.showXenva2 == 0)
        return false;
    if (call.size() > 5 && flags.showLong == 0)
        return false;
    if (testDeleted && !call.empty() && call.front() == 'D' &&
        flags.showDeleted == 0)
        return false;
    return true;
}

bool PassesHoursFilter(const StationRecord &record, int16_t dayNightMode) {
    if (dayNightMode == 1 && record.Hours == "N")
        return false;
    if (dayNightMode == 2 && record.Hours == "D")
        return false;
    return true;
}

bool PassesStatusFilter(const StationRecord &record, int16_t licensedOnly) {
    return licensedOnly != 1 || record.Status == "L";
}

bool PassesPlotFilters(const StationRecord &record, int16_t dayNightMode,
                       int16_t licensedOnly, const ShowFlags &flags) {
    return PassesHoursFilter(record, dayNightMode) &&
           PassesStatusFilter(record, licensedOnly) &&
           PassesClassFilters(record.Call, flags);
}

bool IsListedCountry(std::string_view country) {
    return country == "USA" || country == "Canada" || country == "Mexico" ||
           country == "Cuba";
}

bool ReadTowerLine(std::string_view line, std::string &lastField,
                   Tower &tower) {
    FieldCursor fields(line, lastField);
    const bool read = ReadTower(fields, tower);
    const std::string_view last = fields.Last();
    if (last.data() != lastField.data())
        lastField.assign(last.data(), last.size());
    return read;
}

bool ChannelFile::Open(const std::string &dir, const std::string &name) {
    reader_.Close();
    name_ = name;
    lastField_.clear();
    return reader_.OpenNoCase(dir, name);
}

ReadResult ChannelFile::ReadStation(StationRecord &record) {
    if (!reader_.IsOpen())
        return ReadResult::Failure;

    // Keeps the last field of the line just read for the next line to repeat;
    // the views die with the line buffer.
    const auto rememberLast = [this](std::string_view last) {
        if (last.data() != lastField_.data())
            lastField_.assign(last.data(), last.size());
    };

    while (reader_.ReadLine(line_)) {
        FieldCursor fields(line_, lastField_);
        AssignText(record.Call, fields.Next());
        AssignText(record.Country, fields.Next());
        if (!IsListedCountry(record.Country)) {
            rememberLast(fields.Last());
            continue;
        }
        AssignText(record.State, fields.Next());
        AssignText(record.City, fields.Next());
        AssignText(record.Status, fields.Next());
        AssignText(record.Hours, fields.Next());
        const bool numbersRead =
            ReadFloatField(fields.Next(), record.Latitude) &&
            ReadFloatField(fields.Next(), record.Longitude) &&
            ReadFloatField(fields.Next(), record.Power) &&
            ReadInt16Field(fields.Next(), record.Field10) &&
            ReadInt16Field(fields.Next(), record.Towers);
        rememberLast(fields.Last());
        if (!numbersRead || record.Towers > kMaxTowers)
            return ReadResult::Failure;

        for (int i = 1; i <= record.Towers; ++i) {
            if (!reader_.ReadLine(line_))
                return reader_.Failed() ? ReadResult::Failure : ReadResult::End;
            if (!ReadTowerLine(line_, lastField_, record.Tower[i]))
                return ReadResult::Failure;
        }
        return ReadResult::Record;
    }
    return reader_.Failed() ? ReadResult::Failure : ReadResult::End;
}

} // namespace tavik
