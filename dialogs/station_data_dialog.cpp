#include "dialogs/station_data_dialog.h"

#include "core/number_text.h"
#include "dialogs/message_box.h"
#include "map/qt/picture_canvas.h"
#include "map/station_pattern.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tavik {

namespace {

// Where the controls stand, in the window's drawing units (x, y, width,
// height) and their font size in points. Label5 and cmdExit keep the tops
// the window has always given them; the list grows down from kListTop.
constexpr float kLeft = 300;
constexpr float kListLeft = 150; // the header and the list: 87 columns
constexpr float kListTop = 1140;
constexpr float kListWidth = 8700;
constexpr float kLabel4Top = 3870;
constexpr float kExitTop = 4800;
constexpr float kLabel5Top = 5374;
constexpr float kFontPoints = 8;
// Before the first search the list has the height of a full one.
constexpr int kFirstListHeight = 2700;

QFont Courier() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// Puts `widget` at (x, y, width, height) in the window's units, with a font
// of 8 points at the window's scale.
template <class W> W *Place(W *widget, float x, float y, float w, float h) {
    widget->setProperty(PictureCanvas::kLogicalGeometry, QRectF(x, y, w, h));
    widget->setProperty(PictureCanvas::kLogicalFontPoints, qreal(kFontPoints));
    return widget;
}

} // namespace

StationDataDialog::StationDataDialog(const SessionSettings &settings,
                                     MessageSink &messages, QWidget *parent,
                                     std::string dataDir)
    : QDialog(parent), settings_(settings), messages_(messages),
      dataDir_(std::move(dataDir)), listHeight_(kFirstListHeight) {
    setObjectName(QStringLiteral("frmGetStationData"));
    setWindowTitle(QStringLiteral("Tavik - Get data"));
    setModal(true);
    canvas_ = new PictureCanvas(
        picture_, QSizeF(kStationDataWidth, kStationDataHeight), this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    QWidget *const on = canvas_; // the controls' parent

    auto *label1 = new QLabel(QStringLiteral("Look for"), on);
    label1->setObjectName(QStringLiteral("Label1"));
    Place(label1, kLeft, 170, 1000, 300);

    txtGetData_ = new QLineEdit(on);
    txtGetData_->setObjectName(QStringLiteral("txtGetData"));
    Place(txtGetData_, 1300, 120, 2400, 380);

    auto *getData = new QPushButton(QStringLiteral("Get data"), on);
    getData->setObjectName(QStringLiteral("cmdGetData"));
    getData->setDefault(true);
    Place(getData, 3900, 100, 1500, 420);
    connect(getData, &QPushButton::clicked, this,
            &StationDataDialog::RunSearch);

    auto *label2 = new QLabel(
        QStringLiteral("in the ") +
            QString::fromStdString(ShortestText(settings_.channelKHz)) +
            QStringLiteral(" datafile (examples:  call, city or state)"),
        on);
    label2->setObjectName(QStringLiteral("Label2"));
    Place(label2, kLeft, 580, 6000, 300);

    auto *label3 = new QLabel(QString::fromLatin1(kSearchHeader), on);
    // The header's text starts where the rows' text starts in the list.
    label3->setIndent(
        style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
        style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setFont(Courier());
    label3->setAutoFillBackground(true);
    QPalette grey = label3->palette();
    grey.setColor(QPalette::Window, QColor(240, 240, 240));
    label3->setPalette(grey);
    Place(label3, kListLeft, 900, kListWidth, 240);

    lstGetData_ = new QListWidget(on);
    lstGetData_->setObjectName(QStringLiteral("lstGetData"));
    lstGetData_->setFont(Courier());
    lstGetData_->setUniformItemSizes(true);
    Place(lstGetData_, kListLeft, kListTop, kListWidth, float(listHeight_));
    connect(lstGetData_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) {
                RowClicked(lstGetData_->row(item) + 1);
            });
    connect(lstGetData_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) {
                RowClicked(lstGetData_->row(item) + 1);
            });

    label4_ = new QLabel(
        QStringLiteral(
            "Click on a line in the list to see that station's pattern"),
        on);
    label4_->setObjectName(QStringLiteral("Label4"));
    Place(label4_, kLeft, kLabel4Top, 6000, 300);
    label4_->hide();

    auto *exit = new QPushButton(QStringLiteral("Return"), on);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAutoDefault(false);
    Place(exit, kLeft, kExitTop, 1500, 420);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    label5_ = new QLabel(
        QStringLiteral(
            "Patterns are individually resized to fill the plotting area"),
        on);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setWordWrap(true);
    label5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(label5_, kLeft, kLabel5Top, 2900, 600);
    label5_->hide();

    txtGetData_->setFocus();
    // 13 units a pixel: a little larger than the 15 twips a pixel the layout
    // was made for, so that the list stays readable.
    resize(qRound(kStationDataWidth / 13), qRound(kStationDataHeight / 13));
}

StationDataDialog::~StationDataDialog() = default;

void StationDataDialog::RunSearch() {
    lstGetData_->clear();
    search_ = SearchStations(dataDir_, settings_.channelKHz,
                             settings_.show,
                             txtGetData_->text().toStdString(), messages_);
    for (const std::string &row : search_.rows)
        lstGetData_->addItem(ProgramText(row));
    if (!search_.completed)
        return;
    label4_->show();
    listHeight_ = SearchListHeight(static_cast<int>(search_.rows.size()));
    Place(lstGetData_, kListLeft, kListTop, kListWidth, float(listHeight_));
    canvas_->PlaceChildren();
}

void StationDataDialog::RowClicked(int k) {
    const std::string *row = SearchRowAt(search_, k);
    if (!row || SelectRow(*row).call.empty())
        return;
    ShowStationPattern(picture_.Surface(), dataDir_, settings_.channelKHz,
                       settings_.show, *row);
    picture_.Keep();
    label5_->show();
    canvas_->update();
}

} // namespace tavik
