#pragma once
// The station data window's picture: a clicked station's horizontal pattern
// on a polar grid around (6000, 6500), normalised so that its largest extent
// along the two axes is 1985 units, with a five-fold enlargement that shows
// the weak lobes, and the legend of the hours colours.
//
// Units are the window's drawing units, x to the right, y downward; bearings
// run clockwise from up (north): the point at bearing a and radius r lies at
// (6000 + r sin a, 6500 - r cos a). The enlargement is drawn in blue
// RGB(68,68,255) where it lies inside the square 4000..8000 x 4500..8500 and
// in white outside it, and the margins around the square are blanked.

#include "core/messages.h"
#include "map/drawing_surface.h"
#include "stations/channel_file.h"
#include "stations/pattern.h"

#include <string>
#include <string_view>

namespace tavik {

// The window's drawing space.
constexpr float kStationDataWidth = 9000;
constexpr float kStationDataHeight = 9000;

// Two lines printed under the legend when a station's towers form no
// pattern, or when the channel file cannot be read at the moment of the click.
struct Notice {
    const char *first;
    const char *second;
};
constexpr Notice kNoPatternNotice{"No pattern can be formed",
                                  "from this station's towers."};
constexpr Notice kUnreadableNotice{"The channel file could",
                                   "not be read."};

// Clears the surface and draws the grid, the station marker, the pattern in
// the colour of `hours` ("N", "C", "D", any other), its enlargement, the
// margins, the bearing labels, and sets the text colour back to black.
// `table` is the CSweepHorizontal sweep, or null when it could not be formed;
// without a table, or when the pattern has no extent, no pattern is drawn and
// kNoPatternNotice says so. Returns whether a pattern was drawn.
bool DrawStationPatternDisplay(DrawingSurface &surface,
                               const PatternTable *table,
                               std::string_view hours);

// Blanks the legend's box and prints "Enlarged 5x" and the four hours.
void DrawStationDataLegend(DrawingSurface &surface);

enum class PatternShown { Drawn, NotFound, CannotForm, Unreadable };

// Everything a click on a row of the search list draws: the square blanked,
// the display for every station line the row selects in the channel's file
// (the last one drawn stays), then the legend. A row whose station is no
// longer in the file draws no pattern; a file that cannot be read draws
// kUnreadableNotice.
PatternShown ShowStationPattern(DrawingSurface &surface,
                                const std::string &dataDir, float channelKHz,
                                const ShowFlags &flags, std::string_view row);

// What the window shows for the first row, in the list that an empty search
// of the channel gives, whose call sign is `call` in any letter case: the
// pattern display as a click on that row draws it. False, with a message
// through `messages`, when the search fails or lists no such row.
bool ShowStationPatternOf(DrawingSurface &surface, MessageSink &messages,
                          const std::string &dataDir, float channelKHz,
                          const ShowFlags &flags, std::string_view call);

} // namespace tavik
