// A redraw shows the busy cursor while it works, a message box in the
// middle of it the ordinary pointer, and nothing stays behind.

#include "dialogs/message_box.h"
#include "map/qt/map_window.h"
#include "modal.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace tavik {
namespace {

// Notes the override cursor when a message arrives.
struct CursorAtMessage : MessageSink {
    void ShowMessage(const std::string &) override {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        shapes.push_back(cursor ? cursor->shape() : Qt::BlankCursor);
    }
    std::vector<Qt::CursorShape> shapes;
};

Qt::CursorShape OverrideShape() {
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BlankCursor; // blank: none
}

TEST(BusyCursorTest, RedrawShowsItAndAMessageBoxInItShowsThePointer) {
    // An empty folder: the redraw reports each missing file as it goes.
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SessionSettings settings;
    settings.channelKHz = 1490;
    settings.scaleFactor = 1000;
    ReferenceLists lists;
    CursorAtMessage messages;
    {
        MapWindow window(settings, lists, &messages);
        window.findChild<QAction *>("mnuZoomIn")->trigger();
    }
    QDir::setCurrent(previous);
    ASSERT_FALSE(messages.shapes.empty());
    for (Qt::CursorShape shape : messages.shapes)
        EXPECT_EQ(shape, Qt::WaitCursor);
    EXPECT_EQ(OverrideShape(), Qt::BlankCursor);

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape inBox = Qt::BlankCursor;
    OnNextModal([&](QWidget *box) {
        inBox = OverrideShape();
        ClickButton(box, "OK");
    });
    MessageBoxSink(nullptr).ShowMessage("We had a problem plotting 1490.DAT");
    EXPECT_EQ(inBox, Qt::ArrowCursor);
    EXPECT_EQ(OverrideShape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace
} // namespace tavik
