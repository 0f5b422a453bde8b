#pragma once
// The colours of a picture, stated once per picture as a value.
//
// How a new picture uses it: write a constexpr HoursColours for its
// patterns and legend (or reuse one below) and, where it draws the map's
// layers, a MapPalette; pass them to the drawers instead of colour literals.
// Colours are 0xBBGGRR (red in the low byte).

#include "map/drawing_surface.h"

#include <string_view>

namespace tavik {

// One colour per hours code: "N", "C", "D" and any other ("U").
struct HoursColours {
    Color night;
    Color critical;
    Color daytime;
    Color unlimited;

    Color For(std::string_view hours) const {
        if (hours == "N")
            return night;
        if (hours == "C")
            return critical;
        if (hours == "D")
            return daytime;
        return unlimited;
    }
};

// The channel plot's pattern outlines.
constexpr HoursColours kPatternColours{0x000000, 0xDDDD11, 0x119911, 0x0000AA};
// The map legend's text, a shade apart from the outlines for "C" and "U";
// the printed page draws its patterns in these too.
constexpr HoursColours kLegendColours{0x000000, 0xCCCC11, 0x119911, 0x000099};

// The colours of the map window's layers.
struct MapPalette {
    Color grid = 0x8888FF;          // (255, 136, 136) RGB
    Color fineRing = 0xDDDDFF;      // (255, 221, 221) RGB
    Color coarseRing = 0x9999FF;    // (255, 153, 153) RGB
    Color ringLegendBox = 0xF0F0FF; // (255, 240, 240) RGB
    Color spoke = 0x99DD99;         // (153, 221, 153) RGB
    Color region = 0xCC8888;        // (136, 136, 204) RGB
    Color states = 0xDD9999;        // (153, 153, 221) RGB
    HoursColours legend = kLegendColours;
    Color dayNightBanner = 0xFFF0E0; // (224, 240, 255) RGB
    Color licensedBanner = 0xE0FFE0; // (224, 255, 224) RGB
};

constexpr MapPalette kMapPalette{};

} // namespace tavik
