#include "stations/station_search.h"

#include "core/number_text.h"
#include "core/text_file.h"

namespace tavik {

namespace {

// End columns of the padded row parts.
constexpr std::size_t kCallEnd = 9;
constexpr std::size_t kCountryEnd = 17;
constexpr std::size_t kStateEnd = 22;
constexpr std::size_t kCityEnd = 43;
constexpr std::size_t kHoursEnd = 48;
constexpr std::size_t kLatitudeEnd = 58;
constexpr std::size_t kLongitudeEnd = 71;
constexpr std::size_t kPowerEnd = 78;

// Takes the fields of one line in order. A field asked for past the end of
// the line is the last one taken, which may come from an earlier line; the
// destructor keeps it for the next line.
class LineFields {
  public:
    LineFields(std::string_view line, std::string &lastField)
        : rest_(line), field_(lastField), lastField_(lastField) {}
    ~LineFields() {
        if (field_.data() != lastField_.data())
            lastField_.assign(field_.data(), field_.size());
    }
    LineFields(const LineFields &) = delete;
    LineFields &operator=(const LineFields &) = delete;

    std::string_view Next() {
        TakeField(rest_, field_);
        return field_;
    }

  private:
    std::string_view rest_;
    std::string_view field_;
    std::string &lastField_;
};

void AppendPadded(std::string &row, std::string_view text, std::size_t end) {
    row.append(text.data(), text.size());
    if (row.size() < end)
        row.append(end - row.size(), ' ');
}

void AppendUpperPadded(std::string &row, std::string_view text,
                       std::size_t end) {
    AppendPadded(row, UpperCased(text), end);
}

// A number field as the data files are read; false when it cannot be held.
bool FieldNumber(std::string_view text, float &out) {
    double value = 0;
    return ReadPlainNumber(text, value) && ToSingle(value, out);
}

bool SameNumber(std::string_view field, bool wantedValid, float wanted) {
    float value = 0;
    return wantedValid && FieldNumber(field, value) && value == wanted;
}

// The first field of a line that has one.
std::string_view CallField(std::string_view line) {
    std::string_view call;
    TakeField(line, call);
    return call;
}

std::string NoDataMessage(float channelKHz) {
    return "There is no data for " + ShortestText(channelKHz);
}

} // namespace

std::string UpperCased(std::string_view text) {
    std::string upper(text);
    for (char &c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool BuildSearchRow(std::string_view line, const ShowFlags &flags,
                    std::string &lastField, std::string &row) {
    LineFields fields(line, lastField);
    const std::string_view call = TrimBlanks(fields.Next());
    if (!PassesClassFilters(call, flags))
        return false;
    const std::string_view country = fields.Next();
    if (!IsListedCountry(country))
        return false;

    row.clear();
    AppendUpperPadded(row, call, kCallEnd);
    AppendUpperPadded(row, country, kCountryEnd);
    AppendUpperPadded(row, fields.Next(), kStateEnd);
    AppendUpperPadded(row, fields.Next(), kCityEnd);
    fields.Next(); // status
    AppendUpperPadded(row, fields.Next(), kHoursEnd);
    AppendPadded(row, fields.Next(), kLatitudeEnd);
    AppendPadded(row, fields.Next(), kLongitudeEnd);
    AppendPadded(row, fields.Next(), kPowerEnd);
    fields.Next(); // Field10
    const std::string_view towers = fields.Next();
    row.append(towers.data(), towers.size());
    return true;
}

StationSearch SearchStations(const std::string &dataDir, float channelKHz,
                             const ShowFlags &flags, std::string_view text,
                             MessageSink &messages) {
    StationSearch search;
    search.key = UpperCased(TrimBlanks(text));
    TextFileReader reader;
    if (!reader.OpenNoCase(dataDir, ChannelFileName(channelKHz))) {
        messages.ShowMessage(NoDataMessage(channelKHz));
        return search;
    }
    std::string line, lastField, row;
    while (reader.ReadLine(line)) {
        if (UpperCased(line).find(search.key) == std::string::npos)
            continue;
        if (!BuildSearchRow(line, flags, lastField, row))
            continue;
        if (search.rows.size() >= static_cast<std::size_t>(kMaxSearchRows)) {
            messages.ShowMessage(NoDataMessage(channelKHz));
            return search;
        }
        search.rows.push_back(row);
        search.calls.push_back(UpperCased(TrimBlanks(CallField(line))));
    }
    if (reader.Failed()) {
        messages.ShowMessage(NoDataMessage(channelKHz));
        return search;
    }
    search.completed = true;
    if (search.rows.empty())
        messages.ShowMessage(
            "We did not find '" + search.key +
            "'.\r\nIt may be listed on a frequency other than this (" +
            ShortestText(channelKHz) + ").");
    return search;
}

int SearchListHeight(int rowCount) {
    int height = rowCount < 100 ? rowCount * 195 : 1600;
    height += 200;
    return height > 2700 ? 2700 : height;
}

const std::string *SearchRowAt(const StationSearch &search, int k) {
    if (k < 1 || static_cast<std::size_t>(k) > search.rows.size())
        return nullptr;
    return &search.rows[static_cast<std::size_t>(k) - 1];
}

std::string RowColumns(std::string_view row, int first, int last) {
    if (first < 1 || last < first ||
        static_cast<std::size_t>(first) > row.size())
        return {};
    const std::string_view part =
        row.substr(static_cast<std::size_t>(first) - 1,
                   static_cast<std::size_t>(last - first) + 1);
    return std::string(TrimBlanks(part));
}

SelectedStation SelectRow(std::string_view row) {
    SelectedStation s;
    s.call = RowColumns(row, 1, 8);
    s.city = RowColumns(row, 22, 42);
    s.hours = RowColumns(row, 43, 46);
    s.latitude = RowColumns(row, 48, 57);
    s.longitude = RowColumns(row, 58, 69);
    s.power = RowColumns(row, 71, 77);
    float towers = 0;
    FieldNumber(row.substr(row.size() < 3 ? 0 : row.size() - 3), towers);
    s.towers = ShortestText(towers);
    return s;
}

LookupResult LookUpSelectedStation(
    const std::string &dataDir, float channelKHz, const ShowFlags &flags,
    const SelectedStation &selected,
    const std::function<void(const StationRecord &)> &onStation) {
    TextFileReader reader;
    if (!reader.OpenNoCase(dataDir, ChannelFileName(channelKHz)))
        return LookupResult::Unreadable;

    float latitude = 0, longitude = 0, power = 0, towers = 0;
    const bool latitudeValid = FieldNumber(selected.latitude, latitude);
    const bool longitudeValid = FieldNumber(selected.longitude, longitude);
    const bool powerValid = FieldNumber(selected.power, power);
    const bool towersValid = FieldNumber(selected.towers, towers);

    std::string line, lastField;
    StationRecord record;
    while (reader.ReadLine(line)) {
        {
            // Tested in this order; the first test that fails passes the
            // line over.
            LineFields fields(line, lastField);
            if ((record.Call = fields.Next()) != selected.call)
                continue;
            if (!IsListedCountry(record.Country = fields.Next()))
                continue;
            record.State = fields.Next();
            if ((record.City = fields.Next()) != selected.city)
                continue;
            record.Status = fields.Next();
            if ((record.Hours = fields.Next()) != selected.hours)
                continue;
            if (!SameNumber(fields.Next(), latitudeValid, latitude) ||
                !SameNumber(fields.Next(), longitudeValid, longitude) ||
                !SameNumber(fields.Next(), powerValid, power))
                continue;
            record.Field10 = 0;
            double field10 = 0;
            if (ReadPlainNumber(fields.Next(), field10))
                RoundToInt16(field10, record.Field10);
            if (!SameNumber(fields.Next(), towersValid, towers) ||
                !RoundToInt16(towers, record.Towers))
                continue;
        }
        record.Latitude = latitude;
        record.Longitude = longitude;
        record.Power = power;

        // More than 12 towers cannot be held: the station goes on without
        // them and its pattern cannot be formed; the lines that follow are
        // tested as station lines, which tower lines never are.
        bool complete = true;
        bool towersRead = true;
        for (int i = 1; i <= record.Towers && record.Towers <= kMaxTowers;
             ++i) {
            if (!reader.ReadLine(line)) {
                complete = false;
                break;
            }
            towersRead =
                ReadTowerLine(line, lastField, record.Tower[i]) && towersRead;
        }
        if (!complete)
            break; // the file ends inside the record
        if (towersRead && PassesClassFilters(record.Call, flags))
            onStation(record);
    }
    return reader.Failed() ? LookupResult::Unreadable : LookupResult::Read;
}

} // namespace tavik
