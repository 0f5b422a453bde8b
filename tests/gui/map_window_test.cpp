// The map window driven through its menu: settings, enabled items, the kept
// drawing after each command, the dialogs and the ways the program ends.

#include "map/map_window.h"

#include "dialogs/placeholder_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace tavik {
namespace {

constexpr Color kSpokeColour = 0x99DD99;
constexpr Color kGridColour = 0x8888FF;

void WriteLines(const QString &path, const std::vector<std::string> &lines) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string &line : lines)
        out << line << "\r\n";
}

// Runs `act` on the next modal dialog once its exec() shows it; gives up
// after two seconds so that it cannot reach into a later test.
void OnNextModal(std::function<void(QWidget *)> act) {
    auto *timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && ++*ticks < 400)
            return;
        timer->deleteLater();
        timer->stop();
        if (modal)
            act(modal);
    });
    timer->start(5);
}

std::vector<std::string> Texts(const std::vector<DrawOp> &ops) {
    std::vector<std::string> texts;
    for (const DrawOp &op : ops)
        if (op.kind == OpKind::PrintText)
            texts.push_back(op.text);
    return texts;
}

int CountText(const std::vector<DrawOp> &ops, const std::string &text) {
    const auto texts = Texts(ops);
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

// Index of the last operation printing `text`, or -1.
int LastPrint(const std::vector<DrawOp> &ops, const std::string &text) {
    for (int i = static_cast<int>(ops.size()) - 1; i >= 0; --i)
        if (ops[i].kind == OpKind::PrintText && ops[i].text == text)
            return i;
    return -1;
}

int Count(const std::vector<DrawOp> &ops, OpKind kind, Color colour = 0) {
    return static_cast<int>(
        std::count_if(ops.begin(), ops.end(), [kind, colour](const DrawOp &op) {
            return op.kind == kind &&
                   (kind == OpKind::Cls || op.colour == colour);
        }));
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

    MapWindow &Open() {
        MapWindowHooks hooks;
        hooks.wait = [this](float seconds, const std::function<void()> &pump) {
            waits_.push_back(seconds);
            pump();
            label1Shown_ = window_->findChild<QLabel *>("Label1")->isVisible();
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
    // A full redraw: the kept picture is one Cls and what followed it.
    bool Redrawn() const {
        return Drawing().front().kind == OpKind::Cls &&
               Count(Drawing(), OpKind::Cls) == 1;
    }

    QTemporaryDir dir_;
    QString previousDir_;
    SessionSettings settings_;
    RecordedMessages messages_;
    std::vector<float> waits_;
    std::vector<QUrl> opened_;
    bool label1Shown_ = false;
    std::unique_ptr<MapWindow> window_;
};

TEST_F(MapWindowTest, MenuBarHoldsTheTableInOrderWithGridHidden) {
    MapWindow &window = Open();
    EXPECT_EQ(window.windowTitle(), "Tavik - Plot");
    QStringList bar, visible;
    for (QAction *action : window.menuBar()->actions()) {
        bar << action->objectName() + "=" + action->text();
        if (action->isVisible())
            visible << action->text();
        EXPECT_EQ(action->menu() != nullptr, action->objectName() == "mnuFile");
    }
    for (QAction *action : window.findChild<QMenu *>("mnuFile")->actions())
        bar << action->objectName() + "=" + action->text();
    EXPECT_EQ(bar, QStringList({"mnuFile=  File",
                                "mnuOptions=Options",
                                "mnuGetDistance=Distance",
                                "mnuDistance=Rings",
                                "mnuLicense=Licensed",
                                "mnuDayNight=DayNight",
                                "mnuShowStations=All",
                                "mnuHome=Home",
                                "mnuStationData=GetData",
                                "mnuGrid=Grid",
                                "mnuChannel=Channel",
                                "mnuZoomIn=ZoomIn",
                                "mnuZoomOut=ZoomOut",
                                "mnuLarger=Larger",
                                "mnuSmaller=Smaller",
                                "mnuPrint=Print",
                                "mnuExit=Exit",
                                "mnuOskel=Oskel Software",
                                "mnuFileAbout=About",
                                "mnuFileSeparator1=",
                                "mnuFileExit=Exit/quit"}));
    EXPECT_EQ(visible,
              QStringList({"  File", "Options", "Distance", "Rings", "Licensed",
                           "DayNight", "All", "Home", "GetData", "Channel",
                           "ZoomIn", "ZoomOut", "Larger", "Smaller", "Print",
                           "Exit", "Oskel Software"}));
}

TEST_F(MapWindowTest, OpensOnTheSixLayersAndReportsFailuresThroughTheSink) {
    QFile::remove("STATES.dat");
    settings_.compassOn = 1;
    Open();
    EXPECT_EQ(Count(Drawing(), OpKind::Cls), 0);
    EXPECT_EQ(CountText(Drawing(), "KRLD"), 1);
    EXPECT_EQ(CountText(Drawing(), "Channel: 1080 kHz"), 1);
    EXPECT_GT(Count(Drawing(), OpKind::Line, kSpokeColour), 0);
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>(
                  {"We had a problem plotting the USA data from STATES.dat"}));
}

TEST_F(MapWindowTest, ViewItemsStepToTheirLimitsAndBack) {
    Open();
    struct Step {
        const char *item;
        float scale, pattern;
        bool zoomIn, smaller;
    };
    const Step steps[] = {
        {"mnuZoomIn", 1414.2136f, 0.2f, true, true},
        {"mnuZoomIn", 2000, 0.2f, true, true},
        {"mnuZoomIn", 2828.4272f, 0.2f, true, true},
        {"mnuZoomIn", 4000, 0.2f, true, true},
        {"mnuZoomIn", 5656.8545f, 0.2f, true, true},
        {"mnuZoomIn", 8000, 0.2f, true, true},
        {"mnuZoomIn", 10000, 0.2f, false, true},
        {"mnuZoomOut", 7071.0679f, 0.2f, true, true},
        {"mnuSmaller", 7071.0679f, 0.14142136f, true, true},
        {"mnuSmaller", 7071.0679f, 0.1f, true, true},
        {"mnuSmaller", 7071.0679f, 0.070710681f, true, true},
        {"mnuSmaller", 7071.0679f, 0.05f, true, true},
        {"mnuSmaller", 7071.0679f, 0.035355341f, true, true},
        {"mnuSmaller", 7071.0679f, 0.025f, true, true},
        {"mnuSmaller", 7071.0679f, 0.02f, true, false},
        {"mnuLarger", 7071.0679f, 0.028284272f, true, true},
    };
    int row = 0;
    for (const Step &step : steps) {
        SCOPED_TRACE("step " + std::to_string(++row));
        Item(step.item)->trigger();
        EXPECT_NEAR(settings_.scaleFactor, step.scale, step.scale * 1e-6);
        EXPECT_NEAR(settings_.patternSize, step.pattern, step.pattern * 1e-6);
        EXPECT_EQ(Item("mnuZoomIn")->isEnabled(), step.zoomIn);
        EXPECT_EQ(Item("mnuSmaller")->isEnabled(), step.smaller);
        EXPECT_TRUE(Item("mnuZoomOut")->isEnabled());
        EXPECT_TRUE(Item("mnuLarger")->isEnabled());
        EXPECT_TRUE(Redrawn());
        EXPECT_EQ(CountText(Drawing(), "Channel: 1080 kHz"), 1);
    }
}

TEST_F(MapWindowTest, RingsGoOverTheMapThenClearAway) {
    settings_.compassOn = 1;
    Open();
    const int loaded = static_cast<int>(Drawing().size());
    const std::string legend = "Rings are at 10 and 100 km intervals";

    Item("mnuDistance")->trigger();
    EXPECT_EQ(Count(Drawing(), OpKind::Cls), 0);
    EXPECT_GT(LastPrint(Drawing(), legend), loaded);
    // Channel plot and compass again on top of the rings.
    EXPECT_GT(LastPrint(Drawing(), "KRLD"), LastPrint(Drawing(), legend));
    EXPECT_GT(LastPrint(Drawing(), " 350"), LastPrint(Drawing(), "KRLD"));

    Item("mnuDistance")->trigger();
    EXPECT_EQ(settings_.ringsOn, 0);
    EXPECT_TRUE(Redrawn());
    EXPECT_EQ(CountText(Drawing(), legend), 0);
    EXPECT_EQ(CountText(Drawing(), " 350"), 1);
}

TEST_F(MapWindowTest, DayNightCyclesTheHoursWithItsBannerOverTheCompass) {
    settings_.compassOn = 1;
    Open();
    struct Row {
        const char *banner;
        int night, day;
    };
    for (const Row &row :
         {Row{"Day & critical patterns only", 0, 1},
          Row{"Night & critical patterns only", 1, 0}, Row{"", 1, 1}}) {
        SCOPED_TRACE(row.banner);
        Item("mnuDayNight")->trigger();
        EXPECT_TRUE(Redrawn());
        EXPECT_EQ(CountText(Drawing(), "KNITE"), row.night);
        EXPECT_EQ(CountText(Drawing(), "KDAY"), row.day);
        if (*row.banner) {
            EXPECT_EQ(CountText(Drawing(), row.banner), 2);
            EXPECT_EQ(Texts(Drawing()).back(), row.banner);
        } else {
            EXPECT_EQ(
                CountText(Drawing(), "Day & critical patterns only") +
                    CountText(Drawing(), "Night & critical patterns only"),
                0);
        }
    }
    EXPECT_EQ(settings_.dayNightMode, 0);
}

TEST_F(MapWindowTest, LicensedAndHiddenGridToggle) {
    settings_.compassOn = 1;
    Open();
    Item("mnuLicense")->trigger();
    EXPECT_TRUE(Redrawn());
    EXPECT_EQ(CountText(Drawing(), "KCP"), 0);
    EXPECT_EQ(CountText(Drawing(), "Licensed patterns only"), 1);
    Item("mnuLicense")->trigger();
    EXPECT_EQ(CountText(Drawing(), "KCP"), 1);

    // Grid redraws everything but the compass, which the next drawing
    // command brings back.
    Item("mnuGrid")->trigger();
    EXPECT_TRUE(Redrawn());
    EXPECT_GT(Count(Drawing(), OpKind::LineTo, kGridColour), 0);
    EXPECT_EQ(Count(Drawing(), OpKind::Line, kSpokeColour), 0);
    Item("mnuZoomOut")->trigger();
    EXPECT_GT(Count(Drawing(), OpKind::Line, kSpokeColour), 0);
    EXPECT_GT(Count(Drawing(), OpKind::LineTo, kGridColour), 0);
}

TEST_F(MapWindowTest, LaterVersionCommandsShowAModalNoticeThenDraw) {
    Open();
    enum Redraw { Nothing, Full, Over };
    const std::tuple<const char *, const char *, Redraw> rows[] = {
        {"mnuFileAbout", "Tavik - About", Nothing},
        {"mnuOptions", "Tavik - Options", Nothing},
        {"mnuGetDistance", "Tavik - Distance", Nothing},
        {"mnuStationData", "Tavik - GetData", Nothing},
        {"mnuPrint", "Tavik - Print", Nothing},
        {"mnuHome", "Tavik - Home", Full},
        {"mnuChannel", "Tavik - Channel", Over},
    };
    for (const auto &[item, caption, redraw] : rows) {
        SCOPED_TRACE(item);
        const std::size_t before = Drawing().size();
        const int legends = CountText(Drawing(), "Channel: 1080 kHz");
        QString title, notice;
        OnNextModal([&](QWidget *dialog) {
            title = dialog->windowTitle();
            notice = dialog->findChild<QLabel *>("Label1")->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"),
                              Qt::LeftButton);
        });
        Item(item)->trigger();
        EXPECT_EQ(title, caption);
        EXPECT_TRUE(notice.contains(PlaceholderDialog::kNotice));
        if (redraw == Nothing) {
            EXPECT_EQ(Drawing().size(), before);
        } else if (redraw == Full) {
            EXPECT_TRUE(Redrawn());
        } else { // the six layers over the picture, no Cls
            EXPECT_EQ(CountText(Drawing(), "Channel: 1080 kHz"), legends + 1);
        }
    }
    EXPECT_TRUE(Redrawn()) << "Channel added no Cls after Home's";
}

struct AllStationsRow {
    const char *name;
    const char *button; // nullptr: closed by its frame
    int16_t goBefore, goAfter;
    float scale;
    bool plotted;
};

class AllStationsTest : public MapWindowTest,
                        public ::testing::WithParamInterface<AllStationsRow> {};

TEST_P(AllStationsTest, TheAnswerDecidesTheOverview) {
    const AllStationsRow &row = GetParam();
    for (int c = 530; c <= 1700; c += 10)
        if (c != 1080)
            WriteLines(QString::number(c) + ".DAT", {});
    settings_.allStationsGo = row.goBefore;
    Open();
    const std::size_t before = Drawing().size();
    QString title, notice;
    QPoint place;
    OnNextModal([&](QWidget *dialog) {
        title = dialog->windowTitle();
        notice = dialog->findChild<QLabel *>("lblTimeNotice")->text();
        place = dialog->frameGeometry().topLeft();
        if (row.button)
            QTest::mouseClick(dialog->findChild<QPushButton *>(row.button),
                              Qt::LeftButton);
        else
            dialog->close();
    });
    Item("mnuShowStations")->trigger();

    EXPECT_EQ(title, "Tavik - Show stations");
    EXPECT_EQ(notice, "The process of showing the locations of all stations "
                      "on all frequencies is relatively time-consuming.");
    // 500 and 700 twips from the screen's corner, 15 twips a pixel.
    EXPECT_EQ(place, QGuiApplication::primaryScreen()->geometry().topLeft() +
                         QPoint(33, 47));
    EXPECT_EQ(settings_.allStationsGo, row.goAfter);
    EXPECT_FLOAT_EQ(settings_.scaleFactor, row.scale);
    EXPECT_FLOAT_EQ(settings_.patternSize, row.scale == 10000 ? 0.02f : 0.2f);
    if (row.plotted) {
        EXPECT_TRUE(Redrawn());
        EXPECT_EQ(CountText(Drawing(), " 1080"), 4);
        EXPECT_EQ(CountText(Drawing(), "KRLD"), 0) << "no channel plot";
        // 2 lines of the home mark, 2 per station cross.
        EXPECT_EQ(Count(Drawing(), OpKind::Line, kRed), 2 + 4 * 2);
    } else {
        EXPECT_EQ(Drawing().size(), before);
    }
    EXPECT_TRUE(Item("mnuZoomIn")->isEnabled());
    EXPECT_TRUE(messages_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AllStationsTest,
    ::testing::Values(
        AllStationsRow{"ZoomIn", "cmdAlterYes", 0, 1, 10000, true},
        AllStationsRow{"LeaveSize", "cmdAlterNo", 0, 1, 1000, true},
        AllStationsRow{"NoPlot", "cmdPlotNo", 1, 0, 1000, false},
        AllStationsRow{"FrameCloseFirstUse", nullptr, 0, 0, 1000, false},
        AllStationsRow{"FrameCloseAfterGo", nullptr, 1, 1, 1000, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MapWindowTest, ExitQuitSavesShowsTheNoticeThenEnds) {
    settings_.patternSize = 2.0f;
    Open();
    Item("mnuFileExit")->trigger();
    EXPECT_TRUE(QFile::exists("Tavik.cfg"));
    EXPECT_FLOAT_EQ(settings_.patternSize, 1.0f) << "saved within 0.02..1";
    EXPECT_EQ(waits_, std::vector<float>({3.0f}));
    EXPECT_TRUE(label1Shown_);
    auto *label1 = window_->findChild<QLabel *>("Label1");
    EXPECT_EQ(label1->text(),
              "Session data has been saved; feedback would be nice.");
    EXPECT_FALSE(label1->isVisible());
    EXPECT_FALSE(window_->isVisible());
    const auto *canvas = window_->findChild<MapCanvas *>("mapCanvas");
    EXPECT_EQ(label1->geometry(),
              canvas->ToWidget(15, 45, 11985, 300).toAlignedRect());
    EXPECT_EQ(label1->palette().color(QPalette::Window), QColor(204, 221, 238));
    EXPECT_EQ(label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(MapWindowTest, ExitEndsAtOnceAndTheFrameEndsWithoutSaving) {
    Open();
    window_->close();
    EXPECT_FALSE(QFile::exists("Tavik.cfg"));
    Open();
    Item("mnuOskel")->trigger();
    EXPECT_EQ(opened_,
              std::vector<QUrl>({QUrl("https://oskel-software.example/")}));
    Item("mnuExit")->trigger();
    EXPECT_TRUE(QFile::exists("Tavik.cfg"));
    EXPECT_TRUE(waits_.empty());
    EXPECT_FALSE(window_->isVisible());
}

// Whether a pixel within 3 of `p` passes `test`.
template <typename Test> bool Near(const QImage &image, QPoint p, Test test) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (test(image.pixelColor(p + QPoint(dx, dy))))
                return true;
    return false;
}
bool Red(const QColor &c) {
    return c.red() > 200 && c.green() < 90 && c.blue() < 90;
}
bool RingPink(const QColor &c) { // 0x9999FF antialiased on white
    return c.red() > 230 && c.green() < 215 && c.blue() < 215;
}

TEST_F(MapWindowTest, KeptPictureFollowsCommandsAndResizesWithoutFiles) {
    MapWindow &window = Open();
    auto *canvas = window.findChild<MapCanvas *>("mapCanvas");
    canvas->resize(480, 360);
    canvas->grab();
    Item("mnuDistance")->trigger(); // rings over the present picture
    const QRectF map = canvas->MapRect();
    const double s = map.width() / 12000;
    const QPoint ringTop =
        (map.topLeft() + QPointF(6000 * s, (4500 - 1335) * s)).toPoint();
    EXPECT_TRUE(Near(canvas->grab().toImage(), ringTop, RingPink));
    Item("mnuDistance")->trigger(); // cleared away again
    EXPECT_FALSE(Near(canvas->grab().toImage(), ringTop, RingPink));

    // With the data gone, a redraw would fail and say so; a resize must not.
    for (const char *name : {"STATES.dat", "REGION2.dat", "1080.DAT"})
        QFile::remove(name);
    const std::size_t kept = Drawing().size();
    for (const QSize size :
         {QSize(400, 300), QSize(900, 300), QSize(300, 700)}) {
        SCOPED_TRACE(size.width());
        canvas->resize(size);
        const QImage image = canvas->grab().toImage();
        const QRectF fit = canvas->MapRect();
        EXPECT_NEAR(fit.width() / fit.height(), 4.0 / 3.0, 0.01);
        EXPECT_NEAR(
            std::max(fit.width() / size.width(), fit.height() / size.height()),
            1.0, 1e-9);
        EXPECT_TRUE(Near(image, fit.center().toPoint(), Red)) << "home mark";
    }
    EXPECT_EQ(Drawing().size(), kept);
    EXPECT_TRUE(messages_.shown.empty());
}

} // namespace
} // namespace tavik
