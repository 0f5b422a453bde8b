// The map window driven through its menu.

#include "map/qt/map_window.h"
#include "map/qt/picture_canvas.h"
#include "viewer/qt/outline_viewer.h"
#include "map/qt/menu_bar_rows.h"
#include "modal.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tavik {
namespace {

const QString kLegend = "Channel: 1080 kHz", kSpokes = "Line .* 0x99DD99",
              kGrid = "LineTo .* 0x8888FF";

void WriteLines(const QString &path, const std::vector<std::string> &lines) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string &line : lines)
        out << line << "\r\n";
}

// Triggers `item` and answers the modal dialog it shows with `button` or, if
// null, by closing its frame; returns the dialog's title.
QString Answer(QAction *item, const char *button) {
    QString title;
    OnNextModal([&](QWidget *dialog) {
        title = dialog->windowTitle();
        if (button)
            QTest::mouseClick(dialog->findChild<QPushButton *>(button),
                              Qt::LeftButton);
        else
            dialog->close();
    });
    item->trigger();
    return title;
}

class MapWindowTest : public ::testing::Test {
  protected:
    MapWindowTest() : previousDir_(QDir::currentPath()) {
        QApplication::setQuitOnLastWindowClosed(false);
        QDir::setCurrent(dir_.path());
        WriteLines("STATES.dat",
                   {"-100 -100", "33 263", "34 263", "34 264", "-2000"});
        WriteLines("REGION2.dat", {"-100 -100", "29 265", "30 265", "-2000"});
        // Home is Dallas; KRLD stands on it, its cross on the map centre.
        WriteLines("1080.DAT",
                   {"KRLD,USA,TX,DALLAS,L,U,32.78,96.82,50,0,1", "0,1,0,0,0,0",
                    "KNITE,USA,TX,TYLER,L,N,32.35,95.30,5,0,1", "0,1,0,0,0,0",
                    "KDAY,USA,TX,WACO,L,D,31.55,97.15,1,0,1", "0,1,0,0,0,0",
                    "KCP,USA,OK,ADA,CP,U,34.77,96.68,1,0,1", "0,1,0,0,0,0"});
        settings_ = {1080, "Dallas TX", 32.78f, 96.82f, 0.2f, 1000};
    }
    ~MapWindowTest() override { QDir::setCurrent(previousDir_); }

    void Open() {
        MapWindowHooks hooks;
        hooks.wait = [this](float seconds, const std::function<void()> &pump) {
            waits_.push_back(seconds);
            pump();
            label1Shown_ = Find<QLabel>("Label1")->isVisible();
        };
        hooks.openUrl = [this](const QUrl &url) { opened_.push_back(url); };
        window_ = std::make_unique<MapWindow>(settings_, lists_, &messages_, hooks);
        window_->show();
    }
    template <typename T = QAction> T *Find(const char *name) {
        return window_->findChild<T *>(QString::fromLatin1(name));
    }
    void Trigger(const char *item) { Find(item)->trigger(); }
    bool Enabled(const char *item) { return Find(item)->isEnabled(); }
    // The kept drawing as the renderer's trace, each line begun and ended by
    // '\n'; the number of its lines matching `pattern` or printing `text`.
    QString Trace() const {
        QString trace = "\n";
        for (const DrawOp &op : window_->Drawing())
            trace += QString::fromStdString(TraceLine(op)) + "\n";
        return trace;
    }
    int Count(const QString &pattern) const {
        return Trace().count(QRegularExpression("\n" + pattern + "\n"));
    }
    int Printed(const QString &text) const {
        return Trace().count("\nPrintText " + text + "\n");
    }
    int LastPrinted(const QString &text) const {
        return Trace().lastIndexOf("\nPrintText " + text + "\n");
    }
    // A full redraw: the kept picture is one Cls and what followed it.
    bool Redrawn() const {
        return Trace().startsWith("\nCls\n") && Count("Cls") == 1;
    }

    QTemporaryDir dir_;
    QString previousDir_;
    SessionSettings settings_;
    RecordedMessages messages_;
    std::vector<float> waits_;
    std::vector<QUrl> opened_;
    bool label1Shown_ = false;
    ReferenceLists lists_;
    std::unique_ptr<MapWindow> window_;
};

TEST_F(MapWindowTest, MenuBarHoldsTheTableInOrderWithGridHidden) {
    Open();
    EXPECT_EQ(window_->windowTitle(), "Tavik - Plot");
    QStringList bar;
    auto *rows = qobject_cast<MenuBarRows *>(window_->menuBar());
    ASSERT_NE(rows, nullptr);
    for (QAction *action : rows->Items() + Find<QMenu>("mnuFile")->actions()) {
        bar << action->objectName() + "=" + action->text() +
                   (action->isVisible() ? "" : " (hidden)");
        EXPECT_EQ(action->menu() != nullptr, action->objectName() == "mnuFile");
    }
    EXPECT_EQ(bar.join(", "),
              "mnuFile=  File, mnuOptions=Options, mnuGetDistance=Distance, "
              "mnuDistance=Rings, mnuLicense=Licensed, mnuDayNight=DayNight, "
              "mnuShowStations=All, mnuHome=Home, mnuStationData=GetData, "
              "mnuGrid=Grid (hidden), mnuChannel=Channel, mnuZoomIn=ZoomIn, "
              "mnuZoomOut=ZoomOut, mnuLarger=Larger, mnuSmaller=Smaller, "
              "mnuPrint=Print, mnuExit=Exit, mnuOskel=Oskel Software, "
              "mnuFileAbout=About, mnuFileSeparator1=, mnuFileExit=Exit/quit");
}

// Every item but Grid in sight, in one row or more, never behind an
// overflow button; the map starts below the last row.
TEST_F(MapWindowTest, MenuBarWrapsToShowEveryItemAtAnyWidth) {
    Open();
    auto *bar = qobject_cast<MenuBarRows *>(window_->menuBar());
    for (const int width : {3000, 1024, 800, 500, 200, 1}) {
        SCOPED_TRACE(width);
        window_->resize(width, 600);
        QTest::qWait(0);
        const std::vector<QMenuBar *> rows = bar->Rows();
        EXPECT_TRUE(width == 3000 ? rows.size() == 1 : width > 500 || rows.size() > 1);
        int shown = 0;
        for (QMenuBar *row : rows) {
            EXPECT_TRUE(row->isVisible());
            for (QAction *action : row->actions()) {
                if (!action->isVisible())
                    continue;
                ++shown;
                EXPECT_TRUE(row->rect().contains(row->actionGeometry(action)))
                    << action->text().toStdString();
            }
            auto *more = row->findChild<QToolButton *>(
                "qt_menubar_ext_button", Qt::FindDirectChildrenOnly);
            EXPECT_TRUE(!more || !more->isVisible());
            EXPECT_LE(row->mapTo(window_.get(), QPoint(0, row->height())).y(),
                      Find<PictureCanvas>("mapCanvas")->geometry().top());
        }
        EXPECT_EQ(shown, 17);
    }
}

// Keys trigger the frequent items (their commands are tested through the
// items); each item's tip, shown on hover, names its keys.
TEST_F(MapWindowTest, KeysTriggerTheFrequentItems) {
    Open();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    const auto none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    const std::tuple<int, Qt::KeyboardModifiers, const char *> rows[] = {
        {Qt::Key_Plus, none, "mnuZoomIn"},
        {Qt::Key_Equal, none, "mnuZoomIn"},
        {Qt::Key_Plus, ctrl, "mnuZoomIn"},
        {Qt::Key_Plus, Qt::KeypadModifier, "mnuZoomIn"},
        {Qt::Key_Minus, none, "mnuZoomOut"},
        {Qt::Key_Minus, ctrl, "mnuZoomOut"},
        {Qt::Key_BracketRight, none, "mnuLarger"},
        {Qt::Key_BracketLeft, none, "mnuSmaller"},
        {Qt::Key_C, none, "mnuChannel"},
        {Qt::Key_Home, none, "mnuHome"},
        {Qt::Key_H, none, "mnuHome"},
        {Qt::Key_P, ctrl, "mnuPrint"},
        {Qt::Key_Q, ctrl, "mnuFileExit"}};
    for (const auto &[key, modifiers, item] : rows) {
        SCOPED_TRACE(item);
        QAction *action = Find(item);
        action->disconnect(window_.get()); // the item only, not its command
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(window_.get(), Qt::Key(key), modifiers);
        EXPECT_EQ(triggered.count(), 1);
    }
    QAction *zoomIn = Find("mnuZoomIn");
    EXPECT_EQ(zoomIn->toolTip(), "ZoomIn (+, =, Ctrl++, Ctrl+=)");
    EXPECT_EQ(Find("mnuFileExit")->toolTip(), "Exit/quit (Ctrl+Q)");
    for (QMenuBar *row : qobject_cast<MenuBarRows *>(window_->menuBar())->Rows())
        if (row->actions().contains(zoomIn)) {
            const QPoint at = row->actionGeometry(zoomIn).center();
            QHelpEvent hover(QEvent::ToolTip, at, row->mapToGlobal(at));
            QApplication::sendEvent(row, &hover);
        }
    EXPECT_EQ(QToolTip::text(), zoomIn->toolTip());
}

// The view and display items run their commands, whose steps, limits and
// layers the map tests cover: one press each. An item at its limit goes
// off, the opposite item brings it back; Rings draws over the kept picture,
// the others redraw it, the banner last; Grid leaves the compass out until
// the next command.
TEST_F(MapWindowTest, ViewAndDisplayItemsRunTheirCommands) {
    QFile::remove("STATES.dat"); // reported; the other layers are drawn
    settings_.compassOn = 1;
    settings_.scaleFactor = 8000;
    settings_.patternSize = 0.025f;
    Open();
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>(
                  {"We had a problem plotting the USA data from STATES.dat"}));
    Trigger("mnuZoomIn");
    Trigger("mnuSmaller");
    EXPECT_TRUE(!Enabled("mnuZoomIn") && !Enabled("mnuSmaller") && Redrawn());
    Trigger("mnuZoomOut");
    Trigger("mnuLarger");
    EXPECT_TRUE(Enabled("mnuZoomIn") && Enabled("mnuSmaller") && Redrawn());
    EXPECT_FLOAT_EQ(settings_.scaleFactor, 7071.0679f);
    EXPECT_FLOAT_EQ(settings_.patternSize, 0.028284272f);
    const QString rings = "Rings are at 10 and 100 km intervals",
                  day = "Day & critical patterns only";
    // Rings over Larger's picture: KRLD twice.
    const std::tuple<const char *, std::vector<std::pair<QString, int>>,
                     QString>
        rows[] = {
            {"mnuDistance", {{rings, 1}, {"KRLD", 2}, {" 350", 2}}, ""},
            {"mnuDayNight", {{day, 2}, {"KNITE", 0}, {"KDAY", 1}}, day},
            {"mnuLicense", {{"KCP", 0}, {"Licensed patterns only", 1}}, ""}};
    for (const auto &[item, counts, banner] : rows) {
        SCOPED_TRACE(item);
        Trigger(item);
        EXPECT_TRUE(Redrawn());
        for (const auto &[text, count] : counts)
            EXPECT_EQ(Printed(text), count) << text.toStdString();
        EXPECT_TRUE(banner.isEmpty() ||
                    LastPrinted(banner) == Trace().lastIndexOf("\nPrintText "))
            << "banner printed last";
    }
    Trigger("mnuGrid");
    EXPECT_TRUE(Redrawn() && Count(kGrid) > 0 && Count(kSpokes) == 0);
    Trigger("mnuZoomOut");
    EXPECT_TRUE(Count(kGrid) > 0 && Count(kSpokes) > 0);
}

// Home from a "W" line at KNITE's place: the map is redrawn around it, with
// KNITE's cross on the centre and the call in the legend. The distance
// window draws nothing.
TEST_F(MapWindowTest, HomeFromAWCallRedrawsTheMapAroundTheStation) {
    // Latitude in columns 45 to 54, longitude from 55.
    const auto line = [](std::string head, std::string lat, const char *lon) {
        head.resize(44, ' ');
        lat.resize(10, ' ');
        return head + lat + lon;
    };
    lists_.callsW = {line("WAAA    900", "40.0", "80.0"),
                     line("WTYL    1080  TYLER, TX", "32.35", "95.30")};
    Open();
    EXPECT_EQ(Count("Line 5970 4500 6030 4500 0x0000FF"), 1) << "KRLD";
    OnNextModal([](QWidget *dialog) {
        auto *list = dialog->findChild<QAbstractItemView *>("lstCallsW");
        const QModelIndex line = list->model()->index(1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(line).center());
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdExit"),
                          Qt::LeftButton);
    });
    Trigger("mnuHome");
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 32.35f);
    EXPECT_FLOAT_EQ(settings_.homeLongitude, 95.30f);
    EXPECT_TRUE(Redrawn());
    EXPECT_EQ(Printed("Home:  WTYL (1080)"), 1);
    EXPECT_EQ(Printed("Home lat: 32.35  Home lon: 95.3"), 1);
    // KNITE's cross on the centre, the home mark there too.
    EXPECT_EQ(Count("Line 5970 4500 6030 4500 0x0000FF"), 1);
    EXPECT_EQ(Count("Circle 6000 4500 50 0x0000FF"), 1);
    const QString kept = Trace();
    EXPECT_EQ(Answer(Find("mnuGetDistance"), "cmdExit"),
              "Tavik - Get distance");
    EXPECT_EQ(Trace(), kept);
}

// "Use map" opens the outline viewer; a click there makes the point home
// and the map window is drawn around it as on opening (the view items all
// enabled again, the legend keeping the previous home's name).
TEST_F(MapWindowTest, UseMapOpensTheViewerWhoseClickRedrawsTheMap) {
    Open();
    for (int i = 0; i < 7; ++i)
        Trigger("mnuZoomIn");
    ASSERT_FALSE(Enabled("mnuZoomIn"));
    EXPECT_EQ(Answer(Find("mnuHome"), "cmdGetMap"), "Tavik - Get home");
    auto *viewer = window_->findChild<OutlineViewer *>("frmPlotStates");
    ASSERT_TRUE(viewer && viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), "Tavik - States");
    viewer->resize(1200, 900);
    // Pixel (779, 421) is (7790, 4210) of the viewer: 36.451 N, 84.316 W.
    QTest::mouseClick(viewer->Canvas(), Qt::LeftButton, {}, QPoint(779, 421));
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 36.451f);
    EXPECT_FLOAT_EQ(settings_.homeLongitude, 84.316f);
    EXPECT_TRUE(Redrawn() && Enabled("mnuZoomIn"));
    EXPECT_FLOAT_EQ(settings_.scaleFactor, 10000) << "the view stays";
    EXPECT_EQ(Printed("Home lat: 36.451  Home lon: 84.316"), 1);
    EXPECT_EQ(Printed("Home:  Dallas TX"), 1);
    EXPECT_FALSE(viewer->isVisible());
}

// Print shows the print dialog; the page goes to the chosen PDF file, a
// cancel to a "Printer Error" box; the map is not redrawn either way.
TEST_F(MapWindowTest, PrintGoesThroughThePrintDialog) {
    Open();
    const QString before = Trace();
    window_->Printer().setOutputFileName(dir_.filePath("map.pdf"));
    QString dialogTitle, boxTitle, boxText;
    OnNextModal([&](QWidget *dialog) {
        dialogTitle = dialog->windowTitle();
        ClickButton(dialog, "Print");
    });
    Trigger("mnuPrint");
    EXPECT_TRUE(QFileInfo(dir_.filePath("map.pdf")).size() > 0);
    EXPECT_FALSE(dialogTitle.isEmpty());

    OnNextModal([&](QWidget *dialog) {
        OnNextModal([&](QWidget *box) {
            boxTitle = box->windowTitle();
            boxText = box->findChild<QLabel *>("qt_msgbox_label")->text();
            ClickButton(box, "OK");
        });
        ClickButton(dialog, "Cancel");
    });
    Trigger("mnuPrint");
    EXPECT_EQ(boxTitle + ": " + boxText,
              "Printer Error: Printing was cancelled.");
    EXPECT_EQ(window_->Printer().pageLayout().orientation(),
              QPageLayout::Portrait);
    EXPECT_EQ(Trace(), before);
    EXPECT_TRUE(messages_.shown.empty());
}

// About and Options leave the picture as it is. Channel draws the layers
// over it: "Add plot" and the frame add a second plot, "Erase and plot"
// starts from a cleared map.
TEST_F(MapWindowTest, DialogCommandsKeepAddToOrEraseThePicture) {
    Open();
    const std::tuple<const char *, const char *, const char *, int> rows[] = {
        {"mnuFileAbout", "cmdExit", "Tavik - About", 0},
        {"mnuOptions", "cmdExit", "Tavik - Get options", 0},
        {"mnuChannel", "cmdExit", "Tavik - Get channel", 2},
        {"mnuChannel", nullptr, "Tavik - Get channel", 3},
        {"mnuChannel", "cmdErasePlot", "Tavik - Get channel", 1}};
    for (const auto &[item, button, title, legends] : rows) {
        SCOPED_TRACE(std::string(item) + " " + (button ? button : "frame"));
        const QString before = Trace();
        EXPECT_EQ(Answer(Find(item), button), title);
        if (legends == 0)
            EXPECT_EQ(Trace(), before);
        else
            EXPECT_EQ(Printed(kLegend), legends);
        EXPECT_EQ(Count("Cls"), legends == 1 ? 1 : 0);
    }
    EXPECT_TRUE(Redrawn());
}

TEST_F(MapWindowTest, AllStationsAnswerDecidesTheOverview) {
    for (int c = 530; c <= 1700; c += 10)
        if (c != 1080)
            WriteLines(QString::number(c) + ".DAT", {});
    const SessionSettings start = settings_;
    const std::tuple<const char *, int16_t, int16_t, float, bool> rows[] = {
        {"cmdAlterYes", 0, 1, 10000, true},
        {"cmdAlterNo", 0, 1, 1000, true},
        {"cmdPlotNo", 1, 0, 1000, false},
        {nullptr, 0, 0, 1000, false}, // closed by its frame
        {nullptr, 1, 1, 1000, true}};
    for (const auto &[button, goBefore, goAfter, scale, plotted] : rows) {
        SCOPED_TRACE(std::to_string(goBefore) + (button ? button : " frame"));
        settings_ = start;
        settings_.allStationsGo = goBefore;
        Open();
        const QString before = Trace();
        EXPECT_EQ(Answer(Find("mnuShowStations"), button),
                  "Tavik - Show stations");
        EXPECT_EQ(settings_.allStationsGo, goAfter);
        EXPECT_FLOAT_EQ(settings_.scaleFactor, scale);
        EXPECT_FLOAT_EQ(settings_.patternSize, scale == 10000 ? 0.02f : 0.2f);
        EXPECT_TRUE(Enabled("mnuZoomIn") && messages_.shown.empty());
        if (!plotted) {
            EXPECT_EQ(Trace(), before);
            continue;
        }
        // No channel plot; 2 lines of the home mark, 2 per station cross.
        // At 10000 three stations lie beyond the map, where the kept
        // picture holds only the second bar of each cross.
        EXPECT_TRUE(Redrawn());
        EXPECT_EQ(Printed(" 1080"), 4);
        EXPECT_EQ(Printed("KRLD"), 0);
        EXPECT_EQ(Count("Line .* 0x0000FF"),
                  scale == 10000 ? 2 + 2 + 3 : 2 + 4 * 2);
    }
    // Enter presses the default button, which opens with the focus.
    settings_ = start;
    Open();
    QString focused;
    OnNextModal([&](QWidget *dialog) {
        focused = dialog->focusWidget()->objectName();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    Trigger("mnuShowStations");
    EXPECT_EQ(focused, "cmdAlterNo");
    EXPECT_TRUE(settings_.allStationsGo == 1 && Redrawn());
    EXPECT_FLOAT_EQ(settings_.scaleFactor, 1000);
}

TEST_F(MapWindowTest, ExitsSaveTheSessionAndTheFrameDoesNot) {
    Open();
    window_->close();
    EXPECT_FALSE(QFile::exists("Tavik.cfg"));
    Open();
    Trigger("mnuOskel"); // the page beside the program, which the build puts
    ASSERT_EQ(opened_.size(), 1u);
    QFile page(opened_[0].toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(QFileInfo(page).absolutePath(),
              QCoreApplication::applicationDirPath());
    const QString html = QString::fromUtf8(page.readAll());
    for (const char *part :
         {"Version \\d+\\.\\d+,", "GeoNames", "GSHHG", "Ctrl</kbd>\\+<kbd>Q"})
        EXPECT_TRUE(html.contains(QRegularExpression(part))) << part;
    Trigger("mnuExit"); // at once
    EXPECT_TRUE(QFile::remove("Tavik.cfg") && waits_.empty());
    EXPECT_FALSE(window_->isVisible());

    settings_.patternSize = 2.0f;
    Open();
    Trigger("mnuFileExit"); // saved, then the notice for 3 seconds
    EXPECT_TRUE(QFile::exists("Tavik.cfg"));
    EXPECT_FLOAT_EQ(settings_.patternSize, 1.0f) << "saved within 0.02..1";
    EXPECT_EQ(waits_, std::vector<float>({3.0f}));
    auto *label1 = Find<QLabel>("Label1");
    EXPECT_TRUE(label1Shown_ && !label1->isVisible() && !window_->isVisible());
    EXPECT_EQ(label1->text(),
              "Session data has been saved; feedback would be nice.");

    // A session file that cannot be written: its message, and no note.
    QFile::remove("Tavik.cfg");
    QDir().mkdir("Tavik.cfg");
    waits_.clear();
    label1Shown_ = false;
    Open();
    Trigger("mnuFileExit");
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>(
                  {"The Tavik last-session file was not written correctly."}));
    EXPECT_TRUE(waits_.empty() && !label1Shown_ && !window_->isVisible());
}

// "Channel" draws over the picture; a hundred of them keep the picture's
// operations bounded (the older steps folded away), and the whole picture
// painted again after a resize is the one painted step by step.
TEST_F(MapWindowTest, ChannelsDrawnOverKeepABoundedPictureThatRepaintsTheSame) {
    std::vector<std::string> coast{"-100 -100"};
    for (int i = 0; i < 6000; ++i) // a wavy coast across Texas
        coast.push_back(std::to_string(31 + (i % 7) * 0.01) + " " +
                        std::to_string(262 + i * 0.001));
    WriteLines("REGION2.dat", coast);
    Open();
    auto *canvas = Find<PictureCanvas>("mapCanvas");
    for (int i = 0; i < 100; ++i) {
        Answer(Find("mnuChannel"), "cmdExit");
        canvas->repaint(); // step by step, as the user sees it
    }
    EXPECT_GT(Printed(kLegend), 0);
    EXPECT_LE(window_->Drawing().size(), KeptPicture::kFoldLimit + 7000);
    const QSize size = canvas->size();
    const QImage stepwise = canvas->grab().toImage();
    canvas->resize(size + QSize(40, 30));
    canvas->repaint();
    canvas->resize(size);
    EXPECT_EQ(canvas->grab().toImage(), stepwise);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MapWindowTest, CanvasShowsTheKeptPictureAtAnySizeWithoutTheFiles) {
    Open();
    // With the data gone, a redraw would fail and say so; a resize must not.
    for (const char *name : {"STATES.dat", "REGION2.dat", "1080.DAT"})
        QFile::remove(name);
    const QString kept = Trace();
    auto *canvas = Find<PictureCanvas>("mapCanvas");
    for (const QSize size :
         {QSize(400, 300), QSize(900, 300), QSize(300, 700)}) {
        SCOPED_TRACE(size.width());
        canvas->resize(size);
        const QImage image = canvas->grab().toImage();
        const QRectF fit = canvas->PictureRect();
        EXPECT_NEAR(fit.width() / fit.height(), 4.0 / 3.0, 0.01);
        EXPECT_NEAR(
            std::max(fit.width() / size.width(), fit.height() / size.height()),
            1.0, 1e-9);
        bool red = false; // the home mark within 3 pixels of the centre
        for (int d = 0; d < 49 && !red; ++d) {
            const QColor c = image.pixelColor(fit.center().toPoint() +
                                              QPoint(d % 7 - 3, d / 7 - 3));
            red = c.red() > 200 && c.green() < 90 && c.blue() < 90;
        }
        EXPECT_TRUE(red);
    }
    EXPECT_EQ(Trace(), kept);
    EXPECT_TRUE(messages_.shown.empty());
}

} // namespace
} // namespace tavik

// GUI tests drive real widgets, so they need one application object.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
