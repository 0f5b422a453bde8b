#pragma once
// A window's picture kept as drawing operations, so that it can be painted
// again at any size: every operation since the last Cls, and the lasting
// state (text colour, font size, pen width) the forgotten ones left behind.
//
// How a new picture uses it: hold one KeptPicture per window, draw into
// Surface() with the picture's Qt-free drawers, then call Keep() and let a
// PictureCanvas (map/qt/picture_canvas.h) show it:
//
//   KeptPicture picture;
//   DrawMyPicture(picture.Surface(), ...);
//   picture.Keep();
//   canvas->update();
//
// Operations are counted from the first one ever kept, so a painter that
// remembers how far it got (End()) can go on from there after a Keep().
//
// The store is bounded when each drawing step comes with a way to draw it
// again (Keep(redraw)): once the operations since the last Cls pass a limit,
// those of all steps but the newest are let go, and a painter that needs the
// whole picture again (after a resize) gets those steps redrawn instead.
//
// A picture only ever shown within a known area (ShownArea) keeps, of a run
// of Lines that each lie wholly beyond one side of it, only the last: none
// of them can be seen at any size, and the last leaves the current point
// where the whole run would. Far out of a zoomed map most outline segments are such
// runs, so the kept picture stays a small part of what was drawn.

#include "map/drawing_surface.h"
#include "map/recording_surface.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace tavik {

// Performs `op` on `surface`. Message operations draw nothing and are skipped.
void Replay(const DrawOp &op, DrawingSurface &surface);

// Sets the three lasting parts of `state` (colour, font size, pen width) on
// `surface`.
void ApplyState(const SurfaceState &state, DrawingSurface &surface);

class KeptPicture {
  public:
    // Draws a step of the picture again, exactly as it was drawn, onto any
    // surface; it must report nothing.
    using Redraw = std::function<void(DrawingSurface &)>;
    // Operations since the last Cls beyond which steps are folded away.
    static constexpr std::size_t kFoldLimit = 400000;

    explicit KeptPicture(std::size_t foldLimit = kFoldLimit)
        : recording_(*this), foldLimit_(foldLimit) {}
    KeptPicture(const KeptPicture &) = delete;
    KeptPicture &operator=(const KeptPicture &) = delete;

    // The picture is shown within 0..width x 0..height and nowhere else.
    void ShownArea(float width, float height) {
        shownWidth_ = width;
        shownHeight_ = height;
    }

    // Where the picture is drawn; its messages are kept among the operations.
    // A Cls there lets go of everything before it at once.
    RecordingSurface &Surface() { return recording_; }
    const std::vector<DrawOp> &Ops() const { return recording_.ops; }
    // The lasting state in force before the first kept operation.
    const SurfaceState &Base() const { return base_; }

    // Ends a drawing step: the operations since the last Keep. Forgets
    // everything before the last Cls, which hides it, folding its lasting
    // state into Base(), and returns the number of operations forgotten.
    // With `redraw`, the step may later be folded away (see above).
    std::size_t Keep(Redraw redraw = nullptr);
    // Steps folded away, drawn again by ReplayFrom the start.
    std::size_t Folded() const { return folded_.size(); }

    // Index of the first kept operation and one past the last, counting
    // every operation since the picture was made.
    std::size_t Begin() const { return forgotten_; }
    std::size_t End() const { return forgotten_ + recording_.ops.size(); }

    // Plays the operations from index `from` to End() onto `surface` and
    // returns End(). From 0, or from an index already forgotten, it plays
    // the whole picture, starting with ApplyState(Base()) (the first kept
    // operation is then the Cls that clears what the surface showed, or
    // the folded steps are redrawn first).
    std::size_t ReplayFrom(std::size_t from, DrawingSurface &surface) const;

  private:
    // Steps of up to this many operations need no redraw of their own.
    static constexpr std::size_t kSmallStep = 1000;
    struct Step {
        std::size_t begin;  // index of its first operation
        SurfaceState state; // lasting state before it
        Redraw redraw;
    };
    // Records like any RecordingSurface; a Cls first forgets what it hides,
    // and a Line beyond the shown area may take the place of the one before.
    class Recorder : public RecordingSurface {
      public:
        explicit Recorder(KeptPicture &picture) : picture_(picture) {}
        void Cls() override {
            picture_.ForgetAll();
            RecordingSurface::Cls();
        }
        void Line(float x1, float y1, float x2, float y2, Color c) override;

      private:
        KeptPicture &picture_;
    };
    // Lines this far beyond the shown area stay out of sight at any size,
    // however wide the pen: 1500 units are 20 pixels of the smallest map.
    static constexpr float kUnseenMargin = 1500;
    bool Unseen(const float *a) const;
    void ForgetAll();
    void Fold();
    void Advance(SurfaceState &state, std::size_t begin, std::size_t end) const;

    Recorder recording_;
    SurfaceState base_;
    std::size_t forgotten_ = 0;
    std::size_t forgottenAtKeep_ = 0; // forgotten_ at the last Keep
    std::size_t foldLimit_;
    float shownWidth_ = 0, shownHeight_ = 0; // 0: shown anywhere
    mutable std::size_t replayedUpTo_ = 0;    // End() at the last ReplayFrom
    std::size_t marked_ = 0;   // End() at the last Keep
    SurfaceState markedState_; // lasting state at marked_
    std::vector<Step> steps_;  // steps with operations kept, oldest first
    std::vector<Step> folded_; // steps before Begin(), redrawn on replay
};

} // namespace tavik
