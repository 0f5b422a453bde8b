#pragma once
// frmOpening, "Tavik": the window the program starts in. Its load draws the
// blue gradient, sets the program-wide texts, loads the reference lists,
// lays out its labels and buttons, reads the session file and draws the
// session channel's patterns; the logo slides in on a timer. "Enter" hands
// over to the map window, "Exit" ends the program without saving.

#include "map/kept_picture.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"
#include "map/startup_plot.h"
#include "session/startup.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QTimer;
class QUrl;

namespace tavik {

class PictureCanvas;

struct StartupWindowHooks {
    // "Enter": opens the map window on the session just read. The start-up
    // window closes itself afterwards.
    std::function<void()> enter;
    // A click on the maker's label; the desktop's handler when unset.
    std::function<void(const QUrl &)> openUrl;
};

class StartupWindow : public QWidget {
    Q_OBJECT
  public:
    // Loads at once: `lists` from `programDir`, `settings` from the session
    // file of the working directory, whose channel file the plot reads.
    StartupWindow(SessionSettings &settings, ReferenceLists &lists,
                  const std::string &programDir, StartupWindowHooks hooks,
                  QWidget *parent = nullptr);
    ~StartupWindow() override;

    const KeptPicture &Picture() const { return picture_; }
    const LogoSlide &Logo() const { return logo_; }
    const VersionInfo &Version() const { return version_; }
    // One tick of Timer1: moves the logo, stops the timer once it rests.
    void TickLogo();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Load(ReferenceLists &lists, const std::string &programDir);
    void LayOutControls();
    void ScaleFonts();
    void PlaceLogo();

    SessionSettings &settings_;
    StartupWindowHooks hooks_;
    VersionInfo version_;
    KeptPicture picture_;
    LogoSlide logo_;
    PictureCanvas *canvas_ = nullptr;
    QLabel *logoLabel_ = nullptr;
    QTimer *timer_ = nullptr;
};

} // namespace tavik
