#include "dialogs/list_lines_view.h"

#include "dialogs/message_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace tavik {

namespace {

// Lines wider than this many characters scroll sideways.
constexpr int kWidestShown = 80;

} // namespace

ListLinesModel::ListLinesModel(const std::vector<std::string> &lines,
                               int keyColumn, QObject *parent)
    : QAbstractListModel(parent) {
    lines_.reserve(static_cast<qsizetype>(lines.size()));
    keys_.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines) {
        lines_.append(ProgramText(line));
        keys_.append(lines_.back().mid(keyColumn - 1).trimmed());
    }
}

int ListLinesModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ListLinesModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_.size())
        return {};
    return lines_[index.row()];
}

QModelIndexList ListLinesModel::match(const QModelIndex &start, int role,
                                      const QVariant &value, int hits,
                                      Qt::MatchFlags flags) const {
    if (role != Qt::DisplayRole || !flags.testFlag(Qt::MatchStartsWith))
        return QAbstractListModel::match(start, role, value, hits, flags);
    const QString typed = value.toString();
    const int count = static_cast<int>(keys_.size());
    const int first = start.isValid() ? start.row() : 0;
    const int span = flags.testFlag(Qt::MatchWrap) ? count : count - first;
    QModelIndexList found;
    for (int i = 0; i < span && (hits < 0 || found.size() < hits); ++i) {
        const int row = (first + i) % count;
        if (keys_[row].startsWith(typed, Qt::CaseInsensitive))
            found.append(index(row));
    }
    return found;
}

ListLinesView::ListLinesView(const std::vector<std::string> &lines,
                             int keyColumn, QWidget *parent)
    : QListView(parent) {
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    setFont(courier);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(new ListLinesModel(lines, keyColumn, this));

    std::size_t widest = 0;
    for (const std::string &line : lines)
        widest = std::max(widest, line.size());
    const int chars = static_cast<int>(
        std::min<std::size_t>(std::max<std::size_t>(widest, 20), kWidestShown));
    setMinimumWidth(QFontMetrics(courier).horizontalAdvance(QLatin1Char('0')) *
                        (chars + 1) +
                    verticalScrollBar()->sizeHint().width() + 2 * frameWidth());

    connect(this, &QListView::clicked, this,
            [this](const QModelIndex &index) { emit LineTaken(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!quiet_ && !selected.indexes().isEmpty())
                    emit LineTaken(selected.indexes().first().row());
            });
}

void ListLinesView::ShowLine(int row) {
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid())
        return;
    // Highlighted without being taken; a list not shown yet scrolls to its
    // current line when it is shown.
    quiet_ = true;
    selectionModel()->setCurrentIndex(index,
                                      QItemSelectionModel::ClearAndSelect);
    quiet_ = false;
    if (isVisible())
        scrollTo(index);
}

void ListLinesView::Unselect() {
    quiet_ = true;
    clearSelection();
    quiet_ = false;
}

namespace {

ListLinesView *AddListLines(QGridLayout *grid, int row, int column,
                            int listRows, const char *labelName,
                            const char *caption, const char *listName,
                            const std::vector<std::string> &lines,
                            int keyColumn) {
    QWidget *parent = grid->parentWidget();
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(labelName));
    auto *list = new ListLinesView(lines, keyColumn, parent);
    list->setObjectName(QString::fromLatin1(listName));
    label->setBuddy(list);
    grid->addWidget(label, row, column);
    grid->addWidget(list, row + 1, column, listRows, 1);
    return list;
}

} // namespace

QPushButton *AddButton(QWidget *parent, QLayout *row, const char *name,
                       const char *caption) {
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

QLineEdit *AddBox(QWidget *parent, QLayout *row, const char *labelName,
                  const char *caption, const char *boxName) {
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(labelName));
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(boxName));
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

void AddReferenceLists(QGridLayout *grid, const ReferenceLists &lists,
                       const char *cityListName, ListLinesView *views[3]) {
    // The city name starts in column 12 of a city line, the call sign in
    // column 1 of a call-sign line.
    views[0] = AddListLines(grid, 0, 0, 3, "Label1", "Select a city:",
                            cityListName, lists.cities, 12);
    views[1] = AddListLines(grid, 0, 1, 1, "Label2", "Select a \"K\" call:",
                            "lstCallsK", lists.callsK, 1);
    views[2] = AddListLines(grid, 2, 1, 1, "Label3", "Select a \"W\" call:",
                            "lstCallsW", lists.callsW, 1);
}

} // namespace tavik
