#include "map/replay.h"

namespace tavik {

void Replay(const DrawOp &op, DrawingSurface &surface) {
    const float *a = op.a;
    switch (op.kind) {
    case OpKind::Cls:
        surface.Cls();
        break;
    case OpKind::Line:
        surface.Line(a[0], a[1], a[2], a[3], op.colour);
        break;
    case OpKind::LineTo:
        surface.LineTo(a[0], a[1], op.colour);
        break;
    case OpKind::FilledBox:
        surface.FilledBox(a[0], a[1], a[2], a[3], op.colour);
        break;
    case OpKind::Circle:
        surface.Circle(a[0], a[1], a[2], op.colour);
        break;
    case OpKind::PSet:
        surface.PSet(a[0], a[1], op.colour);
        break;
    case OpKind::PrintText:
        surface.PrintText(op.text);
        break;
    case OpKind::SetForeColor:
        surface.SetForeColor(op.colour);
        break;
    case OpKind::SetFontSize:
        surface.SetFontSize(a[0]);
        break;
    case OpKind::SetDrawWidth:
        surface.SetDrawWidth(static_cast<int>(a[0]));
        break;
    case OpKind::Message:
        break;
    }
}

void ApplyState(const SurfaceState &state, DrawingSurface &surface) {
    surface.SetForeColor(state.foreColor);
    surface.SetFontSize(state.fontSize);
    surface.SetDrawWidth(state.drawWidth);
}

void AdvanceState(SurfaceState &state, const std::vector<DrawOp> &ops,
                  std::size_t begin, std::size_t end) {
    if (end > ops.size())
        end = ops.size();
    for (std::size_t i = begin; i < end; ++i) {
        const DrawOp &op = ops[i];
        switch (op.kind) {
        case OpKind::SetForeColor:
            state.foreColor = op.colour;
            break;
        case OpKind::SetFontSize:
            state.fontSize = op.a[0];
            break;
        case OpKind::SetDrawWidth:
            state.drawWidth = static_cast<int>(op.a[0]);
            break;
        default:
            break;
        }
    }
}

std::size_t DropBeforeLastCls(std::vector<DrawOp> &ops, SurfaceState &base) {
    std::size_t last = ops.size();
    while (last > 0 && ops[last - 1].kind != OpKind::Cls)
        --last;
    if (last <= 1)
        return 0; // no Cls, or it is already the first operation
    const std::size_t drop = last - 1;
    AdvanceState(base, ops, 0, drop);
    ops.erase(ops.begin(), ops.begin() + static_cast<std::ptrdiff_t>(drop));
    return drop;
}

} // namespace tavik
