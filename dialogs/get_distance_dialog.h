#pragma once
// frmGetDistance, "Tavik - Get distance": the great-circle distance and
// bearing from home to a city or station of the reference lists, or to a
// typed point. It changes no setting and draws nothing.

#include "session/list_picks.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace tavik {

class ListLinesView;

class GetDistanceDialog : public QDialog {
    Q_OBJECT
  public:
    GetDistanceDialog(const SessionSettings &settings,
                      const ReferenceLists &lists, QWidget *parent);

  private:
    void Take(ListKind kind, int row);
    void GetDistance();

    const SessionSettings &settings_;
    const ReferenceLists &lists_;
    ListLinesView *lists3_[3] = {}; // cities, K, W
    QLineEdit *latitude_ = nullptr;
    QLineEdit *longitude_ = nullptr;
    QLineEdit *bearing_ = nullptr;
    QLineEdit *distance_ = nullptr;
    std::array<QWidget *, 4> results_{}; // both labels and boxes
};

} // namespace tavik
