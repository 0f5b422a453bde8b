// The start-up window: its load, logo, buttons, and the walk from it to a
// channel plotted on the map.

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

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tavik {
namespace {

void WriteLines(const QString &path, const std::vector<std::string> &lines) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string &line : lines)
        out << line << "\r\n";
}

// The program's folder holds the lists, the working folder the session
// (channel 1340 at Dallas) and the data.
class StartupWindowTest : public ::testing::Test {
  protected:
    StartupWindowTest() : previousDir_(QDir::currentPath()) {
        QApplication::setQuitOnLastWindowClosed(false);
        QDir::setCurrent(work_.path());
        WriteLines(program_.filePath("Tavik.lst"), {"one", "", "two", "   "});
        WriteLines("Tavik.cfg",
                   {"* Tavik last-session file", "", "Channel displayed: 1340",
                    "Home: Dallas TX", "Home latitude: 32.78",
                    "Home longitude: 96.82", "Relative size of pattern: .2",
                    "Scale factor: 1000"});
        WriteLines("1340.DAT",
                   {"KRLD,USA,TX,DALLAS,L,U,32.78,96.82,1,0,1", "0,1,0,0,0,0",
                    "DKAB,USA,TX,TYLER,L,N,32.35,95.30,1,0,1", "0,1,0,0,0,0"});
        WriteLines("STATES.dat", {"-100 -100", "-2000"});
        WriteLines("REGION2.dat", {"-100 -100", "-2000"});
    }
    ~StartupWindowTest() override { QDir::setCurrent(previousDir_); }

    void Open() {
        StartupWindowHooks hooks;
        hooks.enter = [this] {
            map_ = std::make_unique<MapWindow>(settings_, lists_, &messages_);
            map_->show();
        };
        hooks.openUrl = [this](const QUrl &url) { opened_.push_back(url); };
        window_ = std::make_unique<StartupWindow>(
            settings_, lists_, program_.path().toStdString(), hooks);
        window_->show();
    }
    template <typename T = QWidget> T *Find(const char *name) {
        return window_->findChild<T *>(QString::fromLatin1(name));
    }
    // Operations by kind in the kept picture: gradient lines, then outlines.
    std::size_t Count(OpKind kind, Color colour) const {
        std::size_t n = 0;
        for (const DrawOp &op : window_->Picture().Ops())
            n += op.kind == kind && op.colour == colour;
        return n;
    }

    QTemporaryDir work_, program_;
    QString previousDir_;
    SessionSettings settings_;
    ReferenceLists lists_;
    RecordedMessages messages_;
    std::vector<QUrl> opened_;
    std::unique_ptr<StartupWindow> window_;
    std::unique_ptr<MapWindow> map_;
};

TEST_F(StartupWindowTest, LoadsListsSessionAndDrawsGradientThenPatterns) {
    settings_.dayNightMode = 2;
    Open();
    EXPECT_EQ(window_->windowTitle(), "Tavik");
    EXPECT_EQ(lists_.cities, (std::vector<std::string>{"one", "two", "   "}));
    EXPECT_FLOAT_EQ(settings_.channelKHz, 1340);
    EXPECT_EQ(settings_.dayNightMode, 0);

    const std::vector<DrawOp> &ops = window_->Picture().Ops();
    ASSERT_EQ(ops.size(), 9000u + 2 * 361u); // DKAB (deleted) is drawn too
    EXPECT_EQ(TraceLine(ops[0]), "Line 0 1 12000 1 0x010101");
    EXPECT_EQ(TraceLine(ops[8999]), "Line 0 9000 12000 9000 0xFF0101");
    EXPECT_EQ(Count(OpKind::LineTo, 0x666611), 2 * 360u);

    const std::pair<const char *, QString> texts[] = {
        {"lblNorthAmerica", "For the northern part of Region 2"},
        {"lblVersion", "Version 2.09"},
        {"lblCredit2", "Written by Oskel Software"},
        {"lblCopyright", "(c) 2026 Oskel Software"},
        {"lblVisit",
         "Visit Oskel Software at https://oskel-software.example/"}};
    for (const auto &[name, text] : texts) {
        auto *label = Find<QLabel>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  QColor(128, 255, 255));
    }
    EXPECT_EQ(Find<QPushButton>("cmdEnter")->text(), "Enter");
    EXPECT_EQ(Find<QPushButton>("cmdExit")->text(), "Exit");
    QTest::mouseClick(Find("lblVisit"), Qt::LeftButton);
    EXPECT_EQ(opened_, std::vector<QUrl>({MakerPageUrl()}));
}

TEST_F(StartupWindowTest, LogoSlidesInAndTheLayoutScalesWithTheWindow) {
    Open();
    auto *timer = Find<QTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1);
    EXPECT_EQ(window_->Logo().left, -5000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 5000));
    EXPECT_EQ(window_->Logo().left, 2200);
    EXPECT_EQ(window_->Logo().top, 1000);

    // The logo and the labels keep their place and proportion at any size.
    auto *canvas = window_->findChild<PictureCanvas *>();
    for (const QSize size : {QSize(600, 450), QSize(1200, 900)}) {
        SCOPED_TRACE(size.width());
        window_->resize(size);
        QApplication::processEvents();
        const double s = canvas->PictureRect().width() / 12000;
        const QRect logo = Find("Image1")->geometry();
        EXPECT_NEAR(logo.left(), canvas->PictureRect().left() + 2200 * s, 1);
        EXPECT_NEAR(logo.width(), 5655 * s, 1);
        // 12 points of a 12000-twip screen, 20 units each.
        EXPECT_NEAR(Find("cmdEnter")->font().pixelSize(), 240 * s, 0.51);
    }
}

TEST_F(StartupWindowTest, MissingFilesOr1610LeaveTheWindowWithItsButtons) {
    const std::pair<const char *, std::size_t> rows[] = {{"1340.DAT", 9000},
                                                         {nullptr, 9000}};
    QFile::remove(program_.filePath("Tavik.lst"));
    WriteLines("1610.DAT",
               {"KRLD,USA,TX,DALLAS,L,U,32.78,96.82,1,0,1", "0,1,0,0,0,0"});
    for (const auto &[removed, ops] : rows) {
        if (removed)
            QFile::remove(removed);
        else // the session channel 1610, whose file is there
            WriteLines("Tavik.cfg", {"Channel displayed: 1610"});
        Open();
        EXPECT_EQ(window_->Picture().Ops().size(), ops);
        EXPECT_EQ(lists_.CityCount(), 0);
        EXPECT_TRUE(Find("cmdEnter")->isVisible() &&
                    Find("cmdExit")->isVisible());
    }
}

TEST_F(StartupWindowTest, ExitEndsWithoutTheMapOrASessionFile) {
    QFile::remove("Tavik.cfg");
    Open();
    QTest::mouseClick(Find("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(map_, nullptr);
    EXPECT_FALSE(QFile::exists("Tavik.cfg"));
}

// The typical event: start, Enter, Channel, type 1340, "Erase and plot".
TEST_F(StartupWindowTest, EnterThenChannel1340EraseAndPlotShowsItsLegend) {
    WriteLines("Tavik.cfg", {"Channel displayed: 1080"});
    Open();
    QTest::mouseClick(Find("cmdEnter"), Qt::LeftButton);
    ASSERT_NE(map_, nullptr);
    EXPECT_TRUE(map_->isVisible());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FLOAT_EQ(settings_.channelKHz, 1080);

    OnNextModal([](QWidget *dialog) {
        auto *text = dialog->findChild<QLineEdit *>("txtGetChannel");
        text->selectAll();
        QTest::keyClicks(text, "1340");
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdErasePlot"),
                          Qt::LeftButton);
    });
    map_->findChild<QAction *>("mnuChannel")->trigger();
    EXPECT_FLOAT_EQ(settings_.channelKHz, 1340);
    std::vector<std::string> printed;
    for (const DrawOp &op : map_->Drawing())
        if (op.kind == OpKind::PrintText)
            printed.push_back(op.text);
    EXPECT_EQ(map_->Drawing().front().kind, OpKind::Cls);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), "Channel: 1340 kHz"),
              1);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), "Channel: 1080 kHz"),
              0);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), "KRLD"), 1);
}

} // namespace
} // namespace tavik
