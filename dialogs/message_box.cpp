#include "dialogs/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>

namespace tavik {

QString ProgramText(std::string_view text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(
        QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(),
                               static_cast<qsizetype>(text.size()));
}

void MessageBoxSink::ShowMessage(const std::string &text) {
    QMessageBox box(QMessageBox::NoIcon, title_,
                    ProgramText(text), QMessageBox::Ok, parent_);
    box.exec();
}

void MessageBoxSink::Beep() { QApplication::beep(); }

} // namespace tavik
