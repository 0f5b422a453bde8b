// The summary that tavik-import prints.

#include "tools/import/station_import.h"

#include <map>
#include <string>

namespace tavik::import {

namespace {

std::string FrequencyCounts(const std::map<int, int> &counts) {
    std::string text;
    for (const auto &[khz, n] : counts)
        text += (text.empty() ? "" : ", ") + std::to_string(n) + " on " +
                std::to_string(khz) + " kHz";
    return text;
}

int Total(const std::map<int, int> &counts) {
    int total = 0;
    for (const auto &entry : counts)
        total += entry.second;
    return total;
}

} // namespace

std::string FormatSummary(const ImportSummary &s) {
    std::string out;
    auto line = [&out](const std::string &text) { out += text + "\n"; };
    line("FCC list: " + std::to_string(s.fccLines) + " lines, " +
         std::to_string(s.fccRecords) + " records read");
    line("Canadian list: " + std::to_string(s.canadaRows) + " rows read, " +
         std::to_string(s.canadaStations) +
         " stations (one per call sign and frequency)");
    if (s.canadaWithoutPlace > 0)
        line("Canadian stations without a place for province and city: " +
             std::to_string(s.canadaWithoutPlace));
    line("Unreadable lines skipped: " + std::to_string(s.unreadableLines));
    const int offRaster = Total(s.offRaster);
    const int outOfBand = Total(s.outOfBand);
    line("Left out off the 10-kHz raster: " + std::to_string(offRaster) +
         (offRaster ? " (" + FrequencyCounts(s.offRaster) + ")" : ""));
    line("Left out outside 530-1700 kHz: " + std::to_string(outOfBand) +
         (outOfBand ? " (" + FrequencyCounts(s.outOfBand) + ")" : ""));
    std::string calls;
    for (const std::string &call : s.withoutCoordinates)
        calls += (calls.empty() ? " (" : ", ") + call;
    line("Left out without coordinates (0, 0): " +
         std::to_string(s.withoutCoordinates.size()) +
         (calls.empty() ? "" : calls + ")"));
    line("Written: " + std::to_string(s.writtenUsa) + " USA, " +
         std::to_string(s.writtenCanada) + " Canada, in " +
         std::to_string(s.channelFiles) + " channel files");
    line("Directional: " + std::to_string(s.directional) + ", " +
         std::to_string(s.directionalWithTowers) + " with their towers, " +
         std::to_string(s.directionalWithoutTowers) + " without (Towers 0" +
         (s.arraysRefused
              ? ", " + std::to_string(s.arraysRefused) +
                    " of them with an array the program cannot draw, " +
                    std::to_string(s.directionalOverTwelve) +
                    " of those with more than 12 towers"
              : std::string()) +
         ")");
    if (s.lmsSystems > 0)
        line("LMS antenna systems read: " + std::to_string(s.lmsSystems));
    line("Call-sign lists: " + std::to_string(s.callsK) + " K (" +
         std::to_string(s.callsKLeftOut) + " left out), " +
         std::to_string(s.callsW) + " W (" + std::to_string(s.callsWLeftOut) +
         " left out)");
    return out;
}

} // namespace tavik::import
