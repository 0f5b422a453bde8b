#include "session/list_picks.h"

#include "core/geodesy.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace tavik {

namespace {

constexpr double kMilesPerKm = 0.6213637;
// Home's place matches a list line's when both coordinates agree this well:
// the session file keeps seven digits, the lists four decimals.
constexpr float kSamePlace = 0.0005f;

bool SamePlace(const ListPoint &p, const SessionSettings &s) {
    return std::fabs(p.latitude - s.homeLatitude) < kSamePlace &&
           std::fabs(std::fabs(p.longitude) - s.homeLongitude) < kSamePlace;
}

// Cut to one decimal, toward minus infinity.
double CutToTenths(double v) { return std::floor(v * 10) * 0.1; }

} // namespace

const std::vector<std::string> &Lines(const ReferenceLists &lists,
                                      ListKind kind) {
    switch (kind) {
    case ListKind::CallsK:
        return lists.callsK;
    case ListKind::CallsW:
        return lists.callsW;
    case ListKind::Cities:
        break;
    }
    return lists.cities;
}

std::string_view Columns(std::string_view line, int first, int last) {
    const auto begin = static_cast<std::size_t>(first - 1);
    if (begin >= line.size()) {
        return {};
    }
    return line.substr(begin, static_cast<std::size_t>(last - first + 1));
}

ListPoint ReadListLine(ListKind kind, std::string_view line) {
    ListPoint p;
    if (kind == ListKind::Cities) {
        p.name = std::string(Columns(line, 12, 38));
        p.latitude = ParseNumberText(Columns(line, 38, 46));
        p.longitude = ParseNumberText(Columns(line, 48, 56));
        return p;
    }
    p.name = std::string(TrimBlanks(Columns(line, 1, 8))) + " (" +
             std::string(TrimBlanks(Columns(line, 9, 14))) + ")";
    p.latitude = ParseNumberText(TrimBlanks(Columns(line, 45, 54)));
    p.longitude = ParseNumberText(TrimBlanks(Columns(line, 55, 64)));
    return p;
}

HomeCandidate PickHomeLine(ListKind kind, int16_t index,
                           std::string_view line) {
    ListPoint p = ReadListLine(kind, line);
    return {kind, index, std::move(p.name), p.latitude, std::fabs(p.longitude)};
}

void AcceptHome(SessionSettings &settings, std::string_view latitudeText,
                std::string_view longitudeText,
                const HomeCandidate &candidate) {
    const float latitude = std::fabs(ParseNumberText(latitudeText));
    const float longitude = std::fabs(ParseNumberText(longitudeText));
    settings.homeLatitude =
        std::clamp(latitude, kMinHomeLatitude, kMaxHomeLatitude);
    settings.homeLongitude =
        std::clamp(longitude, kMinHomeLongitude, kMaxHomeLongitude);
    settings.homeCity = candidate.name;
}

std::optional<ListEntry> FindHomeLine(const ReferenceLists &lists,
                                      const SessionSettings &settings,
                                      const HomeCandidate &candidate) {
    const std::string_view home = TrimBlanks(settings.homeCity);
    if (home.empty()) {
        return std::nullopt;
    }
    const auto matches = [&](ListKind kind, std::size_t i) {
        const ListPoint p = ReadListLine(kind, Lines(lists, kind)[i]);
        return TrimBlanks(p.name) == home && SamePlace(p, settings);
    };
    const std::size_t clicked = static_cast<std::size_t>(candidate.selectedIndex);
    if (clicked >= 1 && clicked <= Lines(lists, candidate.list).size() &&
        matches(candidate.list, clicked - 1)) {
        return ListEntry{candidate.list, candidate.selectedIndex};
    }
    for (ListKind kind :
         {ListKind::Cities, ListKind::CallsK, ListKind::CallsW}) {
        const std::vector<std::string> &lines = Lines(lists, kind);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            // The name decides first: parsing every line's numbers would
            // cost more than the whole search needs.
            const std::string_view line = lines[i];
            const std::string_view name =
                kind == ListKind::Cities ? TrimBlanks(Columns(line, 12, 38))
                                         : TrimBlanks(Columns(line, 1, 8));
            if (home.substr(0, name.size()) == name && !name.empty() &&
                matches(kind, i)) {
                return ListEntry{kind, static_cast<int16_t>(i + 1)};
            }
        }
    }
    return std::nullopt;
}

ListPoint DistanceTarget(ListKind kind, std::string_view line) {
    ListPoint p = ReadListLine(kind, line);
    if (kind == ListKind::Cities) {
        p.longitude = std::fabs(p.longitude);
    }
    return p;
}

std::string DistanceInstruction(const SessionSettings &settings) {
    if (!settings.homeCity.empty()) {
        const std::string_view name = TrimBlanks(settings.homeCity);
        if (name.size() > 3) {
            return "Get distance from " + std::string(name) + " to:";
        }
        return {};
    }
    if (settings.homeLatitude == 0 || settings.homeLongitude == 0) {
        return "Get distance from home to:";
    }
    return "Get distance from " + ShortestText(settings.homeLatitude) +
           "N, " + ShortestText(settings.homeLongitude) + "W to:";
}

std::optional<DistanceTexts> MeasureDistance(const SessionSettings &settings,
                                             std::string_view latitudeText,
                                             std::string_view longitudeText) {
    if (latitudeText.empty() || longitudeText.empty()) {
        return std::nullopt;
    }
    const float latitude = ParseNumberText(latitudeText);
    // GreatCircle wants the target east positive: a typed longitude is
    // degrees west whatever its sign.
    const float longitudeEast = -std::fabs(ParseNumberText(longitudeText));
    const DistanceBearing db = GreatCircle(
        settings.homeLatitude, settings.homeLongitude, longitudeEast, latitude);
    const bool miles = settings.distanceUnit == 1;
    const float bearing = static_cast<float>(
        std::floor(db.bearingDeg * 10.0f) * 0.1);
    const double distance =
        CutToTenths(miles ? db.distanceKm * kMilesPerKm : db.distanceKm);
    return DistanceTexts{
        SignedNumberText(bearing) + " deg",
        SignedNumberText(static_cast<float>(distance)) +
            (miles ? " mi " : " km ")};
}

} // namespace tavik
