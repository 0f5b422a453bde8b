#pragma once
// frmPlot, "Tavik - Plot": the program's main window. It shows the map,
// holds the view state (the session and the enabled state of the four view
// items) and runs the menu commands; all drawing is done by the map layers and
// commands into a KeptPicture, which a PictureCanvas shows.

#include "core/messages.h"
#include "map/map_commands.h"
#include "map/map_layers.h"
#include "map/kept_picture.h"
#include "map/qt/picture_canvas.h"
#include "map/qt/maker_page.h"
#include "session/list_picks.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"
#include "session/version_info.h"

#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPrinter;
class QUrl;

namespace tavik {

class OutlineViewer;

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
    // drawing, which has none, until the first command clears), less the
    // runs of Lines beyond the map that only move the current point.
    const std::vector<DrawOp> &Drawing() const { return picture_.Ops(); }
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
    // A command that draws on the map (and may change the view menu).
    using MapCommand = std::function<void(MapContext &, ViewMenuState &)>;
    // Runs `command` with the busy cursor, keeps what it drew and shows it.
    // The picture keeps the command as the way to draw that part again, run
    // on copies of the settings, view menu and outline pen it started from,
    // so that it can let the operations go (KeptPicture).
    void Draw(const MapCommand &command);
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
    // The outline viewer of "Use map", one at a time; a click there sets
    // home and redraws the map around it.
    void OpenViewer();
    void HomeTakenFromViewer();
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
    KeptPicture picture_; // declared before map_, which draws into it
    OutlinePen pen_;
    OutlineCache outlines_; // the outline files as last read
    PatternCache patterns_; // station patterns computed so far
    StationPlaces places_;  // stations' places from the present home
    MapContext map_;
    ViewMenuState viewMenu_;
    HomeCandidate homeCandidate_; // the home dialog's last clicked line

    std::unique_ptr<QPrinter> printer_;

    PictureCanvas *canvas_ = nullptr;
    QPointer<OutlineViewer> viewer_;
    QLabel *label1_ = nullptr;
    QAction *zoomIn_ = nullptr;
    QAction *zoomOut_ = nullptr;
    QAction *larger_ = nullptr;
    QAction *smaller_ = nullptr;
};

} // namespace tavik
