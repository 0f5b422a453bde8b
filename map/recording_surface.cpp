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
    currentX = 0;
    currentY = 0;
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Color c) {
    ops.push_back(MakeOp(OpKind::Line, x1, y1, x2, y2, c));
    currentX = x2;
    currentY = y2;
}

void RecordingSurface::LineTo(float x, float y, Color c) {
    ops.push_back(MakeOp(OpKind::LineTo, x, y, 0, 0, c));
    currentX = x;
    currentY = y;
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
    currentX = x;
    currentY = y;
}

void RecordingSurface::PrintText(std::string_view text) {
    DrawOp op;
    op.kind = OpKind::PrintText;
    op.text.assign(text.data(), text.size());
    ops.push_back(std::move(op));
    currentX = 0;
    currentY += LineHeight(fontSize);
}

void RecordingSurface::SetForeColor(Color c) {
    ops.push_back(MakeOp(OpKind::SetForeColor, 0, 0, 0, 0, c));
    foreColor = c;
}

void RecordingSurface::SetFontSize(float points) {
    ops.push_back(MakeOp(OpKind::SetFontSize, points));
    fontSize = points;
}

void RecordingSurface::SetDrawWidth(int pixels) {
    ops.push_back(MakeOp(OpKind::SetDrawWidth, static_cast<float>(pixels)));
    drawWidth = pixels;
}

void RecordingSurface::ShowMessage(const std::string &text) {
    DrawOp op;
    op.kind = OpKind::Message;
    op.text = text;
    ops.push_back(std::move(op));
}

std::string TraceLine(const DrawOp &op) {
    std::string line;
    switch (op.kind) {
    case OpKind::Cls:
        line = "Cls";
        break;
    case OpKind::Line:
        line = "Line";
        for (float v : op.a)
            AppendNumber(line, v);
        AppendColour(line, op.colour);
        break;
    case OpKind::LineTo:
        line = "LineTo";
        AppendNumber(line, op.a[0]);
        AppendNumber(line, op.a[1]);
        AppendColour(line, op.colour);
        break;
    case OpKind::FilledBox:
        line = "FilledBox";
        for (float v : op.a)
            AppendNumber(line, v);
        AppendColour(line, op.colour);
        break;
    case OpKind::Circle:
        line = "Circle";
        AppendNumber(line, op.a[0]);
        AppendNumber(line, op.a[1]);
        AppendNumber(line, op.a[2]);
        AppendColour(line, op.colour);
        break;
    case OpKind::PSet:
        line = "PSet";
        AppendNumber(line, op.a[0]);
        AppendNumber(line, op.a[1]);
        AppendColour(line, op.colour);
        break;
    case OpKind::PrintText:
        line = "PrintText ";
        AppendEscaped(line, op.text);
        break;
    case OpKind::SetForeColor:
        line = "SetForeColor";
        AppendColour(line, op.colour);
        break;
    case OpKind::SetFontSize:
        line = "SetFontSize";
        AppendNumber(line, op.a[0]);
        break;
    case OpKind::SetDrawWidth:
        line = "SetDrawWidth";
        AppendNumber(line, op.a[0]);
        break;
    case OpKind::Message:
        line = "Message ";
        AppendEscaped(line, op.text);
        break;
    }
    return line;
}

} // namespace tavik
