#include "dialogs/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tavik {

void MessageBoxSink::ShowMessage(const std::string &text) {
    QMessageBox box(QMessageBox::NoIcon, title_,
                    ProgramText(text), QMessageBox::Ok, parent_);
    box.exec();
}

void MessageBoxSink::Beep() { QApplication::beep(); }

} // namespace tavik
