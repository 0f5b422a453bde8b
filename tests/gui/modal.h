#pragma once
// Answers to the modal dialog a command shows, queued before exec() blocks.

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tavik {

// Runs `act` on the next modal dialog once exec() shows it; gives up after
// two seconds so that it cannot reach into a later test.
inline void OnNextModal(std::function<void(QWidget *)> act, int tries = 400) {
    QTimer::singleShot(5, [=] {
        if (QWidget *modal = QApplication::activeModalWidget())
            act(modal);
        else if (tries > 0)
            OnNextModal(act, tries - 1);
    });
}

// Clicks the button of `dialog` captioned `text` ("&" marks left out).
inline bool ClickButton(QWidget *dialog, const QString &text) {
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        if (button->isVisible() && button->text().remove('&') == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    return false;
}

} // namespace tavik
