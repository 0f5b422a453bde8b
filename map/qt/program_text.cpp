#include "map/qt/program_text.h"

#include <QStringDecoder>

namespace tavik {

QString ProgramText(std::string_view text) {
    const QByteArrayView bytes(text.data(),
                               static_cast<qsizetype>(text.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        decoded = QString::fromLatin1(bytes);
    return decoded;
}

} // namespace tavik
