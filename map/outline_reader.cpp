#include "map/outline_reader.h"

#include "core/number_text.h"

#include <cfloat>
#include <cmath>
#include <string_view>

namespace tavik {

namespace {

constexpr float kPenUpMarker = -100.0f;
constexpr double kEndOfData = -2000.0;

// A field's number as single precision; false when it overflows that type.
bool ReadSingle(std::string_view text, float &value) {
    double v = 0;
    if (!ReadPlainNumber(text, v) || std::fabs(v) > FLT_MAX)
        return false;
    value = static_cast<float>(v);
    return true;
}

bool IsMarker(char c) {
    return std::string_view(R"(><!*'/\)").find(c) != std::string_view::npos;
}

} // namespace

bool OutlineReader::Next(OutlineEvent &event) {
    while (file_.ReadLine(line_)) {
        if (line_.empty())
            continue;
        std::string_view rest = TrimBlanks(line_);

        double head = 0;
        if (!ReadPlainNumber(rest, head)) {
            failed_ = true;
            return false;
        }
        if (rules_.skipZeroAndMarkerLines && head == 0)
            continue;
        if (head == kEndOfData)
            return false;
        if (rules_.skipZeroAndMarkerLines && IsMarker(rest.front()))
            continue;

        std::string_view text;
        TakeWord(rest, text);
        if (!text.empty() && !ReadSingle(text, word_)) {
            failed_ = true;
            return false;
        }
        const float lat = word_;
        text = {};
        TakeWord(rest, text);
        if (!text.empty() && !ReadSingle(text, word_)) {
            failed_ = true;
            return false;
        }
        float lon = word_;

        event.lat = lat;
        event.penUp = lat == kPenUpMarker && lon == kPenUpMarker;
        if (!event.penUp && rules_.normaliseLongitude) {
            if (lon > 180)
                lon -= 360;
            if (lon > 180)
                lon -= 360;
            if (lon < -180)
                lon += 360;
        }
        event.lonEast = lon;
        return true;
    }
    failed_ = file_.Failed();
    return false;
}

} // namespace tavik
