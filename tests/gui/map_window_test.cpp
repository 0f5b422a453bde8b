// The map window driven through its menu.

#include "map/qt/map_window.h"
#include "map/qt/menu_bar_rows.h"
#include "map/qt/picture_canvas.h"
#include "modal.h"
#include "viewer/qt/outline_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>
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

// Triggers `item` and answers its modal dialog with `button`, Enter where
// the focus is ("Return") or, if null, by closing it; returns its title.
QString Answer(QAction *item, const char *button) {
    QString title;
    OnNextModal([&](QWidget *dialog) {
        title = dialog->windowTitle();
        if (!button)
            dialog->close();
        else if (std::string(button) == "Return")
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>(button),
                              Qt::LeftButton);
    });
    item->trigger();
    return title;
}

class MapWindowTest : public ::testing::Test {
  protected:
    MapWindowTest() : previousDir_(QDir::currentPath()) {
        QApplication::setQuitOnLastWindowClosed(false);
        QDir::setCurrent(dir_.path());
        WriteLines("STATES.dat", {"-100 -100", "33 263", "34 263", "-2000"});
        WriteLines("REGION2.dat", {"-100 -100", "29 265", "30 265", "-2000"});
        WriteLines("1080.DAT", {"KRLD,USA,TX,DALLAS,L,U,32.78,96.82,50,0,1",
                                "0,1,0,0,0,0"});
        settings_ = {1080, "Dallas TX", 32.78f, 96.82f, 0.2f, 1000, {}};
    }
    ~MapWindowTest() override { QDir::setCurrent(previousDir_); }

    void Open() {
        MapWindowHooks hooks;
        hooks.wait = [this](float seconds, const std::function<void()> &pump) {
            waits_.push_back(seconds);
            pump();
            auto *label1 = Find<QLabel>("Label1");
            label1Text_ = label1->isVisible() ? label1->text() : "";
        };
        hooks.openUrl = [this](const QUrl &url) { opened_.push_back(url); };
        window_ =
            std::make_unique<MapWindow>(settings_, lists_, &messages_, hooks);
        window_->show();
    }
    template <typename T = QAction> T *Find(const char *name) {
        return window_->findChild<T *>(QString::fromLatin1(name));
    }
    void Trigger(const char *item) { Find(item)->trigger(); }
    bool Enabled(const char *item) { return Find(item)->isEnabled(); }
    // The kept drawing as the renderer's trace, each line begun and ended by
    // '\n'; the number of its lines printing `text`.
    QString Trace() const {
        QString trace = "\n";
        for (const DrawOp &op : window_->Drawing())
            trace += QString::fromStdString(TraceLine(op)) + "\n";
        return trace;
    }
    int Printed(const QString &text) const {
        return Trace().count("\nPrintText " + text + "\n");
    }
    // A full redraw: the kept picture is one Cls and what followed it.
    bool Redrawn() const {
        return Trace().startsWith("\nCls\n") && Trace().count("\nCls\n") == 1;
    }

    QTemporaryDir dir_;
    QString previousDir_;
    SessionSettings settings_;
    RecordedMessages messages_;
    std::vector<float> waits_;
    std::vector<QUrl> opened_;
    QString label1Text_; // shown while the window waits
    ReferenceLists lists_;
    std::unique_ptr<MapWindow> window_;
};

// The items in order, Grid hidden, each with its keys in its tip, which
// shows on hover; a key of the bar and one of the File menu run their items.
TEST_F(MapWindowTest, MenuBarHoldsTheItemsInOrderWithTheirKeys) {
    Open();
    EXPECT_EQ(window_->windowTitle(), "Tavik - Plot");
    auto *bar = qobject_cast<MenuBarRows *>(window_->menuBar());
    ASSERT_NE(bar, nullptr);
    QStringList items;
    for (QAction *action : bar->Items() + Find<QMenu>("mnuFile")->actions()) {
        const QString tip = action->toolTip();
        items << action->objectName() + "=" +
                     (tip.startsWith(action->text()) ? tip : action->text()) +
                     (action->isVisible() ? "" : " (hidden)") +
                     (action->menu() ? " >" : "");
    }
    EXPECT_EQ(
        items.join(", "),
        "mnuFile=  File >, mnuOptions=Options, mnuGetDistance=Distance, "
        "mnuDistance=Rings, mnuLicense=Licensed, mnuDayNight=DayNight, "
        "mnuShowStations=All, mnuHome=Home (Home, H), "
        "mnuStationData=GetData, mnuGrid=Grid (hidden), "
        "mnuChannel=Channel (C), mnuZoomIn=ZoomIn (+, =, Ctrl++, Ctrl+=), "
        "mnuZoomOut=ZoomOut (-, Ctrl+-), mnuLarger=Larger (]), "
        "mnuSmaller=Smaller ([), mnuPrint=Print (Ctrl+P), mnuExit=Exit, "
        "mnuOskel=Oskel Software, mnuFileAbout=About, "
        "mnuFileSeparator1=, mnuFileExit=Exit/quit (Ctrl+Q)");

    QAction *zoomIn = Find("mnuZoomIn");
    for (QMenuBar *row : bar->Rows())
        if (row->actions().contains(zoomIn)) {
            const QPoint at = row->actionGeometry(zoomIn).center();
            QHelpEvent hover(QEvent::ToolTip, at, row->mapToGlobal(at));
            QApplication::sendEvent(row, &hover);
        }
    EXPECT_EQ(QToolTip::text(), zoomIn->toolTip());

    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_Plus);
    EXPECT_FLOAT_EQ(settings_.scaleFactor, 1414.2136f);
    // Exit/quit: the session saved, then its notice for 3 seconds.
    QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(waits_, std::vector<float>({3.0f}));
    EXPECT_EQ(label1Text_,
              "Session data has been saved; feedback would be nice.");
    EXPECT_TRUE(QFile::exists("Tavik.cfg") && !window_->isVisible() &&
                !Find<QLabel>("Label1")->isVisible());
}

// Every item but Grid stays in sight at any width, in one row or more,
// never behind an overflow button; the map starts below the last row.
TEST_F(MapWindowTest, MenuBarWrapsToShowEveryItemAtAnyWidth) {
    Open();
    auto *bar = qobject_cast<MenuBarRows *>(window_->menuBar());
    for (const int width : {3000, 1024, 800, 500, 200, 1}) {
        SCOPED_TRACE(width);
        window_->resize(width, 600);
        QTest::qWait(0);
        const std::vector<QMenuBar *> rows = bar->Rows();
        EXPECT_TRUE(width == 3000 ? rows.size() == 1
                                  : width > 500 || rows.size() > 1);
        int shown = 0;
        for (QMenuBar *row : rows) {
            EXPECT_TRUE(row->isVisible());
            for (QAction *action : row->actions())
                shown += action->isVisible();
            auto *more = row->findChild<QToolButton *>(
                "qt_menubar_ext_button", Qt::FindDirectChildrenOnly);
            EXPECT_TRUE(!more || !more->isVisible());
            EXPECT_LE(row->mapTo(window_.get(), QPoint(0, row->height())).y(),
                      Find<PictureCanvas>("mapCanvas")->geometry().top());
        }
        EXPECT_EQ(shown, 17);
    }
}

// One press of each view and display item runs its command (its steps,
// limits and layers are the map tests'). Each row: scale and pattern size;
// rings, day/night, licensed and grid; ZoomIn, ZoomOut, Larger and Smaller
// enabled. Every press leaves a picture of one Cls. A hundred Channel plots
// over it keep the picture bounded, the older steps folded away; the map
// painted step by step shows what the whole picture painted again shows.
TEST_F(MapWindowTest, ViewAndDisplayItemsRunTheirCommands) {
    std::vector<std::string> coast{"-100 -100"};
    for (int i = 0; i < 6000; ++i) // a wavy coast by Dallas
        coast.push_back(std::to_string(32.75 + (i % 7) * 0.01) + " " +
                        std::to_string(263.1 + i * 0.00003));
    WriteLines("REGION2.dat", coast);
    settings_.scaleFactor = 8000;
    settings_.patternSize = 0.025f;
    Open();
    auto *canvas = Find<PictureCanvas>("mapCanvas");
    const std::pair<const char *, QString> rows[] = {
        {"mnuZoomIn", "10000 0.025 0000 0111"},
        {"mnuSmaller", "10000 0.02 0000 0110"},
        {"mnuZoomOut", "7071.07 0.02 0000 1110"},
        {"mnuLarger", "7071.07 0.0282843 0000 1111"},
        {"mnuDistance", "7071.07 0.0282843 1000 1111"},
        {"mnuDayNight", "7071.07 0.0282843 1100 1111"},
        {"mnuLicense", "7071.07 0.0282843 1110 1111"},
        {"mnuGrid", "7071.07 0.0282843 1111 1111"}};
    for (const auto &[item, state] : rows) {
        SCOPED_TRACE(item);
        Trigger(item);
        const SessionSettings &s = settings_;
        QString now = QString::asprintf(
            "%g %g %d%d%d%d ", s.scaleFactor, s.patternSize, s.ringsOn,
            s.dayNightMode, s.licensedOnly, s.gridOn);
        for (const char *view :
             {"mnuZoomIn", "mnuZoomOut", "mnuLarger", "mnuSmaller"})
            now += Enabled(view) ? "1" : "0";
        EXPECT_EQ(now, state);
        EXPECT_TRUE(Redrawn());
        canvas->repaint();
    }
    for (int i = 0; i < 100; ++i) {
        Answer(Find("mnuChannel"), "cmdExit");
        canvas->repaint();
    }
    EXPECT_LE(window_->Drawing().size(), KeptPicture::kFoldLimit + 7000);
    const QImage stepwise = canvas->grab().toImage();
    canvas->resize(canvas->size() + QSize(40, 30));
    canvas->repaint();
    canvas->resize(canvas->size() - QSize(40, 30));
    EXPECT_EQ(canvas->grab().toImage(), stepwise);
}

// Home redraws the map; "Use map" there opens the outline viewer, whose
// click makes the point home and draws the map around it as on opening, the
// view items all enabled again.
TEST_F(MapWindowTest, HomeRedrawsTheMapAndUseMapTakesHomeFromTheViewer) {
    settings_.scaleFactor = 8000;
    Open();
    EXPECT_EQ(Answer(Find("mnuHome"), "cmdGetMap"), "Tavik - Get home");
    EXPECT_TRUE(Redrawn());
    auto *viewer = window_->findChild<OutlineViewer *>("frmPlotStates");
    ASSERT_TRUE(viewer && viewer->isVisible());
    Trigger("mnuZoomIn");
    ASSERT_FALSE(Enabled("mnuZoomIn"));
    viewer->resize(1200, 900);
    // Pixel (779, 421) is (7790, 4210) of the viewer: 36.451 N, 84.316 W.
    QTest::mouseClick(viewer->Canvas(), Qt::LeftButton, {}, QPoint(779, 421));
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 36.451f);
    EXPECT_FLOAT_EQ(settings_.homeLongitude, 84.316f);
    EXPECT_TRUE(Redrawn() && Enabled("mnuZoomIn"));
    EXPECT_EQ(Printed("Home lat: 36.451  Home lon: 84.316"), 1);
    EXPECT_FALSE(viewer->isVisible());
}

// Print shows the print dialog with the printer in landscape, set back to
// portrait afterwards. A cancel prints nothing and is reported in a "Printer
// Error" box; a print sends the page to the chosen file.
TEST_F(MapWindowTest, PrintGoesThroughThePrintDialog) {
    Open();
    const QString pdf = dir_.filePath("map.pdf");
    QPrinter &printer = window_->Printer();
    printer.setOutputFileName(pdf);
    for (const bool print : {false, true}) {
        QString box;
        OnNextModal([&](QWidget *dialog) {
            EXPECT_EQ(printer.pageLayout().orientation(),
                      QPageLayout::Landscape);
            if (!print)
                OnNextModal([&](QWidget *message) {
                    box =
                        message->windowTitle() + ": " +
                        message->findChild<QLabel *>("qt_msgbox_label")->text();
                    ClickButton(message, "OK");
                });
            ClickButton(dialog, print ? "Print" : "Cancel");
        });
        Trigger("mnuPrint");
        EXPECT_EQ(box, print ? "" : "Printer Error: Printing was cancelled.");
        EXPECT_EQ(QFileInfo(pdf).size() > 0, print);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    }
}

// About, Options and Distance leave the picture as it is; Channel's "Add
// plot" draws a second plot over it.
TEST_F(MapWindowTest, DialogCommandsKeepOrAddToThePicture) {
    Open();
    const std::tuple<const char *, const char *, int> rows[] = {
        {"mnuFileAbout", "Tavik - About", 0},
        {"mnuOptions", "Tavik - Get options", 0},
        {"mnuGetDistance", "Tavik - Get distance", 0},
        {"mnuChannel", "Tavik - Get channel", 2}};
    for (const auto &[item, title, legends] : rows) {
        SCOPED_TRACE(item);
        const QString before = Trace();
        EXPECT_EQ(Answer(Find(item), "cmdExit"), title);
        if (legends == 0)
            EXPECT_EQ(Trace(), before);
        else
            EXPECT_EQ(Printed("Channel: 1080 kHz"), legends);
    }
}

// Each answer: the go flag, scale and pattern size it leaves; with the flag
// set every channel's stations are drawn (one channel number each). Enter
// presses the default button, which opens with the focus: "Leave mapsize
// intact"; closed by its frame, the dialog leaves the flag as it was.
TEST_F(MapWindowTest, AllStationsAnswerDecidesTheOverview) {
    for (int c = 530; c <= 1700; c += 10)
        if (c != 1080)
            WriteLines(QString::number(c) + ".DAT", {});
    const std::tuple<const char *, int, QString> rows[] = {
        {"cmdAlterYes", 0, "1 10000 0.02"},
        {"Return", 0, "1 1000 0.2"},
        {"cmdPlotNo", 1, "0 1000 0.2"},
        {nullptr, 1, "1 1000 0.2"}};
    for (const auto &[button, go, after] : rows) {
        SCOPED_TRACE(button ? button : "frame");
        settings_.allStationsGo = go;
        Open();
        const QString before = Trace();
        EXPECT_EQ(Answer(Find("mnuShowStations"), button),
                  "Tavik - Show stations");
        EXPECT_EQ(QString::asprintf("%d %g %g", settings_.allStationsGo,
                                    settings_.scaleFactor,
                                    settings_.patternSize),
                  after);
        EXPECT_TRUE(settings_.allStationsGo ? Redrawn() && Printed(" 1080") == 1
                                            : Trace() == before);
        settings_.scaleFactor = 1000;
        settings_.patternSize = 0.2f;
    }
}

// The maker's page is the one the build puts beside the program; Exit saves
// the session at once; Exit/quit says when it could not save it.
TEST_F(MapWindowTest, ExitsSaveTheSession) {
    Open();
    Trigger("mnuOskel");
    EXPECT_EQ(opened_, std::vector<QUrl>({QUrl::fromLocalFile(
                           QCoreApplication::applicationDirPath() + "/" +
                           kMakerPageName)}));
    Trigger("mnuExit");
    EXPECT_TRUE(QFile::remove("Tavik.cfg") && waits_.empty() &&
                !window_->isVisible());

    QDir().mkdir("Tavik.cfg"); // cannot be written: its message, no notice
    Open();
    Trigger("mnuFileExit");
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>(
                  {"The Tavik last-session file was not written correctly."}));
    EXPECT_TRUE(waits_.empty() && label1Text_.isEmpty() &&
                !window_->isVisible());
}

} // namespace
} // namespace tavik

// GUI tests drive real widgets, so they need one application object.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
