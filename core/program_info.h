#pragma once
// The program's own name and its maker's web address: the title of its
// message boxes, the footer of the printed map and the menu's web link.

namespace tavik {

constexpr const char *kProgramName = "Tavik";
constexpr const char *kMakerAddress = "https://oskel-software.example/";

} // namespace tavik
