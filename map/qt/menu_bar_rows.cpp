#include "map/qt/menu_bar_rows.h"

#include <QActionEvent>
#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QToolTip>

#include <algorithm>

namespace tavik {

namespace {

// An item's tool tip, when it says more than the caption (Qt gives the
// caption as the tip of an item that has none).
QString ExtraTip(const QAction *action) {
    const QString tip = action->toolTip();
    QString caption = action->text();
    caption.remove(QLatin1Char('&'));
    return tip == caption ? QString() : tip;
}

bool ShowItemTip(QMenuBar *bar, QEvent *event) {
    auto *help = static_cast<QHelpEvent *>(event);
    QAction *action = bar->actionAt(help->pos());
    const QString tip = action ? ExtraTip(action) : QString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, bar,
                           bar->actionGeometry(action));
    return true;
}

} // namespace

MenuBarRows::MenuBarRows(QWidget *parent) : QMenuBar(parent) {
    setNativeMenuBar(false);
    setObjectName(QStringLiteral("menuBarRows"));
}

QList<QAction *> MenuBarRows::Items() const {
    QList<QAction *> items = actions();
    for (const QMenuBar *row : more_)
        items += row->actions();
    return items;
}

std::vector<QMenuBar *> MenuBarRows::Rows() const {
    std::vector<QMenuBar *> rows{const_cast<MenuBarRows *>(this)};
    rows.insert(rows.end(), more_.begin(), more_.begin() + (rowsInUse_ - 1));
    return rows;
}

int MenuBarRows::ItemWidth(const QAction *action) const {
    // As the bar sizes its own items: the caption's advance without the
    // mnemonic marks, grown by the style's item margins.
    if (!action->isVisible() || action->isSeparator())
        return 0;
    const QSize text =
        fontMetrics().size(Qt::TextShowMnemonic, action->text());
    QStyleOptionMenuItem option;
    initStyleOption(&option, action);
    return style()
        ->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, this)
        .width();
}

std::vector<int> MenuBarRows::RowCounts(const QList<QAction *> &items,
                                        int width) const {
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth,
                                           nullptr, this);
    const int margin =
        style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    const int spacing =
        style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    // Room for items in a row: the frame and a margin on each side, one
    // spacing before each item.
    const int room = width - 2 * frame - 2 * margin;
    std::vector<int> counts{0};
    int used = 0;
    for (const QAction *action : items) {
        const int w = ItemWidth(action);
        const int need = w == 0 ? 0 : w + spacing;
        // A row holds at least one shown item, however narrow the window.
        if (used + need > room && used > 0) {
            counts.push_back(0);
            used = 0;
        }
        used += need;
        ++counts.back();
    }
    return counts;
}

int MenuBarRows::RowHeight() const { return QMenuBar::heightForWidth(width()); }

int MenuBarRows::heightForWidth(int width) const {
    return RowHeight() * static_cast<int>(RowCounts(Items(), width).size());
}

QSize MenuBarRows::minimumSizeHint() const {
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth,
                                           nullptr, this);
    const int margin =
        style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    const int spacing =
        style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    int widest = 0;
    for (const QAction *action : Items())
        widest = std::max(widest, ItemWidth(action));
    return QSize(widest + spacing + 2 * frame + 2 * margin, RowHeight());
}

void MenuBarRows::Wrap() {
    if (wrapping_)
        return;
    wrapping_ = true;
    const QList<QAction *> items = Items();
    const std::vector<int> counts = RowCounts(items, width());
    while (more_.size() + 1 < counts.size()) {
        auto *row = new QMenuBar(this);
        row->setNativeMenuBar(false);
        row->setObjectName(
            QStringLiteral("menuBarRow%1").arg(more_.size() + 2));
        row->installEventFilter(this);
        more_.push_back(row);
    }
    // Rebuild the rows only when an item changes row.
    std::vector<QMenuBar *> rows{this};
    rows.insert(rows.end(), more_.begin(), more_.end());
    bool same = true;
    for (std::size_t r = 0, first = 0; r < rows.size(); ++r) {
        const int count = r < counts.size() ? counts[r] : 0;
        // Compared element by element: QList's == hands memcmp a null
        // pointer for an empty list.
        const QList<QAction *> shown = rows[r]->actions();
        const QList<QAction *> wanted = items.mid(first, count);
        same = same && shown.size() == wanted.size() &&
               std::equal(shown.begin(), shown.end(), wanted.begin());
        first += count;
    }
    if (!same) {
        for (QMenuBar *row : rows)
            for (QAction *action : row->actions())
                row->removeAction(action);
        for (std::size_t r = 0, first = 0; r < counts.size(); ++r) {
            rows[r]->addActions(items.mid(first, counts[r]));
            first += counts[r];
        }
    }
    const int height = RowHeight();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        rows[r]->setGeometry(0, static_cast<int>(r) * height, width(), height);
        rows[r]->setVisible(r < counts.size());
    }
    const int inUse = static_cast<int>(counts.size());
    wrapping_ = false;
    if (inUse != rowsInUse_) {
        rowsInUse_ = inUse;
        updateGeometry(); // the window gives the bar its new height
    }
}

void MenuBarRows::resizeEvent(QResizeEvent *event) {
    QMenuBar::resizeEvent(event);
    Wrap();
}

void MenuBarRows::actionEvent(QActionEvent *event) {
    QMenuBar::actionEvent(event);
    // A caption or visibility change can move items to another row.
    if (!wrapping_ && isVisible())
        Wrap();
}

bool MenuBarRows::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip)
        return ShowItemTip(this, event);
    return QMenuBar::event(event);
}

bool MenuBarRows::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ToolTip)
        if (auto *row = qobject_cast<QMenuBar *>(watched))
            return ShowItemTip(row, event);
    return QMenuBar::eventFilter(watched, event);
}

} // namespace tavik
