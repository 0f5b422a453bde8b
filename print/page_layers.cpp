// The printed page's layers: the Region 2 and state outlines placed around
// the page's home with the map window's pen, and the channel plot with
// 360-point patterns, call signs and crosses for the stations on the page.

#include "core/text_file.h"
#include "print/page.h"
#include "stations/channel_file.h"
#include "stations/pattern.h"

#include <cmath>
#include <string>

namespace tavik {

namespace {

constexpr const char *kRegionFile = "REGION2.dat";
constexpr const char *kStatesFile = "STATES.dat";

// Draws an outline file on the page with the shared pen; false when it
// cannot be opened or read.
bool PrintOutlineFile(MapContext &page, const char *name,
                      const OutlineStyle &style, int penWidth) {
    TextFileReader file;
    bool ok = file.OpenNoCase(page.dataDir, name);
    if (ok) {
        page.surface.SetDrawWidth(penWidth);
        ok = DrawOutlineFile(page.surface, file, kPagePlacement, page.View(),
                             page.pen, style);
    }
    file.Close();
    return ok;
}

void ReportFailure(MapContext &page, const std::string &text) {
    page.surface.SetDrawWidth(1);
    page.messages.ShowMessage(text);
}

// Reads and prints every passing station that lies on the page; false on a
// bad record, a position that is not a number or a pattern that cannot be
// formed.
bool PrintStations(MapContext &page, ChannelFile &file) {
    const SessionSettings &s = page.settings;
    const MapView view = page.View();
    const ShowFlags flags = s.show;
    StationRecord record;
    PatternTable table{};
    return ForEachStation(file, record, [&](const StationRecord &station) {
        if (!PassesPlotFilters(station, s.dayNightMode, s.licensedOnly, flags))
            return true;
        const MapPoint p =
            Place(kPagePlacement, view, station.Latitude, station.Longitude);
        if (std::isnan(p.x) || std::isnan(p.y))
            return false;
        if (!InWindow(kPagePlacement, p))
            return true;
        if (!ComputePattern(station, table))
            return false;
        DrawPattern(page.surface, table, p.x, p.y, station.Hours,
                    s.dayNightMode, s.patternSize, s.scaleFactor, kPagePattern);
        if (PageMarksAllowed(s.dayNightMode, station.Hours))
            DrawStationMark(page.surface, p, s.channelKHz, station.Call,
                            kPageMark);
        return true;
    });
}

} // namespace

void PrintRegionOutline(MapContext &page) {
    const bool ok =
        PrintOutlineFile(page, kRegionFile, {kBlack}, kRegionPenWidth);
    if (!ok) {
        ReportFailure(page, "We had a problem sending REGION2.dat to the "
                            "printer");
        return;
    }
    page.surface.SetDrawWidth(1);
}

void PrintStateOutline(MapContext &page) {
    // The states are drawn 1 dot wide, so the width is set before opening.
    page.surface.SetDrawWidth(kStatesPenWidth);
    OutlineStyle style{kBlack};
    style.statesRules = true;
    TextFileReader file;
    bool ok = file.OpenNoCase(page.dataDir, kStatesFile);
    if (ok)
        ok = DrawOutlineFile(page.surface, file, kPagePlacement, page.View(),
                             page.pen, style);
    file.Close();
    if (!ok) {
        ReportFailure(page, "We had a problem sending STATES.dat to the "
                            "printer");
        return;
    }
    DrawHomeMark(page.surface, kPageCentreX, kPageCentreY);
}

void PrintChannelPlot(MapContext &page) {
    const float channel = page.settings.channelKHz;
    // Also false for a channel that is not a number.
    if (!(channel >= kLowestChannel && channel <= kHighestChannel))
        return;
    const std::string name = ChannelFileName(channel, true);
    ChannelFile file;
    bool ok = file.Open(page.dataDir, name);
    if (ok) {
        page.surface.SetDrawWidth(kStationPenWidth);
        ok = PrintStations(page, file);
    }
    file.Close();
    if (!ok) {
        ReportFailure(page,
                      "We had a problem sending " + name + " to the printer.");
        return;
    }
    PrintLegend(page);
    page.surface.SetDrawWidth(1);
}

void DrawPrintedPage(MapContext &page) {
    page.surface.SetFontSize(kPageFontSize);
    PrintRegionOutline(page);
    PrintStateOutline(page);
    PrintChannelPlot(page);
}

} // namespace tavik
