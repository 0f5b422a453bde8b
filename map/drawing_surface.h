#pragma once
// The few immediate-mode operations every picture of the program is drawn
// with: map window, renderer, printer. Coordinates are single-precision user
// units, origin top left, y downward (12000 x 9000 on the map). Colours are
// 24-bit 0xBBGGRR (red in the low byte).
//
// State a surface keeps: background (white on the map), foreground (text)
// colour, font size in points, pen width in pixels and the current point.

#include <cstdint>
#include <string_view>

namespace tavik {

using Color = std::uint32_t; // 0xBBGGRR

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
constexpr Color kRed = 0x0000FF;

// Map units are twips: one point of font size spans 20 units.
constexpr float kUnitsPerPoint = 20;
// Distance from one text line to the next, as a multiple of the font size: a
// sans-serif face needs about 1.2 em for ascent, descent and leading, and it
// puts the 10-point legend lines 240 units apart.
constexpr float kLineSpacing = 1.2f;

// How far PrintText moves the current point down, in units, for a font size
// in points.
inline float LineHeight(float points) {
    return points * kUnitsPerPoint * kLineSpacing;
}

// What a surface keeps between operations. Cls resets only the current
// point; the other three last until set again.
struct SurfaceState {
    Color foreColor = kBlack; // text colour
    float fontSize = 10;      // points
    int drawWidth = 1;        // pixels
    float currentX = 0, currentY = 0;
};

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // All background colour; current point (0, 0).
    virtual void Cls() = 0;
    // A segment in the pen width; the current point becomes (x2, y2).
    virtual void Line(float x1, float y1, float x2, float y2, Color c) = 0;
    // A segment from the current point to (x, y), which becomes current.
    virtual void LineTo(float x, float y, Color c) = 0;
    // A filled rectangle with these corners.
    virtual void FilledBox(float x1, float y1, float x2, float y2, Color c) = 0;
    // An outline circle; radius in x units.
    virtual void Circle(float x, float y, float radius, Color c) = 0;
    // One pixel; the current point becomes (x, y) (used to place text).
    virtual void PSet(float x, float y, Color c) = 0;
    // Text with its top left at the current point, in the foreground colour;
    // the current point then goes to x = 0, one line lower.
    virtual void PrintText(std::string_view text) = 0;
    virtual void SetForeColor(Color c) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetDrawWidth(int pixels) = 0;

    // Prints a number the way the platform prints one: a non-negative number
    // gets a leading blank (its sign position), " 1340", "-5".
    void PrintNumber(float value);
};

} // namespace tavik
