#pragma once
// frmShowStations: asks before the slow overview of every station on every
// channel whether to plot it, and whether to zoom in first. The answer goes
// straight into the session: allStationsGo, and for the zoom also the scale
// and pattern size.

#include "session/session_settings.h"

#include <QDialog>

namespace tavik {

class ShowStationsDialog : public QDialog {
    Q_OBJECT
  public:
    // Scale and pattern size of "Zoom in for local view".
    static constexpr float kLocalScale = 10000.0f;
    static constexpr float kLocalPatternSize = 0.02f;

    ShowStationsDialog(SessionSettings &settings, QWidget *parent);

  private:
    // Closing by the frame goes through reject() and changes nothing.
    void Answer(bool zoomIn, int16_t go);

    SessionSettings &settings_;
};

} // namespace tavik
