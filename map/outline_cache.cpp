#include "map/outline_cache.h"

#include <algorithm>
#include <iterator>

namespace tavik {

CachedOutline &OutlineCache::Read(TextFileReader &file) {
    const FileIdentity id = file.Identity();
    auto found = std::find_if(
        outlines_.begin(), outlines_.end(),
        [&](const CachedOutline &o) { return id.Known() && o.identity == id; });
    if (found == outlines_.end()) {
        CachedOutline fresh;
        OutlineReader reader(file, kMapOutlineRules);
        OutlineEvent e;
        while (reader.Next(e))
            fresh.events.push_back(e);
        fresh.failed = reader.Failed();
        // A read error may pass; only what the content decides is kept.
        fresh.identity = file.Failed() ? FileIdentity{} : id;
        // An older version of the same file is of no more use.
        outlines_.erase(
            std::remove_if(outlines_.begin(), outlines_.end(),
                           [&](const CachedOutline &o) {
                               return !o.identity.Known() ||
                                      (o.identity.device == id.device &&
                                       o.identity.inode == id.inode);
                           }),
            outlines_.end());
        if (outlines_.size() >= kMaxFiles)
            outlines_.erase(outlines_.begin());
        outlines_.push_back(std::move(fresh));
    } else if (std::next(found) != outlines_.end()) {
        std::rotate(found, std::next(found), outlines_.end());
    }
    return outlines_.back();
}

void OutlineCache::Project(CachedOutline &outline, const MapView &view,
                           double kmPerDegree) {
    if (outline.polarValid && outline.homeLatitude == view.homeLatitude &&
        outline.homeLongitude == view.homeLongitude &&
        outline.kmPerDegree == kmPerDegree)
        return;
    outline.polar.resize(outline.events.size());
    for (std::size_t i = 0; i < outline.events.size(); ++i) {
        const OutlineEvent &e = outline.events[i];
        outline.polar[i] =
            e.penUp ? PolarPosition{}
                    : PolarFromHome(view, e.lat, -e.lonEast, kmPerDegree);
    }
    outline.homeLatitude = view.homeLatitude;
    outline.homeLongitude = view.homeLongitude;
    outline.kmPerDegree = kmPerDegree;
    outline.polarValid = true;
}

} // namespace tavik
