#include "session/startup.h"

#include <cmath>
#include <limits>

namespace tavik {

VersionInfo InitGlobals(SessionSettings &settings) {
    settings.dayNightMode = 0;
    return ProgramVersion();
}

std::vector<StartupControl> StartupControls(const VersionInfo &version) {
    using K = StartupControlKind;
    return {
        {"lblNorthAmerica", K::Label, "For the northern part of Region 2", 2500,
         3500, 8000, 600, 0.0015f},
        {"lblVersion", K::Label, "Version " + version.VersionText, 2600, 5500,
         2000, 360, 0.0012f},
        {"lblCredit2", K::Label, version.CreditLine, 2600, 6000, 6000, 360,
         0.0012f},
        {"lblCopyright", K::Label, version.CopyrightLine, 2600, 6500, 5000, 360,
         0.0012f},
        {"lblVisit", K::Label,
         std::string("Visit Oskel Software at ") + kMakerWebAddress, 2600, 7000,
         7000, 360, 0.0012f},
        {"cmdEnter", K::Button, "Enter", 7500, 5700, 1500, 400, 0.001f},
        {"cmdExit", K::Button, "Exit", 7500, 6200, 1500, 400, 0.001f},
    };
}

float StartupFontPoints(const StartupControl &control, int widthTwips) {
    return control.fontPerTwip * static_cast<float>(widthTwips);
}

bool LogoSlide::Tick() {
    top = 1000;
    float step = 400;
    if (left > 2000) {
        running = false;
        step = 0;
    }
    left += step;
    return running;
}

LogoSlide LogoSlide::AtRest() {
    LogoSlide logo;
    while (logo.Tick()) {
    }
    return logo;
}

} // namespace tavik
