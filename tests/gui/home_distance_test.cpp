// The home and distance dialogs' wiring; what a line or a box is read as is
// pinned by the list-pick tests.

#include "dialogs/get_distance_dialog.h"
#include "dialogs/get_home_dialog.h"
#include "dialogs/list_lines_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

#include <memory>

namespace tavik {
namespace {

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() {
        lists_.cities = {CityLine("Chattanooga", "  35.0456", " -85.3097"),
                         CityLine("Knoxville", "  36.02", "   -84.32")};
        lists_.callsK = {CallLine("KAAA", "1000", "35.5", "-90.25")};
        // Enough lines that most are out of sight.
        for (int i = 0; i < 3000; ++i)
            lists_.callsW.push_back(
                CallLine("WA" + std::to_string(1000 + i), "", "40", "80"));
        lists_.callsW.push_back(
            CallLine("WXYZ", "1190", "36.0234", "-84.3167"));
    }

    template <typename T = QLineEdit> T *Find(const char *name) {
        return dialog_->findChild<T *>(QString::fromLatin1(name));
    }
    QString Text(const char *box) { return Find(box)->text(); }
    void Click(const char *list, int row) {
        auto *view = Find<ListLinesView>(list);
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, {},
            view->visualRect(view->model()->index(row, 0)).center());
    }
    void Press(const char *button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    void Type(const char *box, const QString &text) {
        Find(box)->clear();
        QTest::keyClicks(Find(box), text);
    }
    void OpenHome() {
        dialog_ = std::make_unique<GetHomeDialog>(settings_, lists_, candidate_,
                                                  nullptr);
        dialog_->show();
    }

    ReferenceLists lists_;
    SessionSettings settings_{0, "Dallas TX", 36.0234f, 84.3167f, 0, 0, {}};
    HomeCandidate candidate_;
    std::unique_ptr<QDialog> dialog_;
};

// Each list read as its kind; the last click is kept for the next opening;
// "Use old values" changes nothing ("Use map" is the map window's test).
TEST_F(DialogTest, AcceptTakesTheBoxesAndTheLastClickedName) {
    const std::string knoxville = "Knoxville                  |36.02|84.32";
    const struct {
        const char *list;
        int row;
        const char *shown;     // the boxes after the click
        const char *lat, *lon; // typed over the click; null keeps it
        const char *button;
        std::string home; // name, latitude, longitude
    } rows[] = {
        {"lstHome", 1, " 36.02 84.32", nullptr, nullptr, "cmdExit", knoxville},
        {"lstCallsK", 0, " 35.5 90.25", "75", "-180", "cmdQuickExit",
         knoxville},
        {nullptr, 0, "", "75", "-180", "cmdExit", "KAAA (1000)|70|170"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.button);
        OpenHome();
        if (row.list) {
            Click(row.list, row.row);
            EXPECT_EQ(Text("txtLatitude") + Text("txtLongitude"), row.shown);
        }
        if (row.lat) {
            Type("txtLatitude", row.lat);
            Type("txtLongitude", row.lon);
        }
        Press(row.button);
        EXPECT_FALSE(dialog_->isVisible());
        EXPECT_EQ(settings_.homeCity + "|" +
                      SessionNumberText(settings_.homeLatitude) + "|" +
                      SessionNumberText(settings_.homeLongitude),
                  row.home);
    }
}

// Home's line is in sight and highlighted at the opening, not taken; typed
// first letters find a call or a city (name from column 12) and take it.
TEST_F(DialogTest, HomeLineInSightAndTypedLettersFindALine) {
    settings_.homeCity = "WXYZ (1190)";
    OpenHome();
    auto *calls = Find<ListLinesView>("lstCallsW");
    const QModelIndex home = calls->model()->index(3000, 0);
    EXPECT_EQ(calls->currentIndex(), home);
    EXPECT_EQ(calls->selectionModel()->selectedIndexes(),
              QModelIndexList{home});
    EXPECT_TRUE(calls->viewport()->rect().contains(calls->visualRect(home)));
    EXPECT_EQ(Text("txtLatitude") + Text("txtLongitude"), "36.02384.317");
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"lstCallsW", "wa1", " 40"}, {"lstHome", "KNO", " 36.02"}};
    for (const auto &[list, typed, latitude] : rows) {
        auto *view = Find<ListLinesView>(list);
        view->setFocus();
        QTest::keyClicks(view, typed);
        EXPECT_EQ(Text("txtLatitude"), latitude) << list;
    }
}

TEST_F(DialogTest, DistanceToAClickedOrTypedTarget) {
    settings_ = {0, "", 30, 90, 0, 0, {}, 1}; // in miles
    dialog_ = std::make_unique<GetDistanceDialog>(settings_, lists_, nullptr);
    dialog_->show();
    EXPECT_EQ(Find<QLabel>("lblInstructions")->text(),
              "Get distance from 30N, 90W to:");
    Press("cmdGetDistance"); // empty boxes: the results stay hidden
    for (const char *hidden : {"lblTargetBearing", "txtTargetDistance"})
        EXPECT_FALSE(Find<QWidget>(hidden)->isVisible()) << hidden;

    // KAAA at 35.5 N 90.25 W, keeping its sign; a city made non-negative.
    Click("lstCallsK", 0);
    EXPECT_EQ(Text("txtLongitude"), "-90.25");
    Type("txtLatitude", "40");
    Type("txtLongitude", "-90.01");
    Press("cmdGetDistance");
    EXPECT_TRUE(Find("txtTargetBearing")->isVisible());
    EXPECT_EQ(Text("txtTargetBearing") + Text("txtTargetDistance"),
              " 359.9 deg 692.4 mi ");
    Click("lstTarget", 0);
    EXPECT_EQ(Text("txtLongitude") + Text("txtTargetDistance"), " 85.3097");
    EXPECT_TRUE(Find("txtTargetDistance")->isVisible());
}

} // namespace
} // namespace tavik
