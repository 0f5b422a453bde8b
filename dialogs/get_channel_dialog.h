#pragma once
// frmGetChannel, "Tavik - Get channel": sets the channel of the session.
// "Erase and plot" also clears the map's drawing, so that the map window's
// Channel command, which draws the layers over the present picture once the
// dialog has closed, shows the new channel alone; the three other buttons
// leave the picture, so the new channel's stations are added to it.

#include "core/messages.h"
#include "map/drawing_surface.h"
#include "session/session_settings.h"

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tavik {

class GetChannelDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char *kOverMessage = "Entry over 1700 reset to 1700";
    static constexpr const char *kUnderMessage = "Entry under 530 reset to 530";

    // `mapSurface` is the map window's drawing, cleared by "Erase and plot";
    // the clamp messages go to `messages`.
    GetChannelDialog(SessionSettings &settings, DrawingSurface &mapSurface,
                     MessageSink &messages, QWidget *parent);

    // The text box's text at load for a stored channel: "530" at or beyond
    // 520 and 1710, otherwise the number with its sign blank (" 1190").
    static QString TextAtLoad(float channelKHz);

  private:
    // Reads the typed channel; "Erase and plot" takes 53..170 as tens of
    // kHz ("119" is 1190). Clamps to 530..1700 with a message.
    void TakeTyped(bool widen, bool erase);
    // One channel step from the channel current at opening, silently held
    // to the band's end in its direction.
    void Step(float kHz);

    SessionSettings &settings_;
    DrawingSurface &mapSurface_;
    MessageSink &messages_;
    QLineEdit *text_ = nullptr;
};

} // namespace tavik
