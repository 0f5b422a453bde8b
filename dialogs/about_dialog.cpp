#include "dialogs/about_dialog.h"

#include "dialogs/dialog_placement.h"
#include "dialogs/labels.h"
#include "map/qt/maker_page.h"
#include "resources/program_images.h"
#include "session/version_info.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace tavik {

namespace {

constexpr QColor kBlue(0, 0, 255);

// Against unauthorised copying, and which data the maps are drawn from and
// how current it is.
constexpr const char *kNotice =
    "Warning: this program is protected by copyright. Copying or passing "
    "it on, in whole or in part, without the holder's permission is not "
    "allowed.\n\n"
    "Map data: FCC AM list of January 2026 (public domain); Canadian AM "
    "transmitter list of January 2026 (licence not stated by its source); "
    "coasts and borders from GSHHG 2.3.7 (LGPL-3+); places from GeoNames "
    "(CC BY 4.0).";

QRect Twips(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

template <typename T> T *Place(T *widget, const char *name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *BlueLabel(QLabel *label, qreal points) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kBlue);
    label->setPalette(palette);
    // Points as the 96-dpi layout meant them: 4/3 pixel each.
    FitFontToWidth(*label, points * 4 / 3);
    return label;
}

QLabel *Picture(QWidget *parent, const QPixmap &pixmap) {
    auto *label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

} // namespace

AboutDialog::AboutDialog(std::function<void(const QUrl &)> openUrl,
                         QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Tavik - About"));
    setModal(true);
    setFixedSize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    const VersionInfo version = ProgramVersion();
    const QString address = QString::fromLatin1(kMakerWebAddress);

    QLabel *title = Place(new QLabel(QStringLiteral("Tavik"), this), "lblTitle",
                          Twips(90, 120, 6675, 555));
    QFont serif = title->font();
    serif.setFamily(QStringLiteral("Serif"));
    serif.setStyleHint(QFont::Serif);
    title->setFont(serif);
    BlueLabel(title, 21.75);
    BlueLabel(Place(new QLabel(QStringLiteral("Version ") +
                                   QString::fromStdString(version.VersionText),
                               this),
                    "lblVersion", Twips(120, 840, 6645, 435)),
              12);
    BlueLabel(
        Place(new QLabel(QString::fromStdString(version.CopyrightLine), this),
              "lblDescription", Twips(120, 1440, 6675, 435)),
        12);
    Place(Picture(this, IconImage()), "Image2", Twips(1680, 120, 480, 480));
    Place(Picture(this, AboutImage()), "Image1", Twips(480, 2640, 2250, 2250));

    QLabel *notice = Place(new QLabel(QString::fromLatin1(kNotice), this),
                           "lblWarning", Twips(3000, 2760, 3690, 2460));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = notice->font();
    small.setPixelSize(10);
    notice->setFont(small);

    auto *visit = new ClickableLabel(
        QStringLiteral("Visit Oskel Software at   ") + address,
        [openUrl] {
            if (openUrl)
                openUrl(MakerPageUrl());
        },
        this);
    BlueLabel(Place(visit, "lblOskelSoftware", Twips(120, 2040, 6705, 330)),
              12);

    auto *ret = Place(new QPushButton(QStringLiteral("Return"), this),
                      "cmdExit", Twips(2760, 5400, 1575, 375));
    ret->setDefault(true);
    connect(ret, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tavik
