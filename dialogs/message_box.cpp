#include "dialogs/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tavik {

void MessageBoxSink::ShowMessage(const std::string &text) {
    QMessageBox box(QMessageBox::NoIcon, title_,
                    ProgramText(text), QMessageBox::Ok, parent_);
    // A box shown in the middle of a long redraw gets the ordinary pointer
    // while it waits for the user; the busy one comes back after it.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
}

void MessageBoxSink::Beep() { QApplication::beep(); }

} // namespace tavik
