#include "map/qt/map_window.h"

#include "core/number_text.h"
#include "core/wait_seconds.h"
#include "dialogs/about_dialog.h"
#include "dialogs/get_channel_dialog.h"
#include "dialogs/get_distance_dialog.h"
#include "dialogs/get_home_dialog.h"
#include "dialogs/get_options_dialog.h"
#include "dialogs/message_box.h"
#include "dialogs/placeholder_dialog.h"
#include "dialogs/show_stations_dialog.h"
#include "dialogs/station_data_dialog.h"
#include "map/qt/busy_cursor.h"
#include "map/qt/maker_page.h"
#include "map/qt/map_shortcuts.h"
#include "map/qt/menu_bar_rows.h"
#include "map/qt/qt_surface.h"
#include "viewer/qt/outline_viewer.h"
#include "print/qt/print_driver.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include <cmath>

namespace tavik {

namespace {

// The map's logical space.
const QSizeF kMapSize(12000, 9000);

// Label1 of "Exit/quit": a strip over the top of the map, in map units.
constexpr float kLabel1X = 15, kLabel1Y = 45;
constexpr float kLabel1Width = 11985, kLabel1Height = 300;

} // namespace

// --- MapWindow -------------------------------------------------------------

MapWindow::MapWindow(SessionSettings &settings, const ReferenceLists &lists,
                     MessageSink *messages, MapWindowHooks hooks,
                     QWidget *parent)
    : QMainWindow(parent), settings_(settings), lists_(lists),
      ownMessages_(messages ? nullptr : std::make_unique<MessageBoxSink>(this)),
      messages_(messages ? *messages : *ownMessages_),
      hooks_(std::move(hooks)), map_{settings_, picture_.Surface(), messages_, pen_,
                                     std::string()} {
    if (!hooks_.wait)
        hooks_.wait = [](float seconds, const std::function<void()> &pump) {
            WaitSeconds(seconds, pump);
        };
    if (!hooks_.openUrl)
        hooks_.openUrl = [](const QUrl &url) {
            QDesktopServices::openUrl(url);
        };

    setObjectName(QStringLiteral("frmPlot"));
    setWindowTitle(QStringLiteral("Tavik - Plot"));

    picture_.ShownArea(static_cast<float>(kMapSize.width()),
                       static_cast<float>(kMapSize.height()));
    canvas_ = new PictureCanvas(picture_, kMapSize, this);
    canvas_->setObjectName(QStringLiteral("mapCanvas"));
    setCentralWidget(canvas_);

    label1_ = new QLabel(QString::fromLatin1(kSavedNotice), canvas_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setAutoFillBackground(true);
    QPalette labelPalette = label1_->palette();
    labelPalette.setColor(QPalette::Window, QColor(204, 221, 238));
    labelPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label1_->setPalette(labelPalette);
    label1_->setProperty(
        PictureCanvas::kLogicalGeometry, QRectF(kLabel1X, kLabel1Y, kLabel1Width, kLabel1Height));
    label1_->hide();

    BuildMenu();
    AddMapShortcuts(*this);
    FitToScreen();

    // The window opens on a fresh surface: the six layers without a Cls.
    map_.outlines = &outlines_;
    map_.patterns = &patterns_;
    map_.places = &places_;
    Draw([](MapContext &map, ViewMenuState &) { DrawMapLayers(map); });
}

MapWindow::~MapWindow() = default;

QAction *MapWindow::AddBarItem(const char *name, const char *caption,
                               void (MapWindow::*command)()) {
    QAction *action = menuBar()->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, command);
    return action;
}

void MapWindow::BuildMenu() {
    // Items that do not fit in one row wrap to the next (MenuBarRows).
    setMenuBar(new MenuBarRows(this));
    QMenuBar *bar = menuBar();

    QMenu *file = bar->addMenu(QStringLiteral("  File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction *about = file->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnuFileAbout"));
    connect(about, &QAction::triggered, this, &MapWindow::OnAbout);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSeparator1"));
    QAction *exitQuit = file->addAction(QStringLiteral("Exit/quit"));
    exitQuit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exitQuit, &QAction::triggered, this, &MapWindow::OnExitQuit);

    AddBarItem("mnuOptions", "Options", &MapWindow::OnOptions);
    AddBarItem("mnuGetDistance", "Distance", &MapWindow::OnDistance);
    AddBarItem("mnuDistance", "Rings", &MapWindow::OnRings);
    AddBarItem("mnuLicense", "Licensed", &MapWindow::OnLicensed);
    AddBarItem("mnuDayNight", "DayNight", &MapWindow::OnDayNight);
    AddBarItem("mnuShowStations", "All", &MapWindow::OnShowStations);
    AddBarItem("mnuHome", "Home", &MapWindow::OnHome);
    AddBarItem("mnuStationData", "GetData", &MapWindow::OnStationData);
    AddBarItem("mnuGrid", "Grid", &MapWindow::OnGrid)->setVisible(false);
    AddBarItem("mnuChannel", "Channel", &MapWindow::OnChannel);
    zoomIn_ = AddBarItem("mnuZoomIn", "ZoomIn", &MapWindow::OnZoomIn);
    zoomOut_ = AddBarItem("mnuZoomOut", "ZoomOut", &MapWindow::OnZoomOut);
    larger_ = AddBarItem("mnuLarger", "Larger", &MapWindow::OnLarger);
    smaller_ = AddBarItem("mnuSmaller", "Smaller", &MapWindow::OnSmaller);
    AddBarItem("mnuPrint", "Print", &MapWindow::OnPrint);
    AddBarItem("mnuExit", "Exit", &MapWindow::OnExit);
    AddBarItem("mnuOskel", "Oskel Software", &MapWindow::OnMakerSite);
    ApplyViewMenu();
}

void MapWindow::FitToScreen() {
    // Wide enough for every bar item in one row where the screen allows (a
    // narrower bar wraps into more rows), and the map as large as the screen
    // comfortably allows; never larger than the screen.
    const QScreen *screen = this->screen();
    const QSize avail =
        screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const QSize bar = menuBar()->sizeHint();
    const QSize map = canvas_->sizeHint();
    const int width =
        std::min(avail.width(), std::max(map.width(), bar.width()));
    const int height = std::min(avail.height() * 95 / 100,
                                width * 3 / 4 + menuBar()->heightForWidth(width));
    resize(width, height);
}

void MapWindow::ApplyViewMenu() {
    zoomIn_->setEnabled(viewMenu_.zoomIn);
    zoomOut_->setEnabled(viewMenu_.zoomOut);
    larger_->setEnabled(viewMenu_.larger);
    smaller_->setEnabled(viewMenu_.smaller);
}

void MapWindow::KeepDrawing() {
    picture_.Keep();
    canvas_->update();
}

void MapWindow::Draw(const MapCommand &command) {
    BusyCursor busy;
    const SessionSettings settings = settings_;
    const ViewMenuState menu = viewMenu_;
    const OutlinePen pen = pen_;
    command(map_, viewMenu_);
    picture_.Keep([=, dir = map_.dataDir, placement = map_.placement,
                   palette = map_.palette,
                   outlines = map_.outlines,
                   patterns = map_.patterns,
                   places = map_.places](DrawingSurface &surface) {
        SessionSettings s = settings;
        ViewMenuState m = menu;
        OutlinePen p = pen;
        RecordedMessages shownBefore;
        MapContext again{s, surface, shownBefore, p, dir, placement, palette,
                         outlines, patterns, places};
        command(again, m);
    });
    canvas_->update();
}

void MapWindow::ShowPlaceholder(const QString &task) {
    PlaceholderDialog dialog(task, this);
    dialog.exec();
}

void MapWindow::PlaceLabel1() {
    const QRectF r =
        canvas_->ToWidget(kLabel1X, kLabel1Y, kLabel1Width, kLabel1Height);
    label1_->setGeometry(r.toAlignedRect());
    // Bold, about 60% of the strip's height, smaller if the one line would
    // not fit its width.
    QFont font = label1_->font();
    font.setBold(true);
    qreal pixels = std::max<qreal>(6, r.height() * 0.6);
    font.setPixelSize(static_cast<int>(pixels));
    const qreal textWidth =
        QFontMetricsF(font).horizontalAdvance(label1_->text());
    if (textWidth > r.width() * 0.98 && textWidth > 0) {
        pixels = std::max<qreal>(6, pixels * r.width() * 0.98 / textWidth);
        font.setPixelSize(static_cast<int>(pixels));
    }
    label1_->setFont(font);
}

// --- Commands ----------------------------------------------------------------

void MapWindow::OnAbout() {
    AboutDialog dialog(hooks_.openUrl, this);
    dialog.exec();
}

void MapWindow::OnExitQuit() {
    // After a failed write the message box has said so; the note that the
    // session was saved is shown only when it was.
    if (!WriteSessionFile(settings_, messages_)) {
        close();
        return;
    }
    PlaceLabel1();
    label1_->show();
    label1_->raise();
    hooks_.wait(kSavedNoticeSeconds, [this] {
        label1_->repaint();
        QCoreApplication::processEvents();
    });
    label1_->hide();
    close();
}

void MapWindow::OnOptions() {
    GetOptionsDialog dialog(settings_, this);
    dialog.exec();
}

void MapWindow::OnDistance() {
    GetDistanceDialog dialog(settings_, lists_, this);
    dialog.exec();
}

void MapWindow::OnRings() {
    Draw([](MapContext &map, ViewMenuState &) { ToggleRings(map); });
}

void MapWindow::OnLicensed() {
    Draw([](MapContext &map, ViewMenuState &) { ToggleLicensed(map); });
}

void MapWindow::OnDayNight() {
    Draw([](MapContext &map, ViewMenuState &) { CycleDayNight(map); });
}

void MapWindow::OnShowStations() {
    ShowStationsDialog dialog(settings_, this);
    dialog.exec();
    if (settings_.allStationsGo != 0) {
        Draw([](MapContext &map, ViewMenuState &) {
            DrawAllStationsMap(map);
        });
    }
}

void MapWindow::OnHome() {
    GetHomeDialog dialog(settings_, lists_, homeCandidate_, this);
    dialog.exec();
    Draw([](MapContext &map, ViewMenuState &) { RedrawMap(map); });
    if (dialog.UseMapChosen())
        OpenViewer();
}

void MapWindow::OpenViewer() {
    if (!viewer_) {
        viewer_ = new OutlineViewer(settings_, map_.dataDir,
                                    [this] { HomeTakenFromViewer(); }, this);
        viewer_->setAttribute(Qt::WA_DeleteOnClose);
    }
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void MapWindow::HomeTakenFromViewer() {
    // The map window opens afresh around the new home: all four view items
    // enabled, the six layers drawn.
    viewMenu_ = ViewMenuState{};
    ApplyViewMenu();
    RedrawMap(map_);
    KeepDrawing();
}

void MapWindow::OnStationData() {
    StationDataDialog dialog(settings_, messages_, this, map_.dataDir);
    dialog.exec();
}

void MapWindow::OnGrid() {
    Draw([](MapContext &map, ViewMenuState &) { ToggleGrid(map); });
}

void MapWindow::OnChannel() {
    // "Erase and plot" clears the drawing; the layers go over what is left.
    GetChannelDialog dialog(settings_, picture_.Surface(), messages_, this);
    dialog.exec();
    Draw([](MapContext &map, ViewMenuState &) { DrawMapLayers(map); });
}

void MapWindow::OnZoomIn() {
    Draw([](MapContext &map, ViewMenuState &menu) { ZoomIn(map, menu); });
    ApplyViewMenu();
}

void MapWindow::OnZoomOut() {
    Draw([](MapContext &map, ViewMenuState &menu) { ZoomOut(map, menu); });
    ApplyViewMenu();
}

void MapWindow::OnLarger() {
    Draw([](MapContext &map, ViewMenuState &menu) { Larger(map, menu); });
    ApplyViewMenu();
}

void MapWindow::OnSmaller() {
    Draw([](MapContext &map, ViewMenuState &menu) { Smaller(map, menu); });
    ApplyViewMenu();
}

QPrinter &MapWindow::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the dialog offers only a PDF file; name one
        // rather than leave the bare home folder in its file box.
        if (printer_->outputFormat() == QPrinter::PdfFormat)
            printer_->setOutputFileName(QDir::home().filePath("Tavik.pdf"));
    }
    return *printer_;
}

void MapWindow::OnPrint() {
    MessageBoxSink printerErrors(this, QStringLiteral("Printer Error"));
    PrintMap(Printer(), {settings_, pen_, messages_, printerErrors, {}}, this);
}

void MapWindow::OnExit() {
    WriteSessionFile(settings_, messages_);
    close();
}

void MapWindow::OnMakerSite() { hooks_.openUrl(MakerPageUrl()); }

} // namespace tavik
