// The start-up window's load, logo and buttons; its pictures' numbers are
// pinned by the start-up unit tests.

#include "map/qt/maker_page.h"
#include "map/qt/map_window.h"
#include "map/qt/picture_canvas.h"
#include "modal.h"
#include "session/qt/startup_window.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

#include <memory>

namespace tavik {
namespace {

// Lists in the program's folder; session (1340, Dallas) and data in the work.
class StartupWindowTest : public ::testing::Test {
  protected:
    StartupWindowTest() : previousDir_(QDir::currentPath()) {
        QApplication::setQuitOnLastWindowClosed(false);
        QDir::setCurrent(work_.path());
        WriteLines(program_.filePath("Tavik.lst").toStdString(),
                   {"one", "", "two"});
        WriteLines("Tavik.cfg",
                   {"1340", "Dallas TX", "32.78", "96.82", ".2", "1000"});
        WriteLines("1340.DAT",
                   {"KRLD,USA,TX,DALLAS,L,U,32.78,96.82,1,0,1", "0,1,0,0,0,0",
                    "DKAB,USA,TX,TYLER,L,N,32.35,95.30,1,0,1", "0,1,0,0,0,0"});
    }
    ~StartupWindowTest() override { QDir::setCurrent(previousDir_); }

    void Open() {
        StartupWindowHooks hooks;
        hooks.enter = [this] { ++entered_; };
        hooks.openUrl = [this](const QUrl &url) { opened_.push_back(url); };
        window_ = std::make_unique<StartupWindow>(
            settings_, lists_, program_.path().toStdString(), hooks);
        window_->show();
    }
    template <typename T = QWidget> T *Find(const char *name) {
        return window_->findChild<T *>(QString::fromLatin1(name));
    }

    QTemporaryDir work_, program_;
    QString previousDir_;
    SessionSettings settings_;
    ReferenceLists lists_;
    std::vector<QUrl> opened_;
    int entered_ = 0; // the map opened by Enter
    std::unique_ptr<StartupWindow> window_;
};

// The gradient's 9000 lines, then both outlines (DKAB, deleted, too); the
// logo and labels keep their place and proportion at any size.
TEST_F(StartupWindowTest, LoadsListsSessionAndDrawsGradientThenPatterns) {
    Open();
    EXPECT_EQ(lists_.cities, (std::vector<std::string>{"one", "two"}));
    EXPECT_FLOAT_EQ(settings_.channelKHz, 1340);
    const std::vector<DrawOp> &ops = window_->Picture().Ops();
    ASSERT_EQ(ops.size(), 9000u + 2 * 361u);
    EXPECT_EQ(ops[9000].colour, 0x666611u);
    auto *label = Find<QLabel>("lblCopyright");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText),
              QColor(128, 255, 255));
    QTest::mouseClick(Find("lblVisit"), Qt::LeftButton);
    EXPECT_EQ(opened_, std::vector<QUrl>({MakerPageUrl()}));

    auto *timer = Find<QTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 5000));
    EXPECT_EQ(window_->Logo().left, 2200);
    auto *canvas = window_->findChild<PictureCanvas *>();
    window_->resize(600, 450);
    QApplication::processEvents();
    const double s = canvas->PictureRect().width() / 12000;
    const QRect logo = Find("Image1")->geometry();
    EXPECT_NEAR(logo.left(), canvas->PictureRect().left() + 2200 * s, 1);
    EXPECT_NEAR(logo.width(), 5655 * s, 1);
    // 12 points of a 12000-twip screen, 20 units each.
    EXPECT_NEAR(Find("cmdEnter")->font().pixelSize(), 240 * s, 0.51);
    QTest::mouseClick(Find("cmdEnter"), Qt::LeftButton);
    EXPECT_EQ(entered_, 1);
    EXPECT_FALSE(window_->isVisible());
}

// Without lists, session or data the window still shows its buttons.
TEST_F(StartupWindowTest, MissingFilesLeaveTheButtonsAndExitEndsWithoutMap) {
    for (const QString &name : {program_.filePath("Tavik.lst"),
                                QString("Tavik.cfg"), QString("1340.DAT")})
        QFile::remove(name);
    Open();
    EXPECT_EQ(window_->Picture().Ops().size(), 9000u);
    EXPECT_EQ(lists_.CityCount(), 0);
    EXPECT_TRUE(Find("cmdEnter")->isVisible() && Find("cmdExit")->isVisible());
    QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(entered_, 0);
    EXPECT_FALSE(QFile::exists("Tavik.cfg"));
}

// The typical event, with the program's own map window: start, Enter,
// Channel, type 1340, "Erase and plot".
TEST_F(StartupWindowTest, EnterThenChannel1340EraseAndPlotShowsItsLegend) {
    WriteLines("Tavik.cfg", {"1080"});
    RecordedMessages messages;
    std::unique_ptr<MapWindow> map;
    StartupWindowHooks hooks;
    hooks.enter = [&] {
        map = std::make_unique<MapWindow>(settings_, lists_, &messages);
        map->show();
    };
    StartupWindow window(settings_, lists_, program_.path().toStdString(),
                         hooks);
    window.show();
    QTest::mouseClick(window.findChild<QWidget *>("cmdEnter"), Qt::LeftButton);
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isVisible() && !window.isVisible());

    OnNextModal([](QWidget *dialog) {
        auto *text = dialog->findChild<QLineEdit *>("txtGetChannel");
        text->selectAll();
        QTest::keyClicks(text, "1340");
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdErasePlot"),
                          Qt::LeftButton);
    });
    map->findChild<QAction *>("mnuChannel")->trigger();
    EXPECT_FLOAT_EQ(settings_.channelKHz, 1340);
    std::vector<std::string> printed;
    for (const DrawOp &op : map->Drawing())
        if (op.kind == OpKind::PrintText)
            printed.push_back(op.text);
    EXPECT_EQ(map->Drawing().front().kind, OpKind::Cls);
    // DKAB, deleted, is hidden on the map; the session held no home.
    EXPECT_EQ(printed, (std::vector<std::string>{
                           " 1340", "KRLD", "Unlimited", "Daytime", "Critical",
                           "Nighttime", "Channel: 1340 kHz",
                           "Home lat: 0  Home lon: 0"}));
}

} // namespace
} // namespace tavik
