#pragma once
// Outline files read once per version of the file, and their vertices seen
// from one home computed once: a redraw at another scale is then a
// multiplication per vertex, and a redraw after the file changed on disk
// reads it again (a version is the file's identity: device, inode, size and
// modification time to the nanosecond).
//
// How a picture uses it: keep one OutlineCache as long as the picture lives
// and pass it to DrawOutlineFile; without one every drawing reads the file.

#include "core/file_identity.h"
#include "core/geodesy.h"
#include "core/text_file.h"
#include "map/outline_reader.h"

#include <cstddef>
#include <vector>

namespace tavik {

// One version of an outline file as read with kMapOutlineRules.
struct CachedOutline {
    FileIdentity identity;
    // The events up to the end of the data, or up to a failure.
    std::vector<OutlineEvent> events;
    bool failed = false; // the reader failed after the last event

    // Each event's position seen from `home` (pen-up events hold a
    // placeholder), valid while home and kmPerDegree stay.
    std::vector<PolarPosition> polar;
    float homeLatitude = 0, homeLongitude = 0;
    double kmPerDegree = 0;
    bool polarValid = false;
};

class OutlineCache {
  public:
    // The events of the open `file`: kept from an earlier call while the file
    // keeps its identity, read now otherwise (a read error is not kept).
    CachedOutline &Read(TextFileReader &file);
    // Makes `outline.polar` hold the events seen from the view's home.
    static void Project(CachedOutline &outline, const MapView &view,
                        double kmPerDegree);

    std::size_t Size() const { return outlines_.size(); }

  private:
    // The map reads two files; a few more versions are kept for other
    // pictures and for files swapped back and forth.
    static constexpr std::size_t kMaxFiles = 4;
    std::vector<CachedOutline> outlines_; // most recently used last
};

} // namespace tavik
