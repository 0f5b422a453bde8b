#include "map/kept_picture.h"

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

std::size_t KeptPicture::Keep() {
    std::vector<DrawOp> &ops = recording_.ops;
    std::size_t last = ops.size();
    while (last > 0 && ops[last - 1].kind != OpKind::Cls)
        --last;
    if (last <= 1)
        return 0; // no Cls, or it is already the first operation
    const std::size_t drop = last - 1;
    for (std::size_t i = 0; i < drop; ++i) {
        const DrawOp &op = ops[i];
        if (op.kind == OpKind::SetForeColor)
            base_.foreColor = op.colour;
        else if (op.kind == OpKind::SetFontSize)
            base_.fontSize = op.a[0];
        else if (op.kind == OpKind::SetDrawWidth)
            base_.drawWidth = static_cast<int>(op.a[0]);
    }
    ops.erase(ops.begin(), ops.begin() + static_cast<std::ptrdiff_t>(drop));
    forgotten_ += drop;
    return drop;
}

std::size_t KeptPicture::ReplayFrom(std::size_t from,
                                    DrawingSurface &surface) const {
    if (from == 0 || from < forgotten_) {
        ApplyState(base_, surface);
        from = forgotten_;
    }
    const std::vector<DrawOp> &ops = recording_.ops;
    for (std::size_t i = from - forgotten_; i < ops.size(); ++i)
        Replay(ops[i], surface);
    return End();
}

} // namespace tavik
