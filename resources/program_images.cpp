#include "resources/program_images.h"

#include <QString>

// The resources live in a static library, whose registration the linker
// would drop unless something refers to it.
static void RegisterImages() { Q_INIT_RESOURCE(tavik); }

namespace tavik {

namespace {

QPixmap Load(const char *name) {
    static const bool registered = (RegisterImages(), true);
    (void)registered;
    return QPixmap(QStringLiteral(":/images/") + QString::fromLatin1(name));
}

} // namespace

QPixmap LogoImage() { return Load("logo.png"); }
QPixmap AboutImage() { return Load("about.jpg"); }
QPixmap IconImage() { return Load("icon.png"); }

} // namespace tavik
