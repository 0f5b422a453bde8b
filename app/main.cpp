// tavik: starts in the start-up window, which loads the reference lists
// from beside the program and the session of the working directory; its
// "Enter" opens the map window on them.

#include "map/qt/map_window.h"
#include "resources/program_images.h"
#include "session/qt/startup_window.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>

#include <memory>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavik"));
    app.setWindowIcon(QIcon(tavik::IconImage()));
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);

    // Program-wide for the whole run; the start-up window fills them.
    tavik::SessionSettings settings;
    tavik::ReferenceLists lists;
    std::unique_ptr<tavik::MapWindow> map;

    tavik::StartupWindowHooks hooks;
    hooks.enter = [&] {
        map = std::make_unique<tavik::MapWindow>(settings, lists);
        map->show();
    };
    tavik::StartupWindow startup(
        settings, lists, QCoreApplication::applicationDirPath().toStdString(),
        hooks);
    startup.show();
    return app.exec();
}
