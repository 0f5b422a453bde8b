#pragma once
// The program-wide texts the start-up window and the about box show, and the
// maker's web address that their labels and the map's menu open.

#include <string>

namespace tavik {

constexpr const char *kMakerWebAddress = "https://oskel-software.example/";

struct VersionInfo {
    std::string VersionText;   // "2.09"
    std::string CreditLine;    // who wrote the program
    std::string CopyrightLine; // year and holder
};

// The texts, the same for the whole run.
VersionInfo ProgramVersion();

} // namespace tavik
