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

#include "map/drawing_surface.h"
#include "map/recording_surface.h"

#include <cstddef>
#include <vector>

namespace tavik {

// Performs `op` on `surface`. Message operations draw nothing and are skipped.
void Replay(const DrawOp &op, DrawingSurface &surface);

// Sets the three lasting parts of `state` (colour, font size, pen width) on
// `surface`.
void ApplyState(const SurfaceState &state, DrawingSurface &surface);

class KeptPicture {
  public:
    // Where the picture is drawn; its messages are kept among the operations.
    RecordingSurface &Surface() { return recording_; }
    const std::vector<DrawOp> &Ops() const { return recording_.ops; }
    // The lasting state in force before the first kept operation.
    const SurfaceState &Base() const { return base_; }

    // Forgets everything before the last Cls, which hides it, folding its
    // lasting state into Base(). Returns the number of operations forgotten.
    std::size_t Keep();

    // Index of the first kept operation and one past the last, counting
    // every operation since the picture was made.
    std::size_t Begin() const { return forgotten_; }
    std::size_t End() const { return forgotten_ + recording_.ops.size(); }

    // Plays the operations from index `from` to End() onto `surface` and
    // returns End(). From 0, or from an index already forgotten, it plays
    // the whole picture, starting with ApplyState(Base()) (the first kept
    // operation is then the Cls that clears what the surface showed).
    std::size_t ReplayFrom(std::size_t from, DrawingSurface &surface) const;

  private:
    RecordingSurface recording_;
    SurfaceState base_;
    std::size_t forgotten_ = 0;
};

} // namespace tavik
