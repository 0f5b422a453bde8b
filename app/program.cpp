#include "app/program.h"

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

namespace tavik {

int RunProgram(int argc, char **argv,
               const std::function<void(QApplication &)> &started) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavik"));
    app.setWindowIcon(QIcon(IconImage()));
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);

    // Program-wide for the whole run; the start-up window fills them.
    SessionSettings settings;
    ReferenceLists lists;
    std::unique_ptr<MapWindow> map;

    StartupWindowHooks hooks;
    hooks.enter = [&] {
        map = std::make_unique<MapWindow>(settings, lists);
        map->show();
    };
    StartupWindow startup(settings, lists,
                          QCoreApplication::applicationDirPath().toStdString(),
                          hooks);
    startup.show();
    if (started)
        started(app);
    return app.exec();
}

} // namespace tavik
