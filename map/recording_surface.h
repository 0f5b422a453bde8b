#pragma once
// A surface that draws nothing and keeps every operation with its arguments,
// and every message shown, in order. Tests assert on it; the renderer writes
// it out as its trace.

#include "core/messages.h"
#include "map/drawing_surface.h"

#include <string>
#include <vector>

namespace tavik {

enum class OpKind {
    Cls,
    Line,
    LineTo,
    FilledBox,
    Circle,
    PSet,
    PrintText,
    SetForeColor,
    SetFontSize,
    SetDrawWidth,
    Message,
};

struct DrawOp {
    OpKind kind;
    // Line/FilledBox: x1 y1 x2 y2; LineTo/PSet: x y; Circle: x y radius;
    // SetFontSize: a[0]; SetDrawWidth: a[0].
    float a[4] = {0, 0, 0, 0};
    Color colour = 0; // drawing colour, or SetForeColor's
    std::string text; // PrintText and Message
};

class RecordingSurface : public DrawingSurface, public MessageSink {
  public:
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Color c) override;
    void LineTo(float x, float y, Color c) override;
    void FilledBox(float x1, float y1, float x2, float y2, Color c) override;
    void Circle(float x, float y, float radius, Color c) override;
    void PSet(float x, float y, Color c) override;
    void PrintText(std::string_view text) override;
    void SetForeColor(Color c) override;
    void SetFontSize(float points) override;
    void SetDrawWidth(int pixels) override;
    void ShowMessage(const std::string &text) override;

    std::vector<DrawOp> ops;
    // State as the operations left it.
    SurfaceState state;
};

// One operation as a line of the renderer's trace:
//   Line 1 2 3 4 0x0000FF
//   PrintText  1340
//   Message We had a problem plotting 530.DAT
std::string TraceLine(const DrawOp &op);

} // namespace tavik
