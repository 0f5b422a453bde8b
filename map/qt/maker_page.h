#pragma once
// The maker's page: "Tavik.html", installed beside the program by the build.
// It tells what Tavik is, its version, the data's sources, dates and
// licences and the keyboard shortcuts, without a network. "Oskel Software"
// on the map window and the address on the start-up and about windows open
// it with the desktop's browser.

#include "session/version_info.h"

#include <QUrl>

namespace tavik {

constexpr const char *kMakerPageName = "Tavik.html";

// The page beside the program as a file URL, or the maker's web address
// (kMakerWebAddress) when the page is missing.
QUrl MakerPageUrl();

// Opens MakerPageUrl() with the desktop's handler; the result is not looked
// at (a desktop without a browser leaves the program as it was).
void OpenMakerPage();

} // namespace tavik
