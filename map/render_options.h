#pragma once
// The command line of the headless renderer: which session values to
// override, what to draw and where to write it. Free of Qt so that it can be
// parsed before the platform starts and tested as plain logic.

#include "session/session_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavik {

enum class ImageFormat { Png, Svg, Pdf };

struct RenderOptions {
    // Overrides of the session; unset values keep what Tavik.cfg gave.
    std::optional<float> channelKHz;    // kHz, 530..1700
    std::optional<float> homeLatitude;  // degrees north, -90..90
    std::optional<float> homeLongitude; // degrees WEST positive, -180..180
    std::optional<std::string> homeCity;
    std::optional<float> scaleFactor;    // 100..10000
    std::optional<float> patternSize;    // 0.02..2.0
    std::optional<int16_t> dayNightMode; // 0, 1 or 2
    bool rings = false;
    bool compass = false;
    bool grid = false;
    bool miles = false;
    bool licensedOnly = false;
    // Classes named by --show are switched on; the others keep the session's.
    ShowFlags show;

    bool allStations = false; // DrawAllStationsMap instead of RedrawMap
    int width = 1200;         // output size in pixels
    int height = 900;
    std::string tracePath; // empty: no trace
    std::string outputPath;
    ImageFormat format = ImageFormat::Png;
};

enum class ParseOutcome { Render, Help, Error };

// Reads the arguments after the program name. On Error, `error` says which
// option or value was wrong, in a few words.
ParseOutcome ParseRenderOptions(const std::vector<std::string> &args,
                                RenderOptions &options, std::string &error);

// The one-line synopsis, "usage: tavik-render [--channel KHZ] ... -o OUTPUT".
std::string RenderUsage();

// Writes the overrides into the settings the layers draw from.
void ApplyRenderOptions(const RenderOptions &options,
                        SessionSettings &settings);

} // namespace tavik
