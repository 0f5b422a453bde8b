#pragma once
// frmGetOptions, "Tavik - Get options": the five station filters, the
// distance unit and the compass, one frame of two option buttons each. The
// unit follows a click at once; the others are taken on "Return". Nothing is
// redrawn here: the next redraw of the map shows the new settings.

#include "session/session_settings.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QRadioButton;

namespace tavik {

class GetOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    GetOptionsDialog(SessionSettings &settings, QWidget *parent);

  private:
    // One frame: the setting it shows and its "1" and "0" buttons.
    struct Frame {
        int16_t *setting;
        QRadioButton *on;
        QRadioButton *off;
    };
    void Return();

    std::array<Frame, 7> frames_{};
};

} // namespace tavik
