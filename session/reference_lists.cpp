#include "session/reference_lists.h"

#include "core/text_file.h"

namespace tavik {

void LoadReferenceList(const std::string &dir, const char *name, int16_t limit,
                       std::vector<std::string> &lines) {
    lines.clear();
    TextFileReader file;
    if (!file.OpenNoCase(dir, name)) {
        return;
    }
    std::string line;
    while (static_cast<int>(lines.size()) < limit && file.ReadLine(line)) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    file.Close();
}

void LoadReferenceLists(const std::string &programDir, ReferenceLists &lists) {
    LoadReferenceList(programDir, kCityListFile, kMaxCities, lists.cities);
    LoadReferenceList(programDir, kCallsKFile, kMaxCallsK, lists.callsK);
    LoadReferenceList(programDir, kCallsWFile, kMaxCallsW, lists.callsW);
}

} // namespace tavik
