#include "app/render_options.h"

#include "core/number_text.h"

#include <algorithm>
#include <climits>
#include <charconv>
#include <cmath>
#include <filesystem>
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

// True when two paths name one file: the same text, the same place once
// ".", ".." and links are resolved, or two links of one existing file.
bool SameFile(const std::string &a, const std::string &b) {
    namespace fs = std::filesystem;
    std::error_code ecA, ecB, ec;
    if (a == b)
        return true;
    const fs::path placeA = fs::weakly_canonical(fs::absolute(a, ecA), ecA);
    const fs::path placeB = fs::weakly_canonical(fs::absolute(b, ecB), ecB);
    return (!ecA && !ecB && placeA == placeB) || fs::equivalent(a, b, ec);
}

const RenderOption *FindOption(std::string_view name) {
    for (const RenderOption &row : kOptions)
        if (name == row.name)
            return &row;
    return nullptr;
}

const RenderMode *FindMode(std::string_view flag) {
    for (const RenderMode &mode : RenderModes())
        if (*mode.flag != '\0' && flag == mode.flag)
            return &mode;
    return nullptr;
}

bool ModeTakes(const RenderMode &mode, const RenderOption &option) {
    return option.common ||
           std::find(mode.options.begin(), mode.options.end(),
                     std::string_view(option.name)) != mode.options.end();
}

// "[--name VALUE]", or "-o VALUE" for the one option that must be given.
std::string Synopsis(const char *name, const char *valueForm) {
    std::string text(name);
    if (*valueForm != '\0')
        text += std::string(" ") + valueForm;
    return std::string_view(name) == "-o" ? text : "[" + text + "]";
}

std::string ModeName(const RenderMode &mode) {
    return *mode.flag != '\0' ? mode.flag : "the map";
}

} // namespace

const std::vector<RenderOption> &RenderOptionTable() { return kOptions; }

std::string RenderUsage() {
    std::string usage = "usage: tavik-render";
    for (const RenderOption &row : kOptions)
        if (!row.common)
            usage += " " + Synopsis(row.name, row.valueForm);
    for (const RenderMode &mode : RenderModes())
        if (*mode.flag != '\0')
            usage += " " + Synopsis(mode.flag, mode.valueForm);
    for (const RenderOption &row : kOptions)
        if (row.common)
            usage += " " + Synopsis(row.name, row.valueForm);
    return usage;
}

std::string RenderHelp() {
    std::string help = RenderUsage() + "\n\noptions:\n";
    auto line = [&help](const char *name, const char *form, const char *text) {
        std::string head = std::string("  ") + name;
        if (*form != '\0')
            head += std::string(" ") + form;
        head.resize(std::max<std::size_t>(head.size() + 2, 40), ' ');
        help += head + text + "\n";
    };
    for (const RenderOption &row : kOptions)
        line(row.name, row.valueForm, row.help);
    help += "\nmodes (one at most; the map when none is given):\n";
    for (const RenderMode &mode : RenderModes()) {
        std::string takes = mode.help;
        takes += "; takes";
        for (std::string_view name : mode.options)
            takes += " " + std::string(name);
        if (mode.options.empty())
            takes += " no options";
        takes += " besides --size, --trace and -o";
        line(*mode.flag != '\0' ? mode.flag : "(none)", mode.valueForm,
             takes.c_str());
    }
    return help;
}

ParseOutcome ParseRenderOptions(const std::vector<std::string> &args,
                                RenderOptions &options, std::string &error) {
    std::vector<const RenderOption *> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &name = args[i];
        if (name == "-h" || name == "--help")
            return ParseOutcome::Help;

        const RenderOption *option = FindOption(name);
        const RenderMode *mode = option ? nullptr : FindMode(name);
        if (!option && !mode) {
            error = "unknown option " + name;
            return ParseOutcome::Error;
        }
        const char *form = option ? option->valueForm : mode->valueForm;
        std::string value;
        if (*form != '\0') {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return ParseOutcome::Error;
            }
            value = args[++i];
        }
        if (mode) {
            if (options.mode && options.mode != mode) {
                error = name + " and " + ModeName(*options.mode) +
                        " cannot be drawn together";
                return ParseOutcome::Error;
            }
            options.mode = mode;
            options.modeValue = value;
            if (*form != '\0' && value.empty()) {
                error = "bad value for " + name + ": \"\"";
                return ParseOutcome::Error;
            }
            continue;
        }
        if (!option->apply(value, options)) {
            error = "bad value for " + name + ": \"" + value + "\"";
            return ParseOutcome::Error;
        }
        given.push_back(option);
    }
    if (!options.mode)
        options.mode = &RenderModes().front();
    for (const RenderOption *option : given) {
        if (!ModeTakes(*options.mode, *option)) {
            error = std::string(option->name) + " does not apply to " +
                    ModeName(*options.mode);
            return ParseOutcome::Error;
        }
    }
    if (options.outputPath.empty()) {
        error = "no output file (-o)";
        return ParseOutcome::Error;
    }
    // The trace would be written over the picture.
    if (!options.tracePath.empty() &&
        SameFile(options.tracePath, options.outputPath)) {
        error = "--trace and -o name the same file " + options.outputPath;
        return ParseOutcome::Error;
    }
    if (options.width == 0) {
        options.width = static_cast<int>(options.mode->logicalWidth / 10);
        options.height = static_cast<int>(options.mode->logicalHeight / 10);
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
