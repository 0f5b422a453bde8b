// The home and distance dialogs driven through their lists, boxes and
// buttons.

#include "dialogs/get_distance_dialog.h"
#include "dialogs/get_home_dialog.h"
#include "dialogs/list_lines_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

#include <memory>

namespace tavik {
namespace {

std::string City(const std::string &name, const std::string &lat,
                 const std::string &lon) {
    return Put(Put(Put("US TN", 12, name), 38, lat), 48, lon);
}
std::string Call(const std::string &call, const std::string &extra,
                 const std::string &lat, const std::string &lon) {
    return Put(Put(Put(Put(call, 9, extra), 15, "SOMEWHERE, TN"), 45, lat),
               55, lon);
}

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() {
        lists_.cities = {City("Chattanooga", "  35.0456", " -85.3097"),
                         City("Knoxville", "  36.02", "   -84.32"),
                         City("Nashville", "  36.1659", " -86.7844")};
        lists_.callsK = {Call("KAAA", "1000", "35.5", "-90.25")};
        // Enough lines that most are out of sight.
        for (int i = 0; i < 3000; ++i)
            lists_.callsW.push_back(
                Call("WA" + std::to_string(1000 + i), "", "40", "80"));
        lists_.callsW.push_back(Call("WXYZ", "1190", "36.0234", "-84.3167"));
        settings_.homeCity = "Dallas TX";
        settings_.homeLatitude = 36.0234f;
        settings_.homeLongitude = 84.3167f;
    }

    template <typename T = QLineEdit> T *Find(const char *name) {
        T *w = dialog_->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QString Text(const char *box) { return Find(box)->text(); }
    void Click(const char *list, int row) {
        auto *view = Find<ListLinesView>(list);
        view->scrollTo(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0))
                              .center());
    }
    void Press(const char *button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    void Type(const char *box, const QString &text) {
        Find(box)->clear();
        QTest::keyClicks(Find(box), text);
    }
    void OpenHome() {
        dialog_ = std::make_unique<GetHomeDialog>(settings_, lists_,
                                                  candidate_, nullptr);
        dialog_->show();
    }
    void OpenDistance() {
        dialog_ =
            std::make_unique<GetDistanceDialog>(settings_, lists_, nullptr);
        dialog_->show();
    }

    ReferenceLists lists_;
    SessionSettings settings_;
    HomeCandidate candidate_;
    std::unique_ptr<QDialog> dialog_;
};

TEST_F(DialogTest, HomeListsShowTheLinesAndBoxesTheHome) {
    OpenHome();
    EXPECT_EQ(dialog_->windowTitle(), "Tavik - Get home");
    const std::tuple<const char *, int, const std::string *> lists[] = {
        {"lstHome", 3, &lists_.cities[1]},
        {"lstCallsK", 1, &lists_.callsK[0]},
        {"lstCallsW", 3001, &lists_.callsW[3000]}};
    for (const auto &[name, rows, line] : lists) {
        auto *view = Find<ListLinesView>(name);
        EXPECT_EQ(view->model()->rowCount(), rows) << name;
        EXPECT_EQ(view->model()->index(rows == 3 ? 1 : rows - 1, 0).data(),
                  QString::fromStdString(*line));
        EXPECT_TRUE(QFontInfo(view->font()).fixedPitch()) << name;
    }
    EXPECT_EQ(Text("txtLatitude"), "36.023");
    EXPECT_EQ(Text("txtLongitude"), "84.317");
}

TEST_F(DialogTest, AcceptTakesTheBoxesAndTheLastClickedName) {
    const struct {
        const char *list;
        int row;
        const char *lat, *lon; // typed over the click; null keeps it
        const char *shownLat, *shownLon;
        float latitude, longitude;
        const char *name;
    } rows[] = {
        {"lstHome", 1, nullptr, nullptr, " 36.02", " 84.32", 36.02f, 84.32f,
         "Knoxville                  "},
        {"lstCallsW", 3000, "75", nullptr, " 36.0234", " 84.3167", 70,
         84.3167f, "WXYZ (1190)"},
        {"lstCallsK", 0, "10", "-180", " 35.5", " 90.25", 15, 170,
         "KAAA (1000)"},
        {nullptr, 0, "44", "25", "", "", 44, 30, "KAAA (1000)"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        OpenHome();
        if (row.list) {
            Click(row.list, row.row);
            EXPECT_EQ(Text("txtLatitude"), row.shownLat);
            EXPECT_EQ(Text("txtLongitude"), row.shownLon);
        }
        if (row.lat)
            Type("txtLatitude", row.lat);
        if (row.lon)
            Type("txtLongitude", row.lon);
        Press("cmdExit");
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_FLOAT_EQ(settings_.homeLatitude, row.latitude);
        EXPECT_FLOAT_EQ(settings_.homeLongitude, row.longitude);
        EXPECT_EQ(settings_.homeCity, row.name);
    }
}

TEST_F(DialogTest, OldValuesAndUseMapChangeNothing) {
    const SessionSettings before = settings_;
    for (const char *button : {"cmdQuickExit", "cmdGetMap"}) {
        OpenHome();
        Click("lstHome", 2);
        Type("txtLatitude", "50");
        Press(button);
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_EQ(static_cast<GetHomeDialog *>(dialog_.get())->UseMapChosen(),
                  std::string(button) == "cmdGetMap");
        EXPECT_EQ(settings_.homeCity, before.homeCity);
        EXPECT_FLOAT_EQ(settings_.homeLatitude, before.homeLatitude);
    }
    // Nothing clicked in this run: the name becomes empty.
    candidate_ = {};
    OpenHome();
    Press("cmdExit");
    EXPECT_EQ(settings_.homeCity, "");
}

TEST_F(DialogTest, TypingFirstLettersFindsACallOrACity) {
    OpenHome();
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"lstCallsW", "wxy", " 36.0234"}, {"lstHome", "KNO", " 36.02"}};
    for (const auto &[list, typed, latitude] : rows) {
        auto *view = Find<ListLinesView>(list);
        view->setFocus();
        QTest::keyClicks(view, typed);
        EXPECT_EQ(Text("txtLatitude"), latitude) << list;
        EXPECT_TRUE(view->viewport()->rect().intersects(
            view->visualRect(view->currentIndex())));
    }
}

TEST_F(DialogTest, HomeFromAListIsInSightWhenTheDialogOpens) {
    settings_.homeCity = "WXYZ (1190)";
    OpenHome();
    auto *view = Find<ListLinesView>("lstCallsW");
    const QModelIndex home = view->model()->index(3000, 0);
    EXPECT_EQ(view->currentIndex(), home);
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(home)));
    EXPECT_EQ(view->selectionModel()->selectedIndexes(), QModelIndexList{home});
    EXPECT_EQ(Text("txtLatitude"), "36.023") << "shown, not taken";
}

// Texts and limits are pinned in the list-pick tests; here the wiring.
TEST_F(DialogTest, DistanceToAClickedOrTypedTarget) {
    settings_.homeCity = "";
    settings_.homeLatitude = 30;
    settings_.homeLongitude = 90;
    settings_.distanceUnit = 1;
    OpenDistance();
    EXPECT_EQ(dialog_->windowTitle(), "Tavik - Get distance");
    EXPECT_EQ(Find<QLabel>("lblInstructions")->text(),
              "Get distance from 30N, 90W to:");
    for (const char *hidden : {"lblTargetBearing", "txtTargetBearing",
                               "lblTargetDistance", "txtTargetDistance"})
        EXPECT_FALSE(Find<QWidget>(hidden)->isVisible()) << hidden;
    Press("cmdGetDistance"); // empty boxes: nothing
    EXPECT_FALSE(Find("txtTargetBearing")->isVisible());

    // KAAA at 35.5 N 90.25 W, keeping its sign; a city made non-negative.
    Click("lstCallsK", 0);
    EXPECT_EQ(Text("txtLongitude"), "-90.25");
    Type("txtLatitude", "40");
    Type("txtLongitude", "-90.01");
    Press("cmdGetDistance");
    EXPECT_TRUE(Find("txtTargetBearing")->isVisible());
    EXPECT_EQ(Text("txtTargetBearing"), " 359.9 deg");
    EXPECT_EQ(Text("txtTargetDistance"), " 692.4 mi ");
    Click("lstTarget", 0);
    EXPECT_EQ(Text("txtLongitude"), " 85.3097");
    EXPECT_EQ(Text("txtTargetDistance"), "");
    EXPECT_TRUE(Find("txtTargetDistance")->isVisible());
    Press("cmdExit");
    EXPECT_FALSE(dialog_->isVisible());
}

} // namespace
} // namespace tavik
