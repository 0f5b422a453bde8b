#include "map/render_options.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace tavik {

namespace {

// Pixel limits of --size: large enough for print-quality PNGs, small enough
// that the image buffer (4 bytes a pixel) stays within a few hundred MB.
constexpr int kMinPixels = 16;
constexpr int kMaxPixels = 8192;

// A whole decimal number, nothing before or after it; locale-independent.
bool ParseFloat(std::string_view text, float &value) {
    if (text.empty())
        return false;
    if (text.front() == '+')
        text.remove_prefix(1);
    float v = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool ParseInt(std::string_view text, int &value) {
    int v = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end)
        return false;
    value = v;
    return true;
}

bool ParseInRange(std::string_view text, float low, float high, float &value) {
    float v = 0;
    if (!ParseFloat(text, v) || v < low || v > high)
        return false;
    value = v;
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

} // namespace

std::string RenderUsage() {
    return "usage: tavik-render [--channel KHZ] [--home LAT,LON] [--city TEXT] "
           "[--scale S] [--pattern-size P] [--rings] [--compass] [--grid] "
           "[--miles] [--day-night 0|1|2] [--licensed-only] "
           "[--show new,short,xenva2,long,deleted] [--all-stations] "
           "[--size WxH] [--trace FILE] -o OUTPUT.png|.svg|.pdf";
}

ParseOutcome ParseRenderOptions(const std::vector<std::string> &args,
                                RenderOptions &options, std::string &error) {
    bool haveOutput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &name = args[i];
        if (name == "-h" || name == "--help")
            return ParseOutcome::Help;

        // Switches without a value.
        if (name == "--rings") {
            options.rings = true;
            continue;
        }
        if (name == "--compass") {
            options.compass = true;
            continue;
        }
        if (name == "--grid") {
            options.grid = true;
            continue;
        }
        if (name == "--miles") {
            options.miles = true;
            continue;
        }
        if (name == "--licensed-only") {
            options.licensedOnly = true;
            continue;
        }
        if (name == "--all-stations") {
            options.allStations = true;
            continue;
        }

        const bool takesValue =
            name == "--channel" || name == "--home" || name == "--city" ||
            name == "--scale" || name == "--pattern-size" ||
            name == "--day-night" || name == "--show" || name == "--size" ||
            name == "--trace" || name == "-o";
        if (!takesValue) {
            error = "unknown option " + name;
            return ParseOutcome::Error;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return ParseOutcome::Error;
        }
        const std::string &value = args[++i];
        bool ok = true;
        float number = 0;
        if (name == "--channel") {
            ok = ParseInRange(value, kLowestChannel, kHighestChannel, number);
            if (ok)
                options.channelKHz = number;
        } else if (name == "--home") {
            float latitude = 0, longitude = 0;
            ok = ParseHome(value, latitude, longitude);
            if (ok) {
                options.homeLatitude = latitude;
                options.homeLongitude = longitude;
            }
        } else if (name == "--city") {
            options.homeCity = value;
        } else if (name == "--scale") {
            ok = ParseInRange(value, kMinScale, kMaxScale, number);
            if (ok)
                options.scaleFactor = number;
        } else if (name == "--pattern-size") {
            ok = ParseInRange(value, kMinPatternSize, kMaxPatternSize, number);
            if (ok)
                options.patternSize = number;
        } else if (name == "--day-night") {
            ok = value == "0" || value == "1" || value == "2";
            if (ok)
                options.dayNightMode = static_cast<int16_t>(value[0] - '0');
        } else if (name == "--show") {
            ok = ParseShowList(value, options.show);
        } else if (name == "--size") {
            ok = ParseSize(value, options.width, options.height);
        } else if (name == "--trace") {
            ok = !value.empty();
            options.tracePath = value;
        } else { // -o
            if (EndsWithNoCase(value, ".png"))
                options.format = ImageFormat::Png;
            else if (EndsWithNoCase(value, ".svg"))
                options.format = ImageFormat::Svg;
            else if (EndsWithNoCase(value, ".pdf"))
                options.format = ImageFormat::Pdf;
            else
                ok = false;
            options.outputPath = value;
            haveOutput = ok;
        }
        if (!ok) {
            error = "bad value for " + name + ": \"" + value + "\"";
            return ParseOutcome::Error;
        }
    }
    if (!haveOutput) {
        error = "no output file (-o)";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Render;
}

void ApplyRenderOptions(const RenderOptions &options,
                        SessionSettings &settings) {
    if (options.channelKHz)
        settings.channelKHz = *options.channelKHz;
    if (options.homeLatitude)
        settings.homeLatitude = *options.homeLatitude;
    if (options.homeLongitude)
        settings.homeLongitude = *options.homeLongitude;
    if (options.homeCity)
        settings.homeCity = *options.homeCity;
    if (options.scaleFactor)
        settings.scaleFactor = *options.scaleFactor;
    if (options.patternSize)
        settings.patternSize = *options.patternSize;
    if (options.dayNightMode)
        settings.dayNightMode = *options.dayNightMode;
    if (options.rings)
        settings.ringsOn = 1;
    if (options.compass)
        settings.compassOn = 1;
    if (options.grid)
        settings.gridOn = 1;
    if (options.miles)
        settings.distanceUnit = 1;
    if (options.licensedOnly)
        settings.licensedOnly = 1;
    if (options.show.showNew)
        settings.showNew = 1;
    if (options.show.showShort)
        settings.showShort = 1;
    if (options.show.showXenva2)
        settings.showXenva2 = 1;
    if (options.show.showLong)
        settings.showLong = 1;
    if (options.show.showDeleted)
        settings.showDeleted = 1;
}

} // namespace tavik
