#pragma once
// frmPlot, "Tavik - Plot": the program's main window. It shows the map,
// holds the view state (the session and the enabled state of the four view
// items) and runs the menu commands; all drawing is done by the map layers and
// commands on a RecordingSurface, whose operations since the last Cls are the
// window's kept picture.

#include "core/messages.h"
#include "map/map_commands.h"
#include "map/map_layers.h"
#include "map/qt/maker_page.h"
#include "map/recording_surface.h"
#include "map/replay.h"
#include "session/list_picks.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"
#include "session/version_info.h"

#include <QImage>
#include <QMainWindow>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPrinter;
class QUrl;

namespace tavik {

class QtSurface;

// The map's drawing area. Shows the whole 12000 x 9000 space as large as the
// widget allows, centred, keeping its 4:3 aspect. The picture is a cached
// image at the widget's size in device pixels, painted by replaying the kept
// operations: only the new ones after a command, all of them after a resize.
class MapCanvas : public QWidget {
  public:
    MapCanvas(const std::vector<DrawOp> &ops, const SurfaceState &base,
              QWidget *parent);
    ~MapCanvas() override;

    // The operations lost their first `count` entries (DropBeforeLastCls).
    void OpsDropped(std::size_t count);
    // Where the map space lies in the widget, in widget coordinates.
    QRectF MapRect() const;
    // A rectangle of map units in widget coordinates.
    QRectF ToWidget(float x, float y, float width, float height) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void Catchup(QSize pixelSize, qreal dpr);

    const std::vector<DrawOp> &ops_;
    const SurfaceState &base_;
    QImage image_;
    std::unique_ptr<QtSurface> surface_;
    std::size_t replayed_ = 0;
};

// What the window asks of the desktop, replaceable so that tests neither
// wait nor start a browser.
struct MapWindowHooks {
    // Lets events run once, then waits (WaitSeconds).
    std::function<void(float seconds, const std::function<void()> &pump)> wait;
    // Opens an address (the maker's page) with the desktop's handler; the
    // result is ignored.
    std::function<void(const QUrl &)> openUrl;
};

class MapWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr const char *kMakerAddress = kMakerWebAddress;
    static constexpr const char *kSavedNotice =
        "Session data has been saved; feedback would be nice.";
    static constexpr float kSavedNoticeSeconds = 3;

    // Draws the six map layers around the session's home at once. Data files
    // and the session file are those of the working directory; `lists` are
    // the reference lists loaded at start, shown by the home and distance
    // dialogs. `messages`
    // receives the layers' failures (a message box when null); unset hooks
    // take the desktop's behaviour.
    MapWindow(SessionSettings &settings, const ReferenceLists &lists,
              MessageSink *messages = nullptr,
              MapWindowHooks hooks = {}, QWidget *parent = nullptr);
    ~MapWindow() override;

    // The kept picture: every operation since the last Cls (the load's
    // drawing, which has none, until the first command clears).
    const std::vector<DrawOp> &Drawing() const { return drawing_.ops; }
    const ViewMenuState &ViewMenu() const { return viewMenu_; }
    // The printer "Print" uses, kept with its settings from one printout to
    // the next; made when first asked for.
    QPrinter &Printer();

  private:
    QAction *AddBarItem(const char *name, const char *caption,
                        void (MapWindow::*command)());
    void BuildMenu();
    void FitToScreen();
    void ApplyViewMenu();
    // After a command drew: forget what the last Cls covered and show it.
    void KeepDrawing();
    void ShowPlaceholder(const QString &task);
    void PlaceLabel1();

    void OnAbout();
    void OnExitQuit();
    void OnOptions();
    void OnDistance();
    void OnRings();
    void OnLicensed();
    void OnDayNight();
    void OnShowStations();
    void OnHome();
    void OnStationData();
    void OnGrid();
    void OnChannel();
    void OnZoomIn();
    void OnZoomOut();
    void OnLarger();
    void OnSmaller();
    void OnPrint();
    void OnExit();
    void OnMakerSite();

    SessionSettings &settings_;
    const ReferenceLists &lists_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink &messages_;
    MapWindowHooks hooks_;
    RecordingSurface drawing_;
    SurfaceState base_; // lasting state the dropped operations left behind
    OutlinePen pen_;
    MapContext map_;
    ViewMenuState viewMenu_;
    HomeCandidate homeCandidate_; // the home dialog's last clicked line

    std::unique_ptr<QPrinter> printer_;

    MapCanvas *canvas_ = nullptr;
    QLabel *label1_ = nullptr;
    QAction *zoomIn_ = nullptr;
    QAction *zoomOut_ = nullptr;
    QAction *larger_ = nullptr;
    QAction *smaller_ = nullptr;
};

} // namespace tavik
