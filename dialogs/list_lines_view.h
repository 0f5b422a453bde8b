#pragma once
// A fixed-pitch (Courier) list of whole reference-list lines, as the home and
// distance dialogs show them. It holds thousands of lines without delay
// (one model row per line, rows of one height), and typing letters finds a
// line by the first letters of its key: the call sign of a call-sign line,
// the city name of a city line.

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

#include "session/reference_lists.h"

#include <string>
#include <vector>

class QGridLayout;
class QLayout;
class QLineEdit;
class QPushButton;

namespace tavik {

class ListLinesModel : public QAbstractListModel {
  public:
    // `keyColumn` (from 1) is where a line's search key begins.
    ListLinesModel(const std::vector<std::string> &lines, int keyColumn,
                   QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Type-ahead asks for the display text that starts with the typed
    // letters; it is answered from the keys, without regard to case.
    QModelIndexList match(const QModelIndex &start, int role,
                          const QVariant &value, int hits,
                          Qt::MatchFlags flags) const override;

  private:
    QStringList lines_;
    QStringList keys_;
};

class ListLinesView : public QListView {
    Q_OBJECT
  public:
    ListLinesView(const std::vector<std::string> &lines, int keyColumn,
                  QWidget *parent);

    // Makes entry `row` (from 0) the current, highlighted line and scrolls
    // it into sight, now or when the list is shown, without taking it.
    void ShowLine(int row);
    // Forgets the selection without taking anything.
    void Unselect();

  signals:
    // The user took entry `row` (from 0): a click, or the arrow keys or
    // type-ahead moving the selection onto it.
    void LineTaken(int row);

  private:
    bool quiet_ = false;
};

// Lays out the three lists in rows 0 to 3 of `grid`: "Select a city:"
// (Label1, the city list named `cityListName`) down the left, "Select a "K"
// call:" (Label2, lstCallsK) and "Select a "W" call:" (Label3, lstCallsW)
// above each other on the right. `views` receives them in that order.
void AddReferenceLists(QGridLayout *grid, const ReferenceLists &lists,
                       const char *cityListName, ListLinesView *views[3]);

// A button named `name` added to `row`; it is never the default button, so
// Enter in a text box presses nothing.
QPushButton *AddButton(QWidget *parent, QLayout *row, const char *name,
                       const char *caption);
// A label and its text box added to `row`.
QLineEdit *AddBox(QWidget *parent, QLayout *row, const char *labelName,
                  const char *caption, const char *boxName);

} // namespace tavik
