#pragma once
// The command line of the headless renderer, generated from two tables: the
// modes (what is drawn, on which logical space, taking which options, by
// which Qt-free draw function) and the options (name, value form, range,
// help). Free of Qt so that it is parsed before the platform starts and
// tested as plain logic.
//
// How a new picture gets a renderer mode: write its Qt-free draw function
// (the one its window calls too), then add one row to the mode table in
// render_modes.cpp: its flag, value form (e.g. "CALL", or ""), help, logical
// size, the options it takes, the draw function. A new option is one row of
// the option table in render_options.cpp plus its field in RenderOptions.
// The parser, the usage line and --help follow the tables; an option the
// chosen mode does not take is refused.

#include "core/messages.h"
#include "map/drawing_surface.h"
#include "map/outline_drawing.h"
#include "session/session_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

enum class ImageFormat { Png, Svg, Pdf };

struct RenderMode;

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

    const RenderMode *mode = nullptr; // the map unless a mode flag is given
    std::string modeValue;            // the value of a mode flag that takes one
    int width = 0; // output size in pixels; 0: a tenth of the logical size
    int height = 0;
    std::string tracePath; // empty: no trace
    std::string outputPath;
    ImageFormat format = ImageFormat::Png;
};

// What a mode's draw function draws from and onto. Files are read from
// `dataDir` (the working directory when empty).
struct RenderJob {
    SessionSettings &settings;
    DrawingSurface &surface;
    MessageSink &messages;
    OutlinePen &pen;
    std::string dataDir;
    const RenderOptions &options;
};

struct RenderMode {
    const char *flag;      // "--all-stations"; "" for the map, the default
    const char *valueForm; // the flag's value ("CALL"), "" when it takes none
    const char *help;
    float logicalWidth, logicalHeight; // the drawing space, e.g. 12000 x 9000
    // Options the mode takes besides --size, --trace and -o.
    std::vector<std::string_view> options;
    void (*draw)(const RenderJob &job);
    // Pen widths in printer dots of this many logical units (a printed
    // page's); 0: in screen pixels, as the windows draw.
    double unitsPerPenDot = 0;
};

// The modes; the first is the default.
const std::vector<RenderMode> &RenderModes();

struct RenderOption {
    const char *name;
    const char *valueForm; // "" for a switch
    const char *help;
    // Taken by every mode (--size, --trace, -o).
    bool common;
    // Reads the value (empty for a switch) into the options; false when it
    // is out of range or malformed.
    bool (*apply)(std::string_view value, RenderOptions &options);
};

const std::vector<RenderOption> &RenderOptionTable();

enum class ParseOutcome { Render, Help, Error };

// Reads the arguments after the program name. On Error, `error` says which
// option or value was wrong, in a few words.
ParseOutcome ParseRenderOptions(const std::vector<std::string> &args,
                                RenderOptions &options, std::string &error);

// The one-line synopsis, "usage: tavik-render [--channel KHZ] ... -o OUTPUT".
std::string RenderUsage();
// The synopsis followed by one line per option and mode.
std::string RenderHelp();

// Writes the overrides into the settings the layers draw from.
void ApplyRenderOptions(const RenderOptions &options,
                        SessionSettings &settings);

} // namespace tavik
