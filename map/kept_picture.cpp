#include "map/kept_picture.h"

#include <algorithm>

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

bool KeptPicture::Unseen(const float *a) const {
    if (shownWidth_ <= 0)
        return false;
    const float low = -kUnseenMargin;
    const float right = shownWidth_ + kUnseenMargin;
    const float bottom = shownHeight_ + kUnseenMargin;
    return (a[0] < low && a[2] < low) || (a[0] > right && a[2] > right) ||
           (a[1] < low && a[3] < low) || (a[1] > bottom && a[3] > bottom);
}

void KeptPicture::Recorder::Line(float x1, float y1, float x2, float y2,
                                 Color c) {
    const float a[4] = {x1, y1, x2, y2};
    // The one before is replaced only while no painter has shown it and it
    // belongs to the step being drawn.
    if (!ops.empty() && picture_.Unseen(a) && ops.back().kind == OpKind::Line &&
        picture_.Unseen(ops.back().a) &&
        picture_.End() > std::max(picture_.marked_, picture_.replayedUpTo_)) {
        DrawOp &last = ops.back();
        std::copy(a, a + 4, last.a);
        last.colour = c;
        state.currentX = x2;
        state.currentY = y2;
        return;
    }
    RecordingSurface::Line(x1, y1, x2, y2, c);
}

void KeptPicture::Advance(SurfaceState &state, std::size_t begin,
                          std::size_t end) const {
    const std::vector<DrawOp> &ops = recording_.ops;
    for (std::size_t i = begin - forgotten_; i < end - forgotten_; ++i) {
        const DrawOp &op = ops[i];
        if (op.kind == OpKind::SetForeColor)
            state.foreColor = op.colour;
        else if (op.kind == OpKind::SetFontSize)
            state.fontSize = op.a[0];
        else if (op.kind == OpKind::SetDrawWidth)
            state.drawWidth = static_cast<int>(op.a[0]);
    }
}

std::size_t KeptPicture::Keep(Redraw redraw) {
    if (End() > marked_) {
        // A Cls in this step forgot its beginning; Base() holds the state
        // the forgotten part left.
        const bool cut = marked_ < forgotten_;
        const std::size_t begin = cut ? forgotten_ : marked_;
        SurfaceState state = markedState_;
        if (cut)
            markedState_ = base_;
        // A small step without a way to draw it again is its own: its
        // operations are copied into the redraw.
        if (!redraw && End() - begin <= kSmallStep) {
            redraw = [ops = std::vector<DrawOp>(
                          recording_.ops.begin() +
                              static_cast<std::ptrdiff_t>(begin - forgotten_),
                          recording_.ops.end())](DrawingSurface &surface) {
                for (const DrawOp &op : ops)
                    Replay(op, surface);
            };
            state = markedState_;
        }
        steps_.push_back({begin, state, std::move(redraw)});
        Advance(markedState_, begin, End());
        marked_ = End();
    }
    if (recording_.ops.size() > foldLimit_)
        Fold();
    const std::size_t forgotten = forgotten_ - forgottenAtKeep_;
    forgottenAtKeep_ = forgotten_;
    return forgotten;
}

void KeptPicture::ForgetAll() {
    Advance(base_, forgotten_, End());
    forgotten_ = End();
    recording_.ops.clear();
    // Every step kept so far lies before the Cls; the one drawing it is not
    // marked yet.
    steps_.clear();
    folded_.clear();
}

void KeptPicture::Fold() {
    // Every step but the newest, as far as each can be redrawn; the newest
    // stays, so that a painter that has shown the others goes on from it.
    std::size_t n = 0;
    while (n + 1 < steps_.size() && steps_[n].redraw)
        ++n;
    if (n == 0)
        return;
    const std::size_t until = steps_[n].begin;
    Advance(base_, forgotten_, until);
    std::vector<DrawOp> &ops = recording_.ops;
    ops.erase(ops.begin(),
              ops.begin() + static_cast<std::ptrdiff_t>(until - forgotten_));
    ops.shrink_to_fit();
    forgotten_ = until;
    folded_.insert(folded_.end(), std::make_move_iterator(steps_.begin()),
                   std::make_move_iterator(steps_.begin() + n));
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(n));
}

std::size_t KeptPicture::ReplayFrom(std::size_t from,
                                    DrawingSurface &surface) const {
    if (from == 0 || from < forgotten_) {
        if (folded_.empty()) {
            ApplyState(base_, surface);
        } else {
            ApplyState(folded_.front().state, surface);
            for (const Step &step : folded_)
                step.redraw(surface);
        }
        from = forgotten_;
    }
    const std::vector<DrawOp> &ops = recording_.ops;
    for (std::size_t i = from - forgotten_; i < ops.size(); ++i)
        Replay(ops[i], surface);
    replayedUpTo_ = End();
    return End();
}

} // namespace tavik
