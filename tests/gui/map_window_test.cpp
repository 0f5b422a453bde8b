// The map window driven through its menu: settings, enabled items, the kept
// drawing after each command, the dialogs and the ways the program ends.

#include "map/map_window.h"

#include "dialogs/placeholder_dialog.h"
#include "gui_test_support.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace tavik {
namespace {

using test::OnNextModal;
using test::WriteLines;

// Home is Dallas; KRLD stands on it, so its cross is at the map centre.
const std::vector<std::string> kChannel1080 = {
    "KRLD,USA,TX,DALLAS,L,U,32.78,96.82,50,0,1", "0,1,0,0,0,0",
    "KNITE,USA,TX,TYLER,L,N,32.35,95.30,5,0,1",  "0,1,0,0,0,0",
    "KDAY,USA,TX,WACO,L,D,31.55,97.15,1,0,1",    "0,1,0,0,0,0",
    "KCP,USA,OK,ADA,CP,U,34.77,96.68,1,0,1",     "0,1,0,0,0,0",
};

std::vector<std::string> Texts(const std::vector<DrawOp> &ops) {
    std::vector<std::string> texts;
    for (const DrawOp &op : ops)
        if (op.kind == OpKind::PrintText)
            texts.push_back(op.text);
    return texts;
}

bool Printed(const std::vector<DrawOp> &ops, const std::string &text) {
    const auto texts = Texts(ops);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Index of the last operation printing `text`, or -1.
int LastPrint(const std::vector<DrawOp> &ops, const std::string &text) {
    for (int i = static_cast<int>(ops.size()) - 1; i >= 0; --i)
        if (ops[i].kind == OpKind::PrintText && ops[i].text == text)
            return i;
    return -1;
}

int CountLines(const std::vector<DrawOp> &ops, Color colour) {
    return static_cast<int>(
        std::count_if(ops.begin(), ops.end(), [colour](const DrawOp &op) {
            return (op.kind == OpKind::Line || op.kind == OpKind::LineTo) &&
                   op.colour == colour;
        }));
}

bool StartsWithCls(const std::vector<DrawOp> &ops) {
    return !ops.empty() && ops.front().kind == OpKind::Cls;
}

int CountCls(const std::vector<DrawOp> &ops) {
    return static_cast<int>(
        std::count_if(ops.begin(), ops.end(),
                      [](const DrawOp &op) { return op.kind == OpKind::Cls; }));
}

bool HasHomeMark(const std::vector<DrawOp> &ops) {
    return std::any_of(ops.begin(), ops.end(), [](const DrawOp &op) {
        return op.kind == OpKind::Circle && op.a[0] == 6000 &&
               op.a[1] == 4500 && op.a[2] == 50 && op.colour == kRed;
    });
}

constexpr Color kSpokeColour = 0x99DD99;
constexpr Color kGridColour = 0x8888FF;
constexpr Color kStateColour = 0xDD9999;

class MapWindowTest : public ::testing::Test {
  protected:
    MapWindowTest() {
        QApplication::setQuitOnLastWindowClosed(false);
        WriteLines(dir_.Path("STATES.dat"),
                   {"-100 -100", "33 263", "34 263", "34 264", "-2000"});
        WriteLines(dir_.Path("REGION2.dat"),
                   {"-100 -100", "29 265", "30 265", "-2000"});
        WriteLines(dir_.Path("1080.DAT"), kChannel1080);

        settings_.channelKHz = 1080;
        settings_.homeCity = "Dallas TX";
        settings_.homeLatitude = 32.78f;
        settings_.homeLongitude = 96.82f;
        settings_.patternSize = 0.2f;
        settings_.scaleFactor = 1000;
    }

    // Every other channel of the overview as an empty file, so that it
    // reads through to the end.
    void WriteEmptyChannels() {
        for (int c = 530; c <= 1700; c += 10)
            if (c != 1080)
                WriteLines(dir_.Path(QString::number(c) + ".DAT"), {});
    }

    MapWindow &Open() {
        MapWindowHooks hooks;
        hooks.wait = [this](float seconds, const std::function<void()> &pump) {
            waits_.push_back(seconds);
            pump();
            label1VisibleDuringWait_ =
                window_->findChild<QLabel *>("Label1")->isVisible();
        };
        hooks.openUrl = [this](const QUrl &url) { opened_.push_back(url); };
        window_ = std::make_unique<MapWindow>(settings_, &messages_, hooks);
        window_->show();
        return *window_;
    }

    QAction *Item(const char *name) {
        return window_->findChild<QAction *>(QString::fromLatin1(name));
    }

    const std::vector<DrawOp> &Drawing() const { return window_->Drawing(); }

    test::TempWorkingDir dir_;
    SessionSettings settings_;
    RecordedMessages messages_;
    std::vector<float> waits_;
    std::vector<QUrl> opened_;
    bool label1VisibleDuringWait_ = false;
    std::unique_ptr<MapWindow> window_;
};

TEST_F(MapWindowTest, MenuBarShowsEveryCaptionButGridInOrder) {
    MapWindow &window = Open();
    EXPECT_EQ(window.windowTitle(), "Tavik - Plot");
    EXPECT_EQ(window.objectName(), "frmPlot");

    QStringList visible;
    for (QAction *action : window.menuBar()->actions())
        if (action->isVisible())
            visible << action->text();
    EXPECT_EQ(visible,
              QStringList({"  File", "Options", "Distance", "Rings", "Licensed",
                           "DayNight", "All", "Home", "GetData", "Channel",
                           "ZoomIn", "ZoomOut", "Larger", "Smaller", "Print",
                           "Exit", "Oskel Software"}));

    // Names and captions of the whole table, the hidden Grid included.
    const std::vector<std::pair<const char *, const char *>> items = {
        {"mnuFile", "  File"},
        {"mnuFileAbout", "About"},
        {"mnuFileExit", "Exit/quit"},
        {"mnuOptions", "Options"},
        {"mnuGetDistance", "Distance"},
        {"mnuDistance", "Rings"},
        {"mnuLicense", "Licensed"},
        {"mnuDayNight", "DayNight"},
        {"mnuShowStations", "All"},
        {"mnuHome", "Home"},
        {"mnuStationData", "GetData"},
        {"mnuGrid", "Grid"},
        {"mnuChannel", "Channel"},
        {"mnuZoomIn", "ZoomIn"},
        {"mnuZoomOut", "ZoomOut"},
        {"mnuLarger", "Larger"},
        {"mnuSmaller", "Smaller"},
        {"mnuPrint", "Print"},
        {"mnuExit", "Exit"},
        {"mnuOskel", "Oskel Software"}};
    for (const auto &[name, caption] : items) {
        SCOPED_TRACE(name);
        QAction *action = Item(name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), caption);
    }
    EXPECT_FALSE(Item("mnuGrid")->isVisible());

    // The File drop-down holds About, a separator and Exit/quit; no bar
    // item but File has a drop-down.
    auto *file = window.findChild<QMenu *>("mnuFile");
    ASSERT_NE(file, nullptr);
    const QList<QAction *> inFile = file->actions();
    ASSERT_EQ(inFile.size(), 3);
    EXPECT_EQ(inFile[0]->objectName(), "mnuFileAbout");
    EXPECT_TRUE(inFile[1]->isSeparator());
    EXPECT_EQ(inFile[1]->objectName(), "mnuFileSeparator1");
    EXPECT_EQ(inFile[2]->objectName(), "mnuFileExit");
    for (QAction *action : window.menuBar()->actions())
        EXPECT_EQ(action->menu() != nullptr, action->objectName() == "mnuFile")
            << action->objectName().toStdString();
}

TEST_F(MapWindowTest, OpeningDrawsTheSixLayersWithoutClearing) {
    Open();
    const auto &ops = Drawing();
    EXPECT_EQ(CountCls(ops), 0);
    EXPECT_GT(CountLines(ops, kStateColour), 0);
    // KRLD's cross on home, the other stations' call signs and the legend.
    const bool crossOnHome =
        std::any_of(ops.begin(), ops.end(), [](const DrawOp &op) {
            return op.kind == OpKind::Line && op.colour == kRed &&
                   op.a[0] == 5970 && op.a[1] == 4500 && op.a[2] == 6030 &&
                   op.a[3] == 4500;
        });
    EXPECT_TRUE(crossOnHome);
    for (const char *call : {"KRLD", "KNITE", "KDAY", "KCP"})
        EXPECT_TRUE(Printed(ops, call)) << call;
    EXPECT_TRUE(Printed(ops, "Channel: 1080 kHz"));
    EXPECT_TRUE(messages_.shown.empty());
    for (const char *name :
         {"mnuZoomIn", "mnuZoomOut", "mnuLarger", "mnuSmaller"})
        EXPECT_TRUE(Item(name)->isEnabled()) << name;
}

TEST_F(MapWindowTest, LayerFailuresReachTheMessageSink) {
    QFile::remove(dir_.Path("STATES.dat"));
    QFile::remove(dir_.Path("1080.DAT"));
    Open();
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>(
                  {"We had a problem plotting the USA data from STATES.dat",
                   "We had a problem plotting 1080.DAT"}));
}

struct ViewStep {
    const char *item;
    float scale;
    float pattern;
    bool zoomIn, zoomOut, larger, smaller;
};

TEST_F(MapWindowTest, ZoomStepsToTheLimitsAndBack) {
    Open();
    const std::vector<ViewStep> steps = {
        {"mnuZoomIn", 1414.2136f, 0.2f, true, true, true, true},
        {"mnuZoomIn", 2000.0f, 0.2f, true, true, true, true},
        {"mnuZoomIn", 2828.4272f, 0.2f, true, true, true, true},
        {"mnuZoomIn", 4000.0f, 0.2f, true, true, true, true},
        {"mnuZoomIn", 5656.8545f, 0.2f, true, true, true, true},
        {"mnuZoomIn", 8000.0f, 0.2f, true, true, true, true},
        {"mnuZoomIn", 10000.0f, 0.2f, false, true, true, true},
        {"mnuZoomOut", 7071.0679f, 0.2f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.14142136f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.1f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.070710681f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.05f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.035355341f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.025f, true, true, true, true},
        {"mnuSmaller", 7071.0679f, 0.02f, true, true, true, false},
        {"mnuLarger", 7071.0679f, 0.028284272f, true, true, true, true},
    };
    int row = 0;
    for (const ViewStep &step : steps) {
        SCOPED_TRACE("step " + std::to_string(++row) + " " + step.item);
        ASSERT_TRUE(Item(step.item)->isEnabled());
        Item(step.item)->trigger();
        EXPECT_NEAR(settings_.scaleFactor, step.scale, step.scale * 1e-6);
        EXPECT_NEAR(settings_.patternSize, step.pattern, step.pattern * 1e-6);
        EXPECT_EQ(Item("mnuZoomIn")->isEnabled(), step.zoomIn);
        EXPECT_EQ(Item("mnuZoomOut")->isEnabled(), step.zoomOut);
        EXPECT_EQ(Item("mnuLarger")->isEnabled(), step.larger);
        EXPECT_EQ(Item("mnuSmaller")->isEnabled(), step.smaller);
        // A full redraw: the kept picture is one Cls and the six layers.
        EXPECT_TRUE(StartsWithCls(Drawing()));
        EXPECT_EQ(CountCls(Drawing()), 1);
        EXPECT_TRUE(Printed(Drawing(), "Channel: 1080 kHz"));
    }
}

TEST_F(MapWindowTest, ZoomOutStopsAtTheSmallestScale) {
    settings_.scaleFactor = 150;
    Open();
    Item("mnuZoomOut")->trigger();
    EXPECT_FLOAT_EQ(settings_.scaleFactor, 106.06602f);
    EXPECT_TRUE(Item("mnuZoomOut")->isEnabled());
    Item("mnuZoomOut")->trigger();
    EXPECT_FLOAT_EQ(settings_.scaleFactor, 100.0f);
    EXPECT_FALSE(Item("mnuZoomOut")->isEnabled());
    Item("mnuZoomIn")->trigger();
    EXPECT_TRUE(Item("mnuZoomOut")->isEnabled());
}

TEST_F(MapWindowTest, LargerStopsAtTwo) {
    Open();
    for (int i = 0; i < 6; ++i)
        Item("mnuLarger")->trigger();
    EXPECT_NEAR(settings_.patternSize, 1.6f, 1e-5);
    EXPECT_TRUE(Item("mnuLarger")->isEnabled());
    Item("mnuLarger")->trigger();
    EXPECT_FLOAT_EQ(settings_.patternSize, 2.0f);
    EXPECT_FALSE(Item("mnuLarger")->isEnabled());
}

TEST_F(MapWindowTest, RingsDrawOverTheMapThenClearAway) {
    settings_.compassOn = 1;
    Open();
    const std::size_t before = Drawing().size();

    Item("mnuDistance")->trigger();
    EXPECT_EQ(settings_.ringsOn, 1);
    const auto &ops = Drawing();
    EXPECT_EQ(CountCls(ops), 0) << "rings go over the present picture";
    EXPECT_GT(ops.size(), before);
    const int legend = LastPrint(ops, "Rings are at 10 and 100 km intervals");
    ASSERT_GT(legend, static_cast<int>(before));
    // Channel plot and compass again on top of the rings.
    EXPECT_GT(LastPrint(ops, "KRLD"), legend);
    EXPECT_GT(LastPrint(ops, " 350"), LastPrint(ops, "KRLD"));

    Item("mnuDistance")->trigger();
    EXPECT_EQ(settings_.ringsOn, 0);
    EXPECT_TRUE(StartsWithCls(Drawing()));
    EXPECT_EQ(CountCls(Drawing()), 1);
    EXPECT_EQ(LastPrint(Drawing(), "Rings are at 10 and 100 km intervals"), -1);
    EXPECT_TRUE(Printed(Drawing(), "KRLD"));
    EXPECT_GT(CountLines(Drawing(), kSpokeColour), 0);
}

TEST_F(MapWindowTest, DayNightCyclesFiltersAndBannerOverTheCompass) {
    settings_.compassOn = 1;
    Open();
    struct Row {
        int16_t mode;
        const char *banner; // "" for none
        bool night, day;
    };
    const Row rows[] = {
        {1, "Day & critical patterns only", false, true},
        {2, "Night & critical patterns only", true, false},
        {0, "", true, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode));
        Item("mnuDayNight")->trigger();
        const auto &ops = Drawing();
        EXPECT_EQ(settings_.dayNightMode, row.mode);
        EXPECT_TRUE(StartsWithCls(ops));
        EXPECT_EQ(Printed(ops, "KNITE"), row.night);
        EXPECT_EQ(Printed(ops, "KDAY"), row.day);
        EXPECT_TRUE(Printed(ops, "KRLD"));
        const auto texts = Texts(ops);
        if (*row.banner) {
            // Once with the plot, once more as the last text, after the
            // compass labels.
            EXPECT_EQ(std::count(texts.begin(), texts.end(), row.banner), 2);
            EXPECT_EQ(texts.back(), row.banner);
            EXPECT_GT(LastPrint(ops, row.banner), LastPrint(ops, " 350"));
        } else {
            EXPECT_FALSE(Printed(ops, "Day & critical patterns only"));
            EXPECT_FALSE(Printed(ops, "Night & critical patterns only"));
        }
    }
}

TEST_F(MapWindowTest, LicensedHidesConstructionPermitsUntilPressedAgain) {
    Open();
    Item("mnuLicense")->trigger();
    EXPECT_EQ(settings_.licensedOnly, 1);
    EXPECT_TRUE(StartsWithCls(Drawing()));
    EXPECT_FALSE(Printed(Drawing(), "KCP"));
    EXPECT_TRUE(Printed(Drawing(), "Licensed patterns only"));

    Item("mnuLicense")->trigger();
    EXPECT_EQ(settings_.licensedOnly, 0);
    EXPECT_TRUE(Printed(Drawing(), "KCP"));
    EXPECT_FALSE(Printed(Drawing(), "Licensed patterns only"));
}

TEST_F(MapWindowTest, HiddenGridCommandRedrawsWithoutTheCompass) {
    settings_.compassOn = 1;
    Open();
    EXPECT_GT(CountLines(Drawing(), kSpokeColour), 0);

    Item("mnuGrid")->trigger();
    EXPECT_EQ(settings_.gridOn, 1);
    EXPECT_TRUE(StartsWithCls(Drawing()));
    EXPECT_GT(CountLines(Drawing(), kGridColour), 0);
    EXPECT_EQ(CountLines(Drawing(), kSpokeColour), 0);
    EXPECT_TRUE(Printed(Drawing(), "KRLD"));

    // The next command that draws the compass brings it back, grid and all.
    Item("mnuLicense")->trigger();
    EXPECT_GT(CountLines(Drawing(), kSpokeColour), 0);
    EXPECT_GT(CountLines(Drawing(), kGridColour), 0);
}

struct PlaceholderRow {
    const char *item;
    const char *caption;
    enum { Nothing, FullRedraw, LayersOver } redraw;
};

TEST_F(MapWindowTest, LaterVersionCommandsShowAModalNotice) {
    Open();
    const PlaceholderRow rows[] = {
        {"mnuFileAbout", "Tavik - About", PlaceholderRow::Nothing},
        {"mnuOptions", "Tavik - Options", PlaceholderRow::Nothing},
        {"mnuGetDistance", "Tavik - Distance", PlaceholderRow::Nothing},
        {"mnuStationData", "Tavik - GetData", PlaceholderRow::Nothing},
        {"mnuPrint", "Tavik - Print", PlaceholderRow::Nothing},
        {"mnuHome", "Tavik - Home", PlaceholderRow::FullRedraw},
        {"mnuChannel", "Tavik - Channel", PlaceholderRow::LayersOver},
    };
    for (const PlaceholderRow &row : rows) {
        SCOPED_TRACE(row.item);
        const std::size_t before = Drawing().size();
        const int clsBefore = CountCls(Drawing());
        const auto textsBefore = Texts(Drawing());
        const auto legendsBefore = std::count(
            textsBefore.begin(), textsBefore.end(), "Channel: 1080 kHz");
        QString title, notice;
        bool modal = false;
        OnNextModal([&](QWidget *dialog) {
            title = dialog->windowTitle();
            modal = dialog->isModal();
            for (QLabel *label : dialog->findChildren<QLabel *>())
                notice += label->text();
            auto *ok = dialog->findChild<QPushButton *>("cmdOK");
            if (ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                dialog->close();
        });
        Item(row.item)->trigger();
        EXPECT_EQ(title, row.caption);
        EXPECT_TRUE(modal);
        EXPECT_TRUE(notice.contains(PlaceholderDialog::kNotice));

        const auto texts = Texts(Drawing());
        const auto legends =
            std::count(texts.begin(), texts.end(), "Channel: 1080 kHz");
        switch (row.redraw) {
        case PlaceholderRow::Nothing:
            EXPECT_EQ(Drawing().size(), before);
            break;
        case PlaceholderRow::FullRedraw:
            EXPECT_TRUE(StartsWithCls(Drawing()));
            EXPECT_EQ(legends, 1);
            break;
        case PlaceholderRow::LayersOver:
            // Drawn over the present picture: no Cls added.
            EXPECT_EQ(CountCls(Drawing()), clsBefore);
            EXPECT_GT(Drawing().size(), before);
            EXPECT_EQ(legends, legendsBefore + 1);
            break;
        }
    }
    EXPECT_TRUE(messages_.shown.empty());
}

struct AllStationsRow {
    const char *name;
    const char *button; // nullptr: closed by its frame
    int16_t goBefore;
    int16_t goAfter;
    float scale, pattern;
    bool plotted;
};

class AllStationsTest : public MapWindowTest,
                        public ::testing::WithParamInterface<AllStationsRow> {};

TEST_P(AllStationsTest, AnswerDecidesTheOverview) {
    const AllStationsRow &row = GetParam();
    WriteEmptyChannels();
    settings_.allStationsGo = row.goBefore;
    settings_.compassOn = 1;
    Open();
    const std::size_t before = Drawing().size();

    bool asked = false;
    OnNextModal([&](QWidget *dialog) {
        asked = dialog->objectName() == "frmShowStations";
        if (row.button)
            QTest::mouseClick(dialog->findChild<QPushButton *>(row.button),
                              Qt::LeftButton);
        else
            dialog->close();
    });
    Item("mnuShowStations")->trigger();

    EXPECT_TRUE(asked);
    EXPECT_EQ(settings_.allStationsGo, row.goAfter);
    EXPECT_FLOAT_EQ(settings_.scaleFactor, row.scale);
    EXPECT_FLOAT_EQ(settings_.patternSize, row.pattern);
    EXPECT_TRUE(messages_.shown.empty());

    const auto &ops = Drawing();
    if (row.plotted) {
        // Outlines and one small cross per station; no channel plot or
        // compass.
        EXPECT_TRUE(StartsWithCls(ops));
        EXPECT_TRUE(HasHomeMark(ops)) << "state outline layer";
        EXPECT_EQ(CountLines(ops, kSpokeColour), 0);
        EXPECT_FALSE(Printed(ops, "KRLD"));
        const auto texts = Texts(ops);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), " 1080"), 4);
        EXPECT_EQ(CountLines(ops, kRed), 2 + 4 * 2) << "home mark + crosses";
    } else {
        EXPECT_EQ(ops.size(), before);
        EXPECT_EQ(CountCls(ops), 0);
    }
    // The view items keep their state whatever the scale became.
    EXPECT_TRUE(Item("mnuZoomIn")->isEnabled());
    EXPECT_TRUE(Item("mnuSmaller")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, AllStationsTest,
    ::testing::Values(
        AllStationsRow{"ZoomIn", "cmdAlterYes", 0, 1, 10000, 0.02f, true},
        AllStationsRow{"LeaveSize", "cmdAlterNo", 0, 1, 1000, 0.2f, true},
        AllStationsRow{"NoPlot", "cmdPlotNo", 1, 0, 1000, 0.2f, false},
        AllStationsRow{"FrameCloseFirstUse", nullptr, 0, 0, 1000, 0.2f, false},
        AllStationsRow{"FrameCloseAfterEarlierGo", nullptr, 1, 1, 1000, 0.2f,
                       true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MapWindowTest, AllStationsWithoutTheFirstChannelFileSaysSo) {
    Open();
    OnNextModal([](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdAlterNo"),
                          Qt::LeftButton);
    });
    Item("mnuShowStations")->trigger();
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>({"We had a problem plotting 530.DAT"}));
    EXPECT_TRUE(StartsWithCls(Drawing()));
    EXPECT_EQ(CountLines(Drawing(), kRed), 2) << "only the home mark";
}

TEST_F(MapWindowTest, ExitQuitSavesShowsTheNoticeThenEnds) {
    settings_.patternSize = 2.0f;
    Open();
    Item("mnuFileExit")->trigger();

    ASSERT_TRUE(dir_.Exists("Tavik.cfg"));
    EXPECT_FLOAT_EQ(settings_.patternSize, 1.0f) << "saved within 0.02..1";
    ASSERT_EQ(waits_, std::vector<float>({3.0f}));
    EXPECT_TRUE(label1VisibleDuringWait_);
    auto *label1 = window_->findChild<QLabel *>("Label1");
    EXPECT_EQ(label1->text(),
              "Session data has been saved; feedback would be nice.");
    EXPECT_FALSE(label1->isVisible());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(messages_.shown.empty());

    // Over the top of the map: (15, 45), 11985 x 300 map units.
    const auto *canvas = window_->findChild<MapCanvas *>("mapCanvas");
    const QRectF expected = canvas->ToWidget(15, 45, 11985, 300);
    EXPECT_EQ(label1->geometry(), expected.toAlignedRect());
    EXPECT_EQ(label1->palette().color(QPalette::Window), QColor(204, 221, 238));
    EXPECT_EQ(label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label1->font().bold());
}

TEST_F(MapWindowTest, ExitSavesAndEndsAtOnce) {
    Open();
    Item("mnuExit")->trigger();
    EXPECT_TRUE(dir_.Exists("Tavik.cfg"));
    EXPECT_TRUE(waits_.empty());
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MapWindowTest, ClosingByTheFrameWritesNothing) {
    Open();
    EXPECT_TRUE(window_->close());
    EXPECT_FALSE(dir_.Exists("Tavik.cfg"));
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MapWindowTest, MakerItemOpensTheWebAddressAndLeavesTheMap) {
    Open();
    const std::size_t before = Drawing().size();
    Item("mnuOskel")->trigger();
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], QUrl("https://oskel-software.example/"));
    EXPECT_EQ(Drawing().size(), before);
}

// The home mark is red at the map's centre; find a clearly red pixel near
// `centre` in the grabbed image.
bool RedNear(const QImage &image, QPoint centre) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QColor c = image.pixelColor(centre + QPoint(dx, dy));
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                return true;
        }
    return false;
}

TEST_F(MapWindowTest, ResizeRescalesTheKeptDrawingWithoutReadingFiles) {
    MapWindow &window = Open();
    auto *canvas = window.findChild<MapCanvas *>("mapCanvas");
    ASSERT_NE(canvas, nullptr);
    const std::size_t before = Drawing().size();

    // With the data gone a redraw would fail and report it.
    for (const char *name : {"STATES.dat", "REGION2.dat", "1080.DAT"})
        QFile::remove(dir_.Path(name));

    for (const QSize size :
         {QSize(400, 300), QSize(900, 300), QSize(300, 700)}) {
        SCOPED_TRACE(size.width());
        canvas->resize(size);
        const QImage image = canvas->grab().toImage();
        const QRectF map = canvas->MapRect();
        EXPECT_NEAR(map.width() / map.height(), 4.0 / 3.0, 0.01);
        EXPECT_NEAR(
            std::max(map.width() / size.width(), map.height() / size.height()),
            1.0, 1e-9);
        EXPECT_TRUE(RedNear(image, map.center().toPoint()));
        // Map space corner (0, 0) is white background.
        const QColor corner =
            image.pixelColor(map.topLeft().toPoint() + QPoint(1, 1));
        EXPECT_EQ(corner, QColor(Qt::white));
    }
    EXPECT_EQ(Drawing().size(), before);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MapWindowTest, ImageFollowsCommandsIncrementallyAndAfterCls) {
    MapWindow &window = Open();
    auto *canvas = window.findChild<MapCanvas *>("mapCanvas");
    canvas->resize(480, 360);
    canvas->grab();
    // Rings appended over the present picture show up in the image.
    Item("mnuDistance")->trigger();
    QImage image = canvas->grab().toImage();
    // The 100 km ring: radius 1335 units straight above home.
    const QRectF map = canvas->MapRect();
    const qreal s = map.width() / 12000;
    const QPoint ringTop =
        (map.topLeft() + QPointF(6000 * s, (4500 - 1335) * s)).toPoint();
    auto pinkNear = [](const QImage &img, QPoint p) {
        for (int dy = -2; dy <= 2; ++dy) {
            const QColor c = img.pixelColor(p + QPoint(0, dy));
            if (c.red() > 230 && c.green() < 215 && c.blue() < 215 &&
                c != QColor(Qt::white))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(pinkNear(image, ringTop));
    // The second press clears them away again.
    Item("mnuDistance")->trigger();
    image = canvas->grab().toImage();
    EXPECT_FALSE(pinkNear(image, ringTop));
    EXPECT_TRUE(RedNear(image, map.center().toPoint()));
}

} // namespace
} // namespace tavik
