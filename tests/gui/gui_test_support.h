#pragma once
// Helpers for the tests that drive real windows: a working directory with a
// small data set, and answering modal dialogs from inside their event loop.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavik::test {

// Lines joined with CR LF, as the data files are written.
inline void WriteLines(const QString &path,
                       const std::vector<std::string> &lines) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string &line : lines)
        out << line << "\r\n";
}

// Makes a fresh temporary directory the working directory for the test's
// lifetime; the previous one comes back afterwards.
class TempWorkingDir {
  public:
    TempWorkingDir() : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
    }
    ~TempWorkingDir() { QDir::setCurrent(previous_); }
    QString Path(const QString &name) const { return dir_.filePath(name); }
    bool Exists(const QString &name) const { return QFile::exists(Path(name)); }

  private:
    QTemporaryDir dir_;
    QString previous_;
};

// Runs `act` on the next modal dialog as soon as it is shown (polling from
// the event loop that the dialog's exec() runs). Gives up after two seconds
// so that a dialog that never comes cannot reach into a later test.
inline void OnNextModal(std::function<void(QWidget *)> act) {
    auto *timer = new QTimer;
    timer->setInterval(5);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && ++*ticks < 400)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            act(modal);
    });
    timer->start();
}

} // namespace tavik::test
