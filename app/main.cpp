// tavik: the map window on the session of the working directory.

#include "map/qt/map_window.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavik"));
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);

    // Tavik.cfg of the working directory, or the fixed defaults.
    tavik::SessionSettings settings;
    tavik::ReadSessionFile(settings);
    tavik::HoldToMapRanges(settings);

    // The city and call-sign lists lie beside the program.
    tavik::ReferenceLists lists;
    tavik::LoadReferenceLists(
        QCoreApplication::applicationDirPath().toStdString(), lists);

    tavik::MapWindow window(settings, lists);
    window.show();
    return app.exec();
}
