#include "session/qt/startup_window.h"

#include "dialogs/labels.h"
#include "dialogs/message_box.h"
#include "map/qt/maker_page.h"
#include "map/qt/picture_canvas.h"
#include "resources/program_images.h"
#include "session/qt/startup_controls.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace tavik {

namespace {

constexpr float kWidthUnits = 12000, kHeightUnits = 9000;
constexpr int kTimerMilliseconds = 1;

} // namespace

StartupWindow::StartupWindow(SessionSettings &settings, ReferenceLists &lists,
                             const std::string &programDir,
                             StartupWindowHooks hooks, QWidget *parent)
    : QWidget(parent), settings_(settings), hooks_(std::move(hooks)) {
    if (!hooks_.openUrl)
        hooks_.openUrl = [](const QUrl &url) {
            QDesktopServices::openUrl(url);
        };
    setObjectName(QStringLiteral("frmOpening"));
    setWindowTitle(QStringLiteral("Tavik"));
    setWindowIcon(QIcon(IconImage()));

    canvas_ = new PictureCanvas(picture_, QSizeF(kWidthUnits, kHeightUnits),
                                this, kBlack);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);
    canvas_->installEventFilter(this);

    logoLabel_ = new QLabel(canvas_);
    logoLabel_->setObjectName(QStringLiteral("Image1"));
    logoLabel_->setPixmap(LogoImage());
    logoLabel_->setScaledContents(true);

    Load(lists, programDir);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTimerMilliseconds);
    connect(timer_, &QTimer::timeout, this, &StartupWindow::TickLogo);
    timer_->start();
}

StartupWindow::~StartupWindow() = default;

void StartupWindow::Load(ReferenceLists &lists, const std::string &programDir) {
    // 1. Fit to the screen: as large as it comfortably allows, centred.
    resize(canvas_->sizeHint());
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // 2. The gradient, 3. the program-wide start.
    DrawStartupGradient(picture_.Surface(), StartupScreen{});
    version_ = InitGlobals(settings_);
    // 4. From here on a failure is passed over without a message, and the
    // window shows with its buttons whatever happened.
    bool laidOut = false;
    try {
        LoadReferenceLists(programDir, lists); // 5.
        LayOutControls();                      // 6.
        laidOut = true;
        ReadSessionFile(settings_); // 7.
        HoldToMapRanges(settings_);
        DrawStartupPlot(picture_.Surface(), settings_, std::string()); // 8.
    } catch (...) {
        if (!laidOut)
            LayOutControls();
    }
    picture_.Keep();
    PlaceLogo();
    ScaleFonts();
}

void StartupWindow::LayOutControls() {
    for (const StartupControl &c : StartupControls(version_)) {
        const QString caption = ProgramText(c.caption);
        QWidget *widget = nullptr;
        if (c.kind == StartupControlKind::Button) {
            auto *button = new QPushButton(caption, canvas_);
            if (c.name == "cmdEnter") {
                connect(button, &QPushButton::clicked, this, [this] {
                    if (hooks_.enter)
                        hooks_.enter();
                    close();
                });
            } else {
                connect(button, &QPushButton::clicked, this, &QWidget::close);
            }
            widget = button;
        } else {
            QLabel *label =
                c.name == "lblVisit"
                    ? new ClickableLabel(
                          caption, [this] { hooks_.openUrl(MakerPageUrl()); },
                          canvas_)
                    : new QLabel(caption, canvas_);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, StartupTextColour());
            label->setPalette(palette);
            widget = label;
        }
        widget->setObjectName(QString::fromStdString(c.name));
        widget->setProperty(PictureCanvas::kLogicalGeometry,
                            QRectF(c.left, c.top, c.width, c.height));
        widget->show();
    }
}

bool StartupWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        ScaleFonts();
        PlaceLogo();
    }
    return QWidget::eventFilter(watched, event);
}

void StartupWindow::ScaleFonts() {
    const double pixelsPerUnit = canvas_->PictureRect().width() / kWidthUnits;
    for (const StartupControl &c : StartupControls(version_)) {
        if (auto *widget =
                canvas_->findChild<QWidget *>(QString::fromStdString(c.name)))
            widget->setFont(StartupFont(c, pixelsPerUnit));
    }
}

void StartupWindow::PlaceLogo() {
    logoLabel_->setGeometry(canvas_
                                ->ToWidget(logo_.left, logo_.top,
                                           LogoSlide::kWidth,
                                           LogoSlide::kHeight)
                                .toAlignedRect());
}

void StartupWindow::TickLogo() {
    if (!logo_.Tick())
        timer_->stop();
    PlaceLogo();
}

} // namespace tavik
