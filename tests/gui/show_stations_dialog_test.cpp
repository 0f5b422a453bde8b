// frmShowStations on its own: its texts, place and the answer each button
// writes into the session.

#include "dialogs/show_stations_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace tavik {
namespace {

TEST(ShowStationsDialogTest, TextsAndPlace) {
    SessionSettings settings;
    ShowStationsDialog dialog(settings, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.objectName(), "frmShowStations");
    EXPECT_EQ(dialog.windowTitle(), "Tavik - Show stations");
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.findChild<QLabel *>("lblTimeNotice")->text(),
              "The process of showing the locations of all stations on all "
              "frequencies is relatively time-consuming.");
    const std::pair<const char *, const char *> buttons[] = {
        {"cmdAlterYes", "Zoom in for local view"},
        {"cmdAlterNo", "Leave mapsize intact"},
        {"cmdPlotNo", "Return - no plotting"}};
    for (const auto &[name, caption] : buttons) {
        auto *button = dialog.findChild<QPushButton *>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
    }
    // 500 and 700 twips from the screen's corner, 15 twips a pixel.
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              QGuiApplication::primaryScreen()->geometry().topLeft() +
                  QPoint(33, 47));
}

struct AnswerRow {
    const char *button; // nullptr: closed by the frame
    int16_t goBefore;
    int16_t goAfter;
    float scale, pattern;
    int result;
};

class ShowStationsAnswerTest : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(ShowStationsAnswerTest, WritesTheAnswerAndCloses) {
    const AnswerRow &row = GetParam();
    SessionSettings settings;
    settings.scaleFactor = 1414.2136f;
    settings.patternSize = 0.5f;
    settings.allStationsGo = row.goBefore;
    ShowStationsDialog dialog(settings, nullptr);
    dialog.show();
    if (row.button)
        QTest::mouseClick(dialog.findChild<QPushButton *>(row.button),
                          Qt::LeftButton);
    else
        dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), row.result);
    EXPECT_EQ(settings.allStationsGo, row.goAfter);
    EXPECT_FLOAT_EQ(settings.scaleFactor, row.scale);
    EXPECT_FLOAT_EQ(settings.patternSize, row.pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShowStationsAnswerTest,
    ::testing::Values(
        AnswerRow{"cmdAlterYes", 0, 1, 10000, 0.02f, QDialog::Accepted},
        AnswerRow{"cmdAlterNo", 0, 1, 1414.2136f, 0.5f, QDialog::Accepted},
        AnswerRow{"cmdPlotNo", 1, 0, 1414.2136f, 0.5f, QDialog::Accepted},
        AnswerRow{nullptr, 1, 1, 1414.2136f, 0.5f, QDialog::Rejected},
        AnswerRow{nullptr, 0, 0, 1414.2136f, 0.5f, QDialog::Rejected}));

} // namespace
} // namespace tavik
