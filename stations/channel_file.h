#pragma once
// The per-channel station files ("1340.DAT"), the station record they hold
// and the filters that hide classes of stations.
//
// A station is a line of 11 comma-separated fields (Call, Country, State,
// City, Status, Hours, Latitude, Longitude WEST positive, Power, Field10,
// Towers) followed by `Towers` tower lines of 6 fields (TowerRef, FieldRatio,
// Field3, Phase, Spacing, Orientation).

#include "core/text_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavik {

constexpr int kMaxTowers = 12;
// The band: channels 530 to 1700 kHz, 10 kHz apart.
constexpr int kBandLowKHz = 530;
constexpr int kBandHighKHz = 1700;
constexpr int kChannelSpacingKHz = 10;
constexpr float kLowestChannel = kBandLowKHz;
constexpr float kHighestChannel = kBandHighKHz;

struct Tower {
    std::string TowerRef;  // "0": measured from the array's reference point
    float FieldRatio = 0;  // relative field; only ratios between towers count
    float Field3 = 0;      // kept, unused
    float Phase = 0;       // degrees
    float Spacing = 0;     // electrical degrees (360 = one wavelength)
    float Orientation = 0; // degrees clockwise from true north
};

struct StationRecord {
    std::string Call, Country, State, City, Status, Hours;
    float Latitude = 0;  // degrees north
    float Longitude = 0; // degrees WEST positive
    float Power = 0;     // in the data's unit; patterns grow as Power^0.31622
    int16_t Field10 = 0; // kept, unused
    int16_t Towers = 0;  // tower lines that followed the station line
    // Entries 1..Towers are the towers; entry 0 stays all zero, the origin
    // of a tower 1 measured from "the previous tower".
    std::array<::tavik::Tower, kMaxTowers + 1> Tower{};
};

// "1340.DAT" for 1340; the start-up display and the printed map spell the
// extension ".dat" (files are matched without regard to case anyway).
std::string ChannelFileName(float channelKHz, bool lowerCaseExtension = false);

// The five show-flags of the session: 0 hides the class, anything else shows
// it.
struct ShowFlags {
    int16_t showNew = 0;
    int16_t showShort = 0;
    int16_t showXenva2 = 0;
    int16_t showLong = 0;
    int16_t showDeleted = 0;
};

// NEW, short (< 3 chars), XENVA2, long (> 5 chars), deleted (first letter
// "D"); the start-up display leaves out the deleted test.
bool PassesClassFilters(std::string_view call, const ShowFlags &flags,
                        bool testDeleted = true);
// dayNightMode 1 drops "N", 2 drops "D", 0 drops nothing.
bool PassesHoursFilter(const StationRecord &record, int16_t dayNightMode);
// licensedOnly 1 drops every Status other than "L".
bool PassesStatusFilter(const StationRecord &record, int16_t licensedOnly);

// The filters of the channel plot and the printed map, in their order: hours,
// status, then the five classes.
bool PassesPlotFilters(const StationRecord &record, int16_t dayNightMode,
                       int16_t licensedOnly, const ShowFlags &flags);

// "USA", "Canada", "Mexico" or "Cuba", compared exactly.
bool IsListedCountry(std::string_view country);

enum class ReadResult {
    Record,  // a station line with a listed country and all its tower lines
    End,     // end of file (an incomplete last record is dropped)
    Failure, // more than 12 towers, a 16-bit field out of range, a number
             // overflow
};

// Takes the six fields of one tower line into `tower`. `lastField` holds the
// field a short line repeats and receives the last field taken. False when a
// number lies beyond single range.
bool ReadTowerLine(std::string_view line, std::string &lastField,
                   ::tavik::Tower &tower);

// Reads one channel file from top to bottom, record by record. Lines that are
// not station lines of a listed country are skipped silently. Fields of a
// line that runs short repeat the last field taken, across lines too, so a
// blank line repeats a number or code and is skipped as a foreign line.
// Filters are the caller's: tower lines are consumed before they run, so a
// dropped record never disturbs the next.
class ChannelFile {
  public:
    // Opens dir/name (name matched without regard to case). False when missing.
    bool Open(const std::string &dir, const std::string &name);
    // Fills `record` with the next station and its towers. Strings keep
    // their capacity from record to record.
    ReadResult ReadStation(StationRecord &record);
    void Close() { reader_.Close(); }
    const std::string &FileName() const { return name_; }

  private:
    TextFileReader reader_;
    std::string name_;
    std::string line_;      // reused line buffer
    std::string lastField_; // the field a short line repeats
};

// Reads an open file to its end and hands every station to `onStation`
// (record by record, the record reused). `onStation` returns false to end the
// read as a failure. Returns false on such a failure or a bad record; the
// caller closes the file.
template <class OnStation>
bool ForEachStation(ChannelFile &file, StationRecord &record,
                    OnStation &&onStation) {
    for (;;) {
        switch (file.ReadStation(record)) {
        case ReadResult::End:
            return true;
        case ReadResult::Failure:
            return false;
        case ReadResult::Record:
            if (!onStation(record))
                return false;
        }
    }
}

} // namespace tavik
