#include "map/qt/maker_page.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace tavik {

QUrl MakerPageUrl() {
    const QFileInfo page(QDir(QCoreApplication::applicationDirPath()),
                         QString::fromLatin1(kMakerPageName));
    if (page.isFile())
        return QUrl::fromLocalFile(page.absoluteFilePath());
    return QUrl(QString::fromLatin1(kMakerWebAddress));
}

void OpenMakerPage() { QDesktopServices::openUrl(MakerPageUrl()); }

} // namespace tavik
