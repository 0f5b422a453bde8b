#include "map/qt/map_shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace tavik {

namespace {

struct MapShortcut {
    const char *item; // the menu item's object name
    const char *keys; // QKeySequence::listFromString form, "; " between
};

// Zoom on + and - as in browsers and viewers ("=" is + without Shift), the
// pattern size on the brackets as brush sizes in paint programs, Ctrl+P and
// Ctrl+Q as everywhere; one key each for the channel and home dialogs.
constexpr MapShortcut kShortcuts[] = {
    {"mnuFileExit", "Ctrl+Q"},
    {"mnuHome", "Home; H"},
    {"mnuChannel", "C"},
    {"mnuZoomIn", "+; =; Ctrl++; Ctrl+="},
    {"mnuZoomOut", "-; Ctrl+-"},
    {"mnuLarger", "]"},
    {"mnuSmaller", "["},
    {"mnuPrint", "Ctrl+P"},
};

} // namespace

void AddMapShortcuts(QWidget &window) {
    for (const MapShortcut &shortcut : kShortcuts) {
        auto *action =
            window.findChild<QAction *>(QString::fromLatin1(shortcut.item));
        if (!action)
            continue;
        const QList<QKeySequence> keys =
            QKeySequence::listFromString(QString::fromLatin1(shortcut.keys));
        action->setShortcuts(keys);
        QStringList names;
        for (const QKeySequence &key : keys)
            names << key.toString(QKeySequence::NativeText);
        QString caption = action->text().trimmed();
        caption.remove(QLatin1Char('&'));
        action->setToolTip(caption + QStringLiteral(" (") +
                           names.join(QStringLiteral(", ")) +
                           QLatin1Char(')'));
    }
    // Items of the File menu show their tips too.
    for (QMenu *menu : window.findChildren<QMenu *>())
        menu->setToolTipsVisible(true);
}

} // namespace tavik
