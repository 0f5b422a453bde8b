#include "dialogs/station_data_dialog.h"

#include "core/number_text.h"
#include "dialogs/message_box.h"
#include "map/qt/qt_surface.h"
#include "map/station_pattern.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace tavik {

namespace {

// Where the controls stand, in the window's drawing units (x, y, width,
// height) and their font size in points. Label5 and cmdExit keep the tops
// the window has always given them; the list grows down from kListTop.
constexpr float kLeft = 300;
constexpr float kListTop = 1140;
constexpr float kListWidth = 8400;
constexpr float kLabel4Top = 3870;
constexpr float kExitTop = 4800;
constexpr float kLabel5Top = 5374;
constexpr float kFontPoints = 8;
// Before the first search the list has the height of a full one.
constexpr int kFirstListHeight = 2700;

// The property that holds a control's place in units (a QRectF) and font
// size in points (a qreal).
constexpr const char *kUnits = "tavikUnits";
constexpr const char *kPoints = "tavikPoints";

QFont Courier() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// Device-independent pixels per unit for a widget of this size.
qreal ScaleFor(QSize size) {
    return std::min(size.width() / qreal(kStationDataWidth),
                    size.height() / qreal(kStationDataHeight));
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
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto *label1 = new QLabel(QStringLiteral("Look for"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    Place(label1, kLeft, 170, 1000, 300, kFontPoints);

    txtGetData_ = new QLineEdit(this);
    txtGetData_->setObjectName(QStringLiteral("txtGetData"));
    Place(txtGetData_, 1300, 120, 2400, 380, kFontPoints);

    auto *getData = new QPushButton(QStringLiteral("Get data"), this);
    getData->setObjectName(QStringLiteral("cmdGetData"));
    getData->setDefault(true);
    Place(getData, 3900, 100, 1500, 420, kFontPoints);
    connect(getData, &QPushButton::clicked, this,
            &StationDataDialog::RunSearch);

    auto *label2 = new QLabel(
        QStringLiteral("in the ") +
            QString::fromStdString(ShortestText(settings_.channelKHz)) +
            QStringLiteral(" datafile (examples:  call, city or state)"),
        this);
    label2->setObjectName(QStringLiteral("Label2"));
    Place(label2, kLeft, 580, 6000, 300, kFontPoints);

    auto *label3 = new QLabel(QString::fromLatin1(kSearchHeader), this);
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
    Place(label3, kLeft, 900, kListWidth, 240, kFontPoints);

    lstGetData_ = new QListWidget(this);
    lstGetData_->setObjectName(QStringLiteral("lstGetData"));
    lstGetData_->setFont(Courier());
    lstGetData_->setUniformItemSizes(true);
    Place(lstGetData_, kLeft, kListTop, kListWidth, listHeight_, kFontPoints);
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
        this);
    label4_->setObjectName(QStringLiteral("Label4"));
    Place(label4_, kLeft, kLabel4Top, 6000, 300, kFontPoints);
    label4_->hide();

    auto *exit = new QPushButton(QStringLiteral("Return"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAutoDefault(false);
    Place(exit, kLeft, kExitTop, 1500, 420, kFontPoints);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    label5_ = new QLabel(
        QStringLiteral(
            "Patterns are individually resized to fill the plotting area"),
        this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setWordWrap(true);
    label5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(label5_, kLeft, kLabel5Top, 2900, 600, kFontPoints);
    label5_->hide();

    txtGetData_->setFocus();
    resize(sizeHint());
}

StationDataDialog::~StationDataDialog() = default;

QSize StationDataDialog::sizeHint() const {
    // 13 units a pixel: a little larger than the 15 twips a pixel the layout
    // was made for, so the list stays readable.
    return QSize(qRound(kStationDataWidth / 13), qRound(kStationDataHeight / 13));
}

QWidget *StationDataDialog::Place(QWidget *widget, float x, float y,
                                  float width, float height, float points) {
    widget->setProperty(kUnits, QRectF(x, y, width, height));
    widget->setProperty(kPoints, qreal(points));
    return widget;
}

void StationDataDialog::PlaceControls() {
    const qreal s = ScaleFor(size());
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || !child->property(kUnits).isValid())
            continue;
        const QRectF r = child->property(kUnits).toRectF();
        widget->setGeometry(
            QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s)
                .toAlignedRect());
        QFont font = widget->font();
        const qreal px = child->property(kPoints).toReal() * 20 * s;
        font.setPixelSize(std::max(4, qRound(px)));
        widget->setFont(font);
    }
}

void StationDataDialog::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    PlaceControls();
}

void StationDataDialog::paintEvent(QPaintEvent *) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
    }
    QtSurface surface(*this, QSizeF(kStationDataWidth, kStationDataHeight));
    picture_.ReplayFrom(0, surface);
    surface.End();
}

void StationDataDialog::RunSearch() {
    lstGetData_->clear();
    search_ = SearchStations(dataDir_, settings_.channelKHz,
                             settings_.Flags(),
                             txtGetData_->text().toStdString(), messages_);
    for (const std::string &row : search_.rows)
        lstGetData_->addItem(ProgramText(row));
    if (!search_.completed)
        return;
    label4_->show();
    listHeight_ = SearchListHeight(static_cast<int>(search_.rows.size()));
    Place(lstGetData_, kLeft, kListTop, kListWidth, listHeight_, kFontPoints);
    PlaceControls();
}

void StationDataDialog::RowClicked(int k) {
    const std::string *row = SearchRowAt(search_, k);
    if (!row || SelectRow(*row).call.empty())
        return;
    ShowStationPattern(picture_.Surface(), dataDir_, settings_.channelKHz,
                       settings_.Flags(), *row);
    picture_.Keep();
    label5_->show();
    update();
}

} // namespace tavik
