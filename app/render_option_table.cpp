// The renderer's option table: one row per option with its value form, help
// and the reading of its value into RenderOptions.

#include "app/render_options.h"

#include "core/number_text.h"

#include <climits>
#include <string_view>

namespace tavik {

namespace {

// Pixel limits of --size: large enough for print-quality PNGs, small enough
// that the image buffer (4 bytes a pixel) stays within a few hundred MB.
constexpr int kMinPixels = 16;
constexpr int kMaxPixels = 8192;

bool ParseInt(std::string_view text, int &value) {
    const std::optional<long> v = ParseStrictWhole(text);
    if (!v || *v < INT_MIN || *v > INT_MAX)
        return false;
    value = static_cast<int>(*v);
    return true;
}

// A value of single precision within low..high.
bool ParseInRange(std::string_view text, float low, float high, float &value) {
    const std::optional<double> v = ParseStrictNumber(text);
    if (!v)
        return false;
    const float single = static_cast<float>(*v);
    if (!(single >= low && single <= high))
        return false;
    value = single;
    return true;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    text.remove_prefix(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (LowerAscii(text[i]) != suffix[i])
            return false;
    return true;
}

bool ParseShowList(std::string_view list, ShowFlags &show) {
    if (list.empty())
        return false;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        if (name == "new")
            show.showNew = 1;
        else if (name == "short")
            show.showShort = 1;
        else if (name == "xenva2")
            show.showXenva2 = 1;
        else if (name == "long")
            show.showLong = 1;
        else if (name == "deleted")
            show.showDeleted = 1;
        else
            return false;
        if (comma == std::string_view::npos)
            return true;
        list.remove_prefix(comma + 1);
    }
}

bool ParseSize(std::string_view text, int &width, int &height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return false;
    int w = 0, h = 0;
    if (!ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h))
        return false;
    if (w < kMinPixels || w > kMaxPixels || h < kMinPixels || h > kMaxPixels)
        return false;
    width = w;
    height = h;
    return true;
}

bool ParseHome(std::string_view text, float &latitude, float &longitude) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return false;
    return ParseInRange(text.substr(0, comma), -90, 90, latitude) &&
           ParseInRange(text.substr(comma + 1), -180, 180, longitude);
}

bool SetNumber(std::string_view text, float low, float high,
               std::optional<float> &field) {
    float v = 0;
    if (!ParseInRange(text, low, high, v))
        return false;
    field = v;
    return true;
}

bool SetOutput(std::string_view value, RenderOptions &o) {
    if (EndsWithNoCase(value, ".png"))
        o.format = ImageFormat::Png;
    else if (EndsWithNoCase(value, ".svg"))
        o.format = ImageFormat::Svg;
    else if (EndsWithNoCase(value, ".pdf"))
        o.format = ImageFormat::Pdf;
    else
        return false;
    o.outputPath = value;
    return true;
}

using O = RenderOptions;

// In the order of the usage line; the mode flags follow the options that
// are not common.
const std::vector<RenderOption> kOptions = {
    {"--channel", "KHZ", "channel, 530 to 1700", false,
     [](std::string_view v, O &o) {
         return SetNumber(v, kLowestChannel, kHighestChannel, o.channelKHz);
     }},
    {"--home", "LAT,LON",
     "home, degrees north and degrees WEST (positive west), -90..90, "
     "-180..180",
     false,
     [](std::string_view v, O &o) {
         float latitude = 0, longitude = 0;
         if (!ParseHome(v, latitude, longitude))
             return false;
         o.homeLatitude = latitude;
         o.homeLongitude = longitude;
         return true;
     }},
    {"--city", "TEXT", "home name of the legend", false,
     [](std::string_view v, O &o) {
         o.homeCity = std::string(v);
         return true;
     }},
    {"--scale", "S", "scale factor, 100 to 10000", false,
     [](std::string_view v, O &o) {
         return SetNumber(v, kMinScale, kMaxScale, o.scaleFactor);
     }},
    {"--pattern-size", "P", "pattern size, 0.02 to 2.0", false,
     [](std::string_view v, O &o) {
         return SetNumber(v, kMinPatternSize, kMaxPatternSize, o.patternSize);
     }},
    {"--rings", "", "distance rings", false,
     [](std::string_view, O &o) { return o.rings = true; }},
    {"--compass", "", "compass", false,
     [](std::string_view, O &o) { return o.compass = true; }},
    {"--grid", "", "latitude/longitude grid", false,
     [](std::string_view, O &o) { return o.grid = true; }},
    {"--miles", "", "rings in miles", false,
     [](std::string_view, O &o) { return o.miles = true; }},
    {"--day-night", "0|1|2", "all hours, day & critical, night & critical",
     false,
     [](std::string_view v, O &o) {
         if (v != "0" && v != "1" && v != "2")
             return false;
         o.dayNightMode = static_cast<int16_t>(v[0] - '0');
         return true;
     }},
    {"--licensed-only", "", "licensed facilities only", false,
     [](std::string_view, O &o) { return o.licensedOnly = true; }},
    {"--show", "new,short,xenva2,long,deleted",
     "switch the named station classes on", false,
     [](std::string_view v, O &o) { return ParseShowList(v, o.show); }},
    {"--size", "WxH", "output size in pixels, 16 to 8192 each", true,
     [](std::string_view v, O &o) {
         return ParseSize(v, o.width, o.height);
     }},
    {"--trace", "FILE", "write every drawing operation to FILE", true,
     [](std::string_view v, O &o) {
         o.tracePath = v;
         return !v.empty();
     }},
    {"-o", "OUTPUT.png|.svg|.pdf", "the image, by its extension (any case)",
     true, SetOutput},
};


} // namespace

const std::vector<RenderOption> &RenderOptionTable() { return kOptions; }

} // namespace tavik
