#pragma once
// frmGetStationData, "Tavik - Get data": searches the current channel's file
// for any text, lists the matching stations as fixed-width rows, and draws
// the pattern of a clicked row, enlarged, on the window's own surface.
//
// The window is one drawing space of 9000 x 9000 units, a PictureCanvas
// that fits it to the window keeping its aspect; the controls sit on it at
// fixed places in those units and their fonts grow with them. The picture is
// a KeptPicture, painted again crisp at every size.

#include "core/messages.h"
#include "map/kept_picture.h"
#include "session/session_settings.h"
#include "stations/station_search.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavik {

class PictureCanvas;

class StationDataDialog : public QDialog {
    Q_OBJECT
  public:
    // Reads the channel and the show-flags of `settings` (changes nothing)
    // and the channel file from `dataDir` (the working directory when
    // empty). Failures of a search go to `messages`.
    StationDataDialog(const SessionSettings &settings, MessageSink &messages,
                      QWidget *parent, std::string dataDir = {});
    ~StationDataDialog() override;

    // The kept picture: the operations since the last Cls.
    const std::vector<DrawOp> &Picture() const { return picture_.Ops(); }
    // The list's height in drawing units, as the last search set it.
    int ListHeight() const { return listHeight_; }

  private:
    void RunSearch();
    void RowClicked(int k);

    const SessionSettings &settings_;
    MessageSink &messages_;
    std::string dataDir_;
    StationSearch search_;
    int listHeight_;
    KeptPicture picture_;

    PictureCanvas *canvas_ = nullptr;

    QLineEdit *txtGetData_ = nullptr;
    QListWidget *lstGetData_ = nullptr;
    QLabel *label4_ = nullptr;
    QLabel *label5_ = nullptr;
};

} // namespace tavik
