// The program, ended as soon as its first window has been painted: what
// bench_startup times as a whole process. With --bare, the floor instead: a
// bare application showing one empty window of the start-up window's size.

#include "app/program.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

// Quits once the first paint event has been handled.
class QuitAfterFirstPaint : public QObject {
  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char **argv) {
    QuitAfterFirstPaint quit;
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        QApplication app(argc, argv);
        app.installEventFilter(&quit);
        QWidget window;
        window.resize(800, 600);
        window.show();
        return app.exec();
    }
    return tavik::RunProgram(argc, argv, [&quit](QApplication &app) {
        app.installEventFilter(&quit);
    });
}
