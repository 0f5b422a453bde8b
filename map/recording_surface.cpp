#include "map/recording_surface.h"

#include "core/number_text.h"

#include <cstdio>

namespace tavik {

namespace {

DrawOp MakeOp(OpKind kind, float a0 = 0, float a1 = 0, float a2 = 0,
              float a3 = 0, Color colour = 0) {
    DrawOp op;
    op.kind = kind;
    op.a[0] = a0;
    op.a[1] = a1;
    op.a[2] = a2;
    op.a[3] = a3;
    op.colour = colour;
    return op;
}

void AppendNumber(std::string &line, float value) {
    line += ' ';
    line += ShortestText(value);
}

// Only the low 24 bits name a colour; the trace shows exactly those.
void AppendColour(std::string &line, Color c) {
    char hex[16];
    std::snprintf(hex, sizeof hex, " 0x%06X",
                  static_cast<unsigned>(c & 0xFFFFFF));
    line += hex;
}

// Keeps a trace line on one line and reversible: \ CR LF become \\ \r \n.
void AppendEscaped(std::string &line, const std::string &text) {
    for (char ch : text) {
        switch (ch) {
        case '\\':
            line += "\\\\";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\n':
            line += "\\n";
            break;
        default:
            line += ch;
        }
    }
}

} // namespace

void RecordingSurface::Cls() {
    ops.push_back(MakeOp(OpKind::Cls));
    state.currentX = 0;
    state.currentY = 0;
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Color c) {
    ops.push_back(MakeOp(OpKind::Line, x1, y1, x2, y2, c));
    state.currentX = x2;
    state.currentY = y2;
}

void RecordingSurface::LineTo(float x, float y, Color c) {
    ops.push_back(MakeOp(OpKind::LineTo, x, y, 0, 0, c));
    state.currentX = x;
    state.currentY = y;
}

void RecordingSurface::FilledBox(float x1, float y1, float x2, float y2,
                                 Color c) {
    ops.push_back(MakeOp(OpKind::FilledBox, x1, y1, x2, y2, c));
}

void RecordingSurface::Circle(float x, float y, float radius, Color c) {
    ops.push_back(MakeOp(OpKind::Circle, x, y, radius, 0, c));
}

void RecordingSurface::PSet(float x, float y, Color c) {
    ops.push_back(MakeOp(OpKind::PSet, x, y, 0, 0, c));
    state.currentX = x;
    state.currentY = y;
}

void RecordingSurface::PrintText(std::string_view text) {
    DrawOp op;
    op.kind = OpKind::PrintText;
    op.text.assign(text.data(), text.size());
    ops.push_back(std::move(op));
    state.currentX = 0;
    state.currentY += LineHeight(state.fontSize);
}

void RecordingSurface::SetForeColor(Color c) {
    ops.push_back(MakeOp(OpKind::SetForeColor, 0, 0, 0, 0, c));
    state.foreColor = c;
}

void RecordingSurface::SetFontSize(float points) {
    ops.push_back(MakeOp(OpKind::SetFontSize, points));
    state.fontSize = points;
}

void RecordingSurface::SetDrawWidth(int pixels) {
    ops.push_back(MakeOp(OpKind::SetDrawWidth, static_cast<float>(pixels)));
    state.drawWidth = pixels;
}

void RecordingSurface::ShowMessage(const std::string &text) {
    DrawOp op;
    op.kind = OpKind::Message;
    op.text = text;
    ops.push_back(std::move(op));
}

namespace {

// How each operation is written: its name, how many of its numbers, whether
// a colour follows them, or whether the rest of the line is its text.
struct TraceForm {
    const char *name;
    int numbers;
    bool colour;
    bool text;
};

TraceForm FormOf(OpKind kind) {
    switch (kind) {
    case OpKind::Cls:
        return {"Cls", 0, false, false};
    case OpKind::Line:
        return {"Line", 4, true, false};
    case OpKind::LineTo:
        return {"LineTo", 2, true, false};
    case OpKind::FilledBox:
        return {"FilledBox", 4, true, false};
    case OpKind::Circle:
        return {"Circle", 3, true, false};
    case OpKind::PSet:
        return {"PSet", 2, true, false};
    case OpKind::PrintText:
        return {"PrintText", 0, false, true};
    case OpKind::SetForeColor:
        return {"SetForeColor", 0, true, false};
    case OpKind::SetFontSize:
        return {"SetFontSize", 1, false, false};
    case OpKind::SetDrawWidth:
        return {"SetDrawWidth", 1, false, false};
    case OpKind::Message:
        return {"Message", 0, false, true};
    }
    return {"?", 0, false, false};
}

} // namespace

std::string TraceLine(const DrawOp &op) {
    const TraceForm form = FormOf(op.kind);
    std::string line = form.name;
    for (int i = 0; i < form.numbers; ++i)
        AppendNumber(line, op.a[i]);
    if (form.colour)
        AppendColour(line, op.colour);
    if (form.text) {
        line += ' ';
        AppendEscaped(line, op.text);
    }
    return line;
}

} // namespace tavik
