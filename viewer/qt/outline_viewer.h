#pragma once
// frmPlotStates, "Tavik - States": the outline viewer's window. It draws the
// grid and the outline files once when it opens, shows the latitude and
// longitude under the mouse in the strip at the bottom, and makes the point
// under a left or right click home; the map window then redraws around it.

#include "map/kept_picture.h"
#include "session/session_settings.h"

#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tavik {

class PictureCanvas;

class OutlineViewer : public QWidget {
    Q_OBJECT
  public:
    // Where "Return" sits, in drawing units (left and top as the window
    // places it; its size is this window's own).
    static constexpr float kReturnLeft = 300, kReturnTop = 7100;
    static constexpr float kReturnWidth = 1500, kReturnHeight = 400;
    // The window's font size, in which the readout is written.
    static constexpr float kReadoutPoints = 8;
    // Readouts kept before the picture is compacted to its outline drawing
    // and the last readout, so that moving the mouse for hours costs no
    // memory.
    static constexpr int kMaxKeptReadouts = 1000;

    // Draws from the outline files of `dataDir` (the working directory when
    // empty). `homeTaken` runs after a click has set home, before the viewer
    // closes.
    OutlineViewer(SessionSettings &settings, const std::string &dataDir,
                  std::function<void()> homeTaken, QWidget *parent = nullptr);
    ~OutlineViewer() override;

    // The kept picture: the outline drawing, then the readouts since.
    const std::vector<DrawOp> &Drawing() const { return picture_.Ops(); }
    PictureCanvas *Canvas() const { return canvas_; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void MouseMoved(QPointF logical);
    void MousePressed(QPointF logical, Qt::MouseButton button);

    SessionSettings &settings_;
    std::function<void()> homeTaken_;
    KeptPicture picture_;
    std::vector<DrawOp> outlineDrawing_; // what DrawOutlineView drew
    int readouts_ = 0;
    PictureCanvas *canvas_ = nullptr;
};

} // namespace tavik
