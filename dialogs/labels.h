#pragma once
// Label helpers shared by the about box and the start-up window.

#include <QLabel>

#include <functional>

namespace tavik {

// A label that runs `onClick` when clicked (the maker's address labels);
// the pointing-hand cursor tells that it can be clicked.
class ClickableLabel : public QLabel {
  public:
    ClickableLabel(const QString &text, std::function<void()> onClick,
                   QWidget *parent);

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    std::function<void()> onClick_;
};

// Sets `label`'s font to `pixels` high, or smaller so that its one-line
// text fits the label's width: the program's fixed layouts were made for a
// narrower face than the one a desktop may offer.
void FitFontToWidth(QLabel &label, qreal pixels);

} // namespace tavik
