#include "app/render_options.h"

#include "core/number_text.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace tavik {

namespace {

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
    for (const RenderOption &row : RenderOptionTable())
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


std::string RenderUsage() {
    std::string usage = "usage: tavik-render";
    for (const RenderOption &row : RenderOptionTable())
        if (!row.common)
            usage += " " + Synopsis(row.name, row.valueForm);
    for (const RenderMode &mode : RenderModes())
        if (*mode.flag != '\0')
            usage += " " + Synopsis(mode.flag, mode.valueForm);
    for (const RenderOption &row : RenderOptionTable())
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
    for (const RenderOption &row : RenderOptionTable())
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
        settings.show.showNew = 1;
    if (options.show.showShort)
        settings.show.showShort = 1;
    if (options.show.showXenva2)
        settings.show.showXenva2 = 1;
    if (options.show.showLong)
        settings.show.showLong = 1;
    if (options.show.showDeleted)
        settings.show.showDeleted = 1;
}

} // namespace tavik
