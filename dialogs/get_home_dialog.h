#pragma once
// frmGetHome, "Tavik - Get home": home from a city, a "K" or a "W" station
// of the reference lists, or typed as latitude and longitude. "Accept and
// return" writes home into the session; "Use map" closes the dialog so that
// the map window can open the outline viewer.

#include "session/list_picks.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"

#include <QDialog>

class QLineEdit;

namespace tavik {

class ListLinesView;

class GetHomeDialog : public QDialog {
    Q_OBJECT
  public:
    // `candidate` is the dialog's state across openings within the run (the
    // last clicked line); the caller keeps it.
    GetHomeDialog(SessionSettings &settings, const ReferenceLists &lists,
                  HomeCandidate &candidate, QWidget *parent);

    // True when the dialog was closed by "Use map".
    bool UseMapChosen() const { return useMap_; }

  private:
    void Take(ListKind kind, int row);
    void AcceptAndReturn();

    SessionSettings &settings_;
    const ReferenceLists &lists_;
    HomeCandidate &candidate_;
    ListLinesView *lists3_[3] = {}; // cities, K, W
    QLineEdit *latitude_ = nullptr;
    QLineEdit *longitude_ = nullptr;
    bool useMap_ = false;
};

} // namespace tavik
