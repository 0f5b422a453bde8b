#include "dialogs/show_stations_dialog.h"

#include "dialogs/dialog_placement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavik {

namespace {

// The dialog's frame sits 500 twips from the screen's left edge and 700 from
// its top.
constexpr int kLeftTwips = 500;
constexpr int kTopTwips = 700;

QPushButton *AddButton(QWidget *parent, const char *name, const char *caption) {
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

ShowStationsDialog::ShowStationsDialog(SessionSettings &settings,
                                       QWidget *parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("frmShowStations"));
    setWindowTitle(QStringLiteral("Tavik - Show stations"));
    setModal(true);

    auto *notice = new QLabel(
        QStringLiteral("The process of showing the locations of all stations "
                       "on all frequencies is relatively time-consuming."),
        this);
    notice->setObjectName(QStringLiteral("lblTimeNotice"));
    notice->setWordWrap(true);

    QPushButton *alterYes =
        AddButton(this, "cmdAlterYes", "Zoom in for local view");
    QPushButton *alterNo =
        AddButton(this, "cmdAlterNo", "Leave mapsize intact");
    QPushButton *plotNo = AddButton(this, "cmdPlotNo", "Return - no plotting");
    connect(alterYes, &QPushButton::clicked, this, [this] { Answer(true, 1); });
    connect(alterNo, &QPushButton::clicked, this, [this] { Answer(false, 1); });
    connect(plotNo, &QPushButton::clicked, this, [this] { Answer(false, 0); });
    // Enter plots without changing the view: the default button, which
    // opens with the focus and shows it as keyboard focus.
    alterNo->setDefault(true);
    alterNo->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addWidget(alterYes);
    layout->addWidget(alterNo);
    layout->addWidget(plotNo);
    setMinimumWidth(360);

    PlaceFromScreenCorner(*this, parent, kLeftTwips, kTopTwips);
}

void ShowStationsDialog::Answer(bool zoomIn, int16_t go) {
    if (zoomIn) {
        settings_.scaleFactor = kLocalScale;
        settings_.patternSize = kLocalPatternSize;
    }
    settings_.allStationsGo = go;
    accept();
}

} // namespace tavik
