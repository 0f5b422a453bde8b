#include "viewer/qt/outline_viewer.h"

#include "map/qt/picture_canvas.h"
#include "viewer/outline_view.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavik {

namespace {

constexpr float kWidth = 12000, kHeight = 9000;

int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

} // namespace

OutlineViewer::OutlineViewer(SessionSettings &settings,
                             const std::string &dataDir,
                             std::function<void()> homeTaken, QWidget *parent)
    : QWidget(parent, Qt::Window), settings_(settings),
      homeTaken_(std::move(homeTaken)) {
    setObjectName(QStringLiteral("frmPlotStates"));
    setWindowTitle(QStringLiteral("Tavik - States"));

    canvas_ = new PictureCanvas(picture_, QSizeF(kWidth, kHeight), this);
    canvas_->setObjectName(QStringLiteral("viewerCanvas"));
    canvas_->setMouseTracking(true);
    canvas_->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(canvas_);

    auto *exit = new QPushButton(QStringLiteral("Return"), canvas_);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setProperty(PictureCanvas::kLogicalGeometry,
                      QRectF(kReturnLeft, kReturnTop, kReturnWidth,
                             kReturnHeight));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    resize(canvas_->sizeHint());

    // Drawn once, before the window takes input; then the window's own font
    // size for the readout, whose four texts stand 2000 to 2700 units apart.
    DrawOutlineView(picture_.Surface(), dataDir);
    picture_.Surface().SetFontSize(kReadoutPoints);
    picture_.Keep();
    outlineDrawing_ = picture_.Ops();
}

OutlineViewer::~OutlineViewer() = default;

bool OutlineViewer::eventFilter(QObject *watched, QEvent *event) {
    if (watched == canvas_) {
        if (event->type() == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            MouseMoved(canvas_->ToLogical(mouse->position()));
        } else if (event->type() == QEvent::MouseButtonPress) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            MousePressed(canvas_->ToLogical(mouse->position()),
                         mouse->button());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void OutlineViewer::MouseMoved(QPointF logical) {
    if (++readouts_ > kMaxKeptReadouts) {
        // Each readout covers the one before: start again from a cleared
        // surface with the outline drawing, so the picture stops growing.
        RecordingSurface &surface = picture_.Surface();
        surface.Cls();
        for (const DrawOp &op : outlineDrawing_)
            Replay(op, surface);
        readouts_ = 1;
    }
    ShowMousePosition(picture_.Surface(), static_cast<float>(logical.x()),
                      static_cast<float>(logical.y()), settings_);
    picture_.Keep();
    canvas_->update();
}

void OutlineViewer::MousePressed(QPointF logical, Qt::MouseButton button) {
    if (!TakeHomeFromMap(static_cast<float>(logical.x()),
                         static_cast<float>(logical.y()), ButtonNumber(button),
                         settings_))
        return;
    if (homeTaken_)
        homeTaken_();
    close();
}

} // namespace tavik
