#pragma once
// The map window's menu bar. When the window is too narrow for all its items
// in one row, they continue on further rows below the first instead of
// hiding behind an overflow button, so every item stays in sight at any
// width. The bar itself shows the first row; each further row is a child bar
// laid below it. Items are added to the bar before the window first shows.
// An item whose tool tip differs from its caption shows that tip on hover.

#include <QList>
#include <QMenuBar>

#include <vector>

namespace tavik {

class MenuBarRows : public QMenuBar {
    Q_OBJECT
  public:
    explicit MenuBarRows(QWidget *parent = nullptr);

    // Every item of every row, in order.
    QList<QAction *> Items() const;
    // The rows in use at the present width: the bar, then its child rows.
    std::vector<QMenuBar *> Rows() const;

    int heightForWidth(int width) const override;
    // The width of the widest single item: the narrowest the bar can be
    // with every item in sight.
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void actionEvent(QActionEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // How many of `items` each row holds at `width`, filling rows in order.
    std::vector<int> RowCounts(const QList<QAction *> &items, int width) const;
    int ItemWidth(const QAction *action) const;
    int RowHeight() const;
    // Puts the items into rows for the present width.
    void Wrap();

    std::vector<QMenuBar *> more_; // rows after the first, made as needed
    int rowsInUse_ = 1;
    bool wrapping_ = false;
};

} // namespace tavik
