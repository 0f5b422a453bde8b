// tavik-outline-check [DATA_DIR]: checks REGION2.dat and STATES.dat of the
// folder (default: the working directory) as the map draws them at its
// closest zoom. Prints one line per fault; exit status 1 when there is any.

#include "tools/outline/outline_check.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
    const std::string dir = argc > 1 ? argv[1] : ".";
    const std::vector<std::string> faults =
        tavik::outline::CheckOutlines(dir);
    for (const std::string &fault : faults)
        std::printf("%s\n", fault.c_str());
    std::printf("outline check of %s: %zu probes, %zu faults\n", dir.c_str(),
                tavik::outline::WellKnownBorders().size(), faults.size());
    return faults.empty() ? 0 : 1;
}
