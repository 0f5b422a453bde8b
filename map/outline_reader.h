#pragma once
// Reading an outline file ("REGION2.dat", "STATES.dat") as a stream of
// pen-up and vertex events, with no placement, colour or surface.
//
// How a new picture uses it: open the file with a TextFileReader, make an
// OutlineReader with the picture's rules (kMapOutlineRules for the map and
// the page, kViewerOutlineRules for the outline viewer) and loop:
//
//   OutlineReader reader(file, kViewerOutlineRules);
//   OutlineEvent e;
//   while (reader.Next(e)) { if (e.penUp) ...; else place e.lat, e.lonEast }
//   if (reader.Failed()) ...report...
//
// A line is "lat lon" (longitude EAST positive, 0..360), "-100 -100" lifts
// the pen, and a line whose number reads -2000 ends the data.

#include "core/text_file.h"

#include <string>

namespace tavik {

struct OutlineReadRules {
    // Skip a line whose head number reads 0 (text lines, marker lines and a
    // vertex at latitude 0), then one that begins with > < ! * ' / or \.
    bool skipZeroAndMarkerLines = false;
    // Fold a longitude above 180 into -180..180 (twice, so values up to 540
    // fold) and one below -180 by adding 360.
    bool normaliseLongitude = true;
};

// The map window and the printed page: no skipping (a marker line reads as
// the point 0, 0), longitudes folded.
constexpr OutlineReadRules kMapOutlineRules{false, true};
// The outline viewer: text and marker lines skipped, longitudes as written.
constexpr OutlineReadRules kViewerOutlineRules{true, false};

struct OutlineEvent {
    bool penUp = false; // a "-100 -100" line; lat and lon are then -100
    float lat = 0;      // degrees north
    float lonEast = 0;  // degrees east, folded when the rules say so
};

class OutlineReader {
  public:
    OutlineReader(TextFileReader &file, OutlineReadRules rules)
        : file_(file), rules_(rules) {}

    // The next event; false at the end of the data (the -2000 line or the
    // end of the file) and on a failure.
    bool Next(OutlineEvent &event);
    // A number that overflows single precision, or a read error.
    bool Failed() const { return failed_; }

  private:
    TextFileReader &file_;
    OutlineReadRules rules_;
    std::string line_;
    // The last word taken stays as it was when a line runs short of words:
    // a line of one number gives that number as latitude and longitude.
    float word_ = 0;
    bool failed_ = false;
};

} // namespace tavik
