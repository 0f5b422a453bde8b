#pragma once
// The one settings record of a run, and the last-session file "Tavik.cfg"
// that carries twelve of its fields from one run to the next.

#include "core/messages.h"
#include "stations/channel_file.h"

#include <cstdint>
#include <string>

namespace tavik {

constexpr const char *kSessionFileName = "Tavik.cfg";

// Ranges of the view: scale (one km is scaleFactor / 75 map units) and the
// relative pattern size, which the session file keeps at most 1.0.
constexpr float kMinScale = 100.0f;
constexpr float kMaxScale = 10000.0f;
constexpr float kMinPatternSize = 0.02f;
constexpr float kMaxPatternSize = 2.0f;
constexpr float kMaxSavedPatternSize = 1.0f;

struct SessionSettings {
    // Saved in the session file.
    float channelKHz = 0;    // kHz, 530..1700
    std::string homeCity;    // as shown in the map legend
    float homeLatitude = 0;  // degrees north
    float homeLongitude = 0; // degrees WEST positive (Dallas is 96.82)
    float patternSize = 0;   // 0.02..2.0 while running, saved within 0.02..1.0
    float scaleFactor = 0;   // 100..10000; one km is scaleFactor / 75 units
    ShowFlags show;           // the five station classes shown
    int16_t distanceUnit = 0; // 1 = miles, anything else kilometres
    // Not saved: zero at every start.
    int16_t gridOn = 0;    // grid drawn when not 0
    int16_t ringsOn = 0;   // rings drawn when exactly 1
    int16_t compassOn = 0; // compass drawn when exactly 1
    int16_t dayNightMode =
        0; // 0 all hours, 1 day & critical, 2 night & critical
    int16_t licensedOnly = 0;  // 1: licensed patterns only
    int16_t allStationsGo = 0; // answer of the all-stations dialog, 1 = plot
};

// Fills `settings` from the session file at `path` (name matched without
// regard to case), taking its value lines by position; "*" lines and empty
// lines are skipped. Lines may end in CR LF, CR or LF. A file that ends early leaves the later fields as they
// were and applies no limits. Without a readable file, or with a value that
// cannot be held (a flag beyond 16 bits, a number beyond single range), the
// fixed defaults are set (Dallas TX, 1080 kHz, pattern size 0.2, scale 1000,
// filters 0; distanceUnit untouched). Never reports anything.
void ReadSessionFile(SessionSettings &settings,
                     const std::string &path = kSessionFileName);

// Holds the scale to 100..10000 and the pattern size to 0.02..2.0, the ranges
// the map is drawn in. A session file that ends early is used without its
// limits (an empty scale would draw every station on home), so the program
// and the renderer hold the view to these ranges after reading it.
void HoldToMapRanges(SessionSettings &settings);

// Range-checks `settings` in place and writes the fifteen-line file (CR LF)
// to a temporary file beside `path`, then renames it over `path`: an earlier
// file is replaced only by a complete new one, with its permissions. A `path`
// that is a symbolic link is written through to the file it names. A failure beeps and shows
// "The Tavik last-session file was not written correctly." through `messages`;
// returns false then. `dateText` is line 2 after "* " (the local date and
// time when empty).
bool WriteSessionFile(SessionSettings &settings, MessageSink &messages,
                      const std::string &path = kSessionFileName,
                      const std::string &dateText = "");

// A float as the session file writes it: at most 7 significant digits, no
// zero before the point (".2"), "." whatever the locale, 1340 without point.
std::string SessionNumberText(float value);

} // namespace tavik
