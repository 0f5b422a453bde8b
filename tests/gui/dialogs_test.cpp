// The channel, options and about dialogs clicked as a user does (the menu
// items opening them are the map window's test).

#include "dialogs/about_dialog.h"
#include "dialogs/get_channel_dialog.h"
#include "dialogs/get_options_dialog.h"
#include "map/qt/maker_page.h"
#include "map/recording_surface.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace tavik {
namespace {

template <typename T> T *Child(QWidget &parent, const char *name) {
    return parent.findChild<T *>(QString::fromLatin1(name));
}

void Click(QWidget &dialog, const char *button) {
    QTest::mouseClick(Child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

// "530" at load for a stored channel at or beyond 520 and 1710; "Erase and
// plot" reads 53..170 as tens; steps go from the stored channel.
TEST(GetChannelDialogTest, ButtonsWidenClampOrStepTheChannel) {
    const std::vector<std::string> none, over{GetChannelDialog::kOverMessage},
        under{GetChannelDialog::kUnderMessage};
    const struct {
        float stored;
        const char *shown;
        const char *typed; // null: the text at load is left
        const char *button;
        float channel;
        const std::vector<std::string> &messages;
    } rows[] = {{1080, " 1080", "119", "cmdErasePlot", 1190, none},
                {1080, " 1080", "119", "cmdExit", 530, under},
                {1080, " 1080", "53", "cmdErasePlot", 530, none},
                {1080, " 1080", "170", "cmdErasePlot", 1700, none},
                {1080, " 1080", "52", "cmdErasePlot", 530, under},
                {1080, " 1080", "171", "cmdErasePlot", 530, under},
                {1080, " 1080", "170.5", "cmdErasePlot", 1700, over},
                {1080, " 1080", "1190 kHz", "cmdExit", 1700, over},
                {1190, " 1190", "600", "cmdUpOne", 1200, none},
                {1190, " 1190", "600", "cmdDownOne", 1180, none},
                {1700, " 1700", nullptr, "cmdUpOne", 1700, none},
                {530, " 530", nullptr, "cmdDownOne", 530, none},
                {1705, " 1705", nullptr, "cmdExit", 1700, over},
                {525, " 525", nullptr, "cmdExit", 530, under},
                {520, "530", nullptr, "cmdExit", 530, none},
                {1710, "530", nullptr, "cmdExit", 530, none}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed ? row.typed : row.shown);
        SessionSettings settings{row.stored, "", 0, 0, 0, 0, {}};
        RecordingSurface map;
        RecordedMessages messages;
        GetChannelDialog dialog(settings, map, messages, nullptr);
        dialog.show();
        auto *text = Child<QLineEdit>(dialog, "txtGetChannel");
        EXPECT_EQ(text->text(), row.shown);
        if (row.typed) {
            text->selectAll();
            QTest::keyClicks(text, row.typed);
        }
        Click(dialog, row.button);
        EXPECT_FLOAT_EQ(settings.channelKHz, row.channel);
        EXPECT_EQ(messages.shown, row.messages);
        EXPECT_EQ(map.ops.size() == 1 && map.ops[0].kind == OpKind::Cls,
                  std::string(row.button) == "cmdErasePlot");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

// A value other than 0 and 1 checks neither button; the unit changes at its
// click, so that closing by the frame keeps it, the rest at "Return".
TEST(GetOptionsDialogTest, ButtonsShowTheSettingsUnitAtOnceRestAtReturn) {
    SessionSettings settings{0, "", 0, 0, 0, 0, {1, 0, 2, 0, 0}, 1};
    const auto values = [&settings] {
        const ShowFlags &f = settings.show;
        return std::vector<int>{
            f.showNew,     f.showShort,           f.showXenva2,      f.showLong,
            f.showDeleted, settings.distanceUnit, settings.compassOn};
    };
    GetOptionsDialog dialog(settings, nullptr);
    const QScreen *screen = QGuiApplication::primaryScreen();
    EXPECT_EQ(dialog.pos(), screen->geometry().topLeft() + QPoint(33, 47));
    dialog.show();
    QString on;
    for (int i = 1; i <= 14; ++i)
        if (Child<QRadioButton>(dialog, ("Option" + std::to_string(i)).c_str())
                ->isChecked())
            on += QString::number(i) + " ";
    EXPECT_EQ(on, "1 4 8 10 12 14 ");

    for (const char *option : {"Option2", "Option5", "Option11", "Option13"})
        Click(dialog, option);
    EXPECT_EQ(values(), (std::vector<int>{1, 0, 2, 0, 0, 0, 0}));
    Click(dialog, "Option12");
    dialog.close();
    EXPECT_EQ(values(), (std::vector<int>{1, 0, 2, 0, 0, 1, 0}));
    dialog.show();
    Click(dialog, "cmdExit");
    EXPECT_EQ(values(), (std::vector<int>{0, 0, 1, 0, 0, 1, 1}));
}

TEST(AboutDialogTest, ShowsVersionAndPicturesAndOpensTheMakersPage) {
    std::vector<QUrl> opened;
    AboutDialog dialog([&](const QUrl &url) { opened.push_back(url); },
                       nullptr);
    dialog.show();
    EXPECT_EQ(Child<QLabel>(dialog, "lblVersion")->text(), "Version 2.09");
    auto *visit = Child<QLabel>(dialog, "lblOskelSoftware");
    EXPECT_EQ(visit->text(),
              "Visit Oskel Software at   https://oskel-software.example/");
    EXPECT_EQ(Child<QLabel>(dialog, "Image1")->pixmap().size(),
              QSize(150, 150));
    EXPECT_EQ(Child<QLabel>(dialog, "Image2")->pixmap().size(), QSize(32, 32));
    QTest::mouseClick(visit, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QUrl>({MakerPageUrl()}));
}

} // namespace
} // namespace tavik
