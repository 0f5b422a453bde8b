// The station data window's wiring; its rows, messages and pictures are
// pinned by the station search and station pattern tests.

#include "dialogs/station_data_dialog.h"
#include "map/qt/map_window.h"
#include "modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

namespace tavik {
namespace {

class StationDataDialogTest : public ::testing::Test {
  protected:
    StationDataDialogTest() {
        WriteLines((dir_.path() + "/1340.DAT").toStdString(),
                   {"KAAA,USA,TN,MEMPHIS,L,U,35.1,90.0,1,0,1", "0,1,0,0,0,0",
                    "NEW,USA,TN,NASHVILLE,L,U,36.1,86.7,1,0,1", "0,1,0,0,0,0",
                    "WBBB,USA,TN,KNOXVILLE,L,N,35.9,83.9,5,0,2", "0,1,0,0,0,0",
                    "0,1,0,-90,90,0"});
    }
    template <typename T = QLabel> T *Find(const char *name) {
        return dialog_.findChild<T *>(QString::fromLatin1(name));
    }
    // Searches for `text`; the calls of the rows listed.
    QStringList Search(const QString &text) {
        Find<QLineEdit>("txtGetData")->clear();
        QTest::keyClicks(Find<QLineEdit>("txtGetData"), text);
        QTest::mouseClick(Find<QPushButton>("cmdGetData"), Qt::LeftButton);
        QStringList rows;
        const QListWidget *list = Find<QListWidget>("lstGetData");
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text().left(9).trimmed();
        return rows;
    }

    QTemporaryDir dir_;
    SessionSettings settings_{1340, "", 0, 0, 0, 0, {}};
    RecordedMessages messages_;
    StationDataDialog dialog_{settings_, messages_, nullptr,
                              dir_.path().toStdString()};
};

// Row 2 draws WBBB (nighttime); a search without a file keeps the height.
TEST_F(StationDataDialogTest, SearchListsRowsAndAClickDrawsThatStation) {
    settings_.show.showNew = 1;
    dialog_.show();
    EXPECT_EQ(Find("Label2")->text(),
              "in the 1340 datafile (examples:  call, city or state)");
    EXPECT_FALSE(Find("Label4")->isVisible());
    EXPECT_TRUE(Search("zzz").isEmpty());
    EXPECT_EQ(dialog_.ListHeight(), 200);
    EXPECT_EQ(Search("ville"), QStringList({"NEW", "WBBB"}));
    EXPECT_TRUE(Find("Label4")->isVisible());
    EXPECT_EQ(dialog_.ListHeight(), 2 * 195 + 200);
    EXPECT_FALSE(Find("Label5")->isVisible());
    QListWidget *list = Find<QListWidget>("lstGetData");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    int black = 0; // WBBB's two towers in the nighttime colour
    for (const DrawOp &op : dialog_.Picture())
        black += op.kind == OpKind::LineTo && op.colour == kBlack;
    EXPECT_EQ(black, 180);
    EXPECT_TRUE(Find("Label5")->isVisible());

    QFile::remove(dir_.path() + "/1340.DAT");
    EXPECT_TRUE(Search("").isEmpty());
    EXPECT_EQ(dialog_.ListHeight(), 2 * 195 + 200) << "height unchanged";
    EXPECT_EQ(messages_.shown,
              (std::vector<std::string>{
                  "We did not find 'ZZZ'.\r\nIt may be listed on a frequency "
                  "other than this (1340).",
                  "There is no data for 1340"}));
    QTest::mouseClick(Find<QPushButton>("cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(StationDataDialogTest, MapWindowGetDataOpensItAndRedrawsNothing) {
    ReferenceLists lists;
    MapWindow window(settings_, lists, &messages_, {});
    const std::vector<DrawOp> before = window.Drawing();
    QString title;
    OnNextModal([&](QWidget *modal) {
        title = modal->windowTitle();
        QTest::mouseClick(modal->findChild<QPushButton *>("cmdExit"),
                          Qt::LeftButton);
    });
    window.findChild<QAction *>("mnuStationData")->trigger();
    EXPECT_EQ(title, "Tavik - Get data");
    EXPECT_EQ(window.Drawing().size(), before.size());
}

} // namespace
} // namespace tavik
