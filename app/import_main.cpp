// tavik-import: builds the bundled channel files and call-sign lists from the
// public station lists. Prints a summary on standard output and every line
// it skipped on standard error; exit status 0 when the files were written,
// 1 (nothing changed in the output folder) when they were not.

#include "tools/import/station_import.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: tavik-import --out DIR [--fcc FILE] [--canada FILE]\n"
    "                    [--lms DIR] [--places FILE]\n"
    "  --fcc FILE     FCC AM Query list, fixed columns (amRadioSta.txt)\n"
    "  --canada FILE  Canadian AM transmitter list, CSV with a header line\n"
    "  --lms DIR      folder of the FCC's LMS dump: facility, the AM\n"
    "                 engineering records, gis_am_ant_sys and gis_am_towers\n"
    "                 (towers of directional stations; without it they are\n"
    "                 written with no towers)\n"
    "  --places FILE  country,admin,name,lat,lon: province and city of the\n"
    "                 Canadian stations, from the nearest Canadian place\n"
    "  --out DIR      where 530.DAT ... 1700.DAT, SortedCallsKspaces.DAT and\n"
    "                 SortedCallsWspaces.DAT are written\n";

} // namespace

int main(int argc, char **argv) {
    tavik::import::ImportOptions opts;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        std::string *target = nullptr;
        if (!std::strcmp(arg, "--fcc"))
            target = &opts.fccPath;
        else if (!std::strcmp(arg, "--canada"))
            target = &opts.canadaPath;
        else if (!std::strcmp(arg, "--lms"))
            target = &opts.lmsDir;
        else if (!std::strcmp(arg, "--places"))
            target = &opts.placesPath;
        else if (!std::strcmp(arg, "--out"))
            target = &opts.outDir;
        if (!target || i + 1 >= argc || argv[i + 1][0] == '\0') {
            std::fprintf(stderr, "tavik-import: %s %s\n%s", arg,
                         target ? "needs a value" : "is not an option", kUsage);
            return 2;
        }
        *target = argv[++i];
    }
    if (opts.outDir.empty() ||
        (opts.fccPath.empty() && opts.canadaPath.empty())) {
        std::fputs("tavik-import: --out and at least one of --fcc and "
                   "--canada are needed\n",
                   stderr);
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (opts.canadaPath.size() && opts.placesPath.empty())
        std::fputs("tavik-import: no --places: Canadian stations get "
                   "province CAN and city UNKNOWN\n",
                   stderr);

    tavik::import::ImportSummary summary;
    const tavik::import::ImportResult result =
        tavik::import::RunImport(opts, summary);
    for (const std::string &problem : summary.problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    if (result != tavik::import::ImportResult::Done) {
        std::fprintf(stderr, "tavik-import: %s; %s\n", summary.error.c_str(),
                     result == tavik::import::ImportResult::InputFailed
                         ? "nothing written"
                         : "the previous files are left as they were");
        return 1;
    }
    std::fputs(tavik::import::FormatSummary(summary).c_str(), stdout);
    return 0;
}
