#pragma once
// The stand-in for a tool dialog that is not built yet: a small modal box that
// names the function and says it comes in a later version.

#include <QDialog>

namespace tavik {

class PlaceholderDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char *kNotice =
        "This function comes in a later version.";

    // `task` is the menu caption ("Options"); the caption becomes
    // "Tavik - Options".
    PlaceholderDialog(const QString &task, QWidget *parent);
};

} // namespace tavik
