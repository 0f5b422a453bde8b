// The channel, options and about dialogs, shown and clicked as a user does.

#include "dialogs/about_dialog.h"
#include "dialogs/get_channel_dialog.h"
#include "dialogs/get_options_dialog.h"
#include "map/qt/maker_page.h"
#include "map/recording_surface.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik {
namespace {

template <typename T> T *Child(QWidget &parent, const char *name) {
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget &dialog, const char *button) {
    QTest::mouseClick(Child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

struct ChannelRow {
    float stored;
    const char *typed; // null: the text at load is left
    const char *button;
    float channel;
    const char *message; // null: none
};

TEST(GetChannelDialogTest, TypedChannelsAreWidenedAndClampedByButton) {
    const char *over = GetChannelDialog::kOverMessage;
    const char *under = GetChannelDialog::kUnderMessage;
    const ChannelRow rows[] = {
        {1080, "119", "cmdErasePlot", 1190, nullptr},
        {1080, "119", "cmdExit", 530, under},
        {1080, "53", "cmdErasePlot", 530, nullptr},
        {1080, "170", "cmdErasePlot", 1700, nullptr},
        {1080, "52", "cmdErasePlot", 530, under},
        {1080, "171", "cmdErasePlot", 530, under},
        {1080, "170.5", "cmdErasePlot", 1700, over},
        {1080, "1.19k", "cmdExit", 1190, nullptr},
        {1080, "1190 kHz", "cmdExit", 1700, over},
        {1080, "1195", "cmdExit", 1195, nullptr},
        // The steps start from the stored channel, whatever is typed.
        {1190, "600", "cmdUpOne", 1200, nullptr},
        {1190, "600", "cmdDownOne", 1180, nullptr},
        {1700, nullptr, "cmdUpOne", 1700, nullptr},
        {530, nullptr, "cmdDownOne", 530, nullptr},
        {1695, nullptr, "cmdUpOne", 1700, nullptr},
    };
    for (const ChannelRow &row : rows) {
        SCOPED_TRACE(std::string(row.typed ? row.typed : "-") + " " +
                     row.button);
        SessionSettings settings;
        settings.channelKHz = row.stored;
        RecordingSurface map;
        RecordedMessages messages;
        GetChannelDialog dialog(settings, map, messages, nullptr);
        dialog.show();
        auto *text = Child<QLineEdit>(dialog, "txtGetChannel");
        if (row.typed) {
            text->selectAll();
            QTest::keyClicks(text, row.typed);
        }
        Click(dialog, row.button);
        EXPECT_FLOAT_EQ(settings.channelKHz, row.channel);
        EXPECT_EQ(messages.shown, row.message
                                      ? std::vector<std::string>{row.message}
                                      : std::vector<std::string>{});
        const bool erased = std::string(row.button) == "cmdErasePlot";
        EXPECT_EQ(map.ops.size(), erased ? 1u : 0u);
        EXPECT_TRUE(map.ops.empty() || map.ops[0].kind == OpKind::Cls);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(GetChannelDialogTest, OpensOnTheStoredChannelAndTheFrameChangesNothing) {
    const std::pair<float, const char *> rows[] = {
        {525, " 525"}, {1705, " 1705"}, {520, "530"}, {1710, "530"}};
    for (const auto &[stored, shown] : rows) {
        SessionSettings settings;
        settings.channelKHz = stored;
        RecordingSurface map;
        RecordedMessages messages;
        GetChannelDialog dialog(settings, map, messages, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Tavik - Get channel");
        dialog.show();
        EXPECT_EQ(Child<QLineEdit>(dialog, "txtGetChannel")->text(), shown);
        dialog.close();
        EXPECT_EQ(settings.channelKHz, stored);
        EXPECT_TRUE(map.ops.empty() && messages.shown.empty());
    }
}

TEST(GetOptionsDialogTest, ButtonsShowTheSettingsAndReturnReadsThemBack) {
    SessionSettings settings;
    settings.show.showNew = 1;
    settings.show.showXenva2 = 2; // neither: the frame's buttons stay off
    settings.distanceUnit = 1;
    GetOptionsDialog dialog(settings, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Tavik - Get options");
    const QScreen *screen = QGuiApplication::primaryScreen();
    EXPECT_EQ(dialog.pos(), screen->geometry().topLeft() + QPoint(33, 47));
    dialog.show();
    QString on;
    for (int i = 1; i <= 14; ++i)
        if (Child<QRadioButton>(dialog, ("Option" + std::to_string(i)).c_str())
                ->isChecked())
            on += QString::number(i) + " ";
    EXPECT_EQ(on, "1 4 8 10 12 14 ");

    // Kilometers takes effect at the click; the rest waits for Return.
    for (const char *option : {"Option2", "Option5", "Option11", "Option13"})
        Click(dialog, option);
    EXPECT_EQ(settings.distanceUnit, 0);
    EXPECT_EQ(settings.show.showNew, 1);
    Click(dialog, "cmdExit");
    const std::vector<int16_t> after = {
        settings.show.showNew,  settings.show.showShort,   settings.show.showXenva2,
        settings.show.showLong, settings.show.showDeleted, settings.distanceUnit,
        settings.compassOn};
    EXPECT_EQ(after, std::vector<int16_t>({0, 0, 1, 0, 0, 0, 1}));
}

TEST(GetOptionsDialogTest, FrameCloseKeepsAllButTheClickedUnit) {
    SessionSettings settings;
    GetOptionsDialog dialog(settings, nullptr);
    dialog.show();
    for (const char *option : {"Option1", "Option12", "Option13"})
        Click(dialog, option);
    dialog.close();
    EXPECT_EQ(settings.distanceUnit, 1);
    EXPECT_EQ(settings.show.showNew + settings.compassOn, 0);
}

TEST(AboutDialogTest, ShowsVersionNoticeAndOpensTheMakersAddress) {
    std::vector<QUrl> opened;
    AboutDialog dialog([&](const QUrl &url) { opened.push_back(url); },
                       nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Tavik - About");
    EXPECT_EQ(dialog.size(), QSize(459, 411)); // 6885 x 6165 twips
    const std::pair<const char *, QString> texts[] = {
        {"lblTitle", "Tavik"},
        {"lblVersion", "Version 2.09"},
        {"lblDescription", "(c) 2026 Oskel Software"},
        {"lblOskelSoftware",
         "Visit Oskel Software at   https://oskel-software.example/"}};
    for (const auto &[name, text] : texts)
        EXPECT_EQ(Child<QLabel>(dialog, name)->text(), text);
    const QString notice = Child<QLabel>(dialog, "lblWarning")->text();
    for (const char *part :
         {"copyright", "FCC AM list of January 2026", "Canadian", "GSHHG 2.3.7",
          "GeoNames", "CC BY 4.0", "LGPL-3+"})
        EXPECT_TRUE(notice.contains(part)) << part;
    EXPECT_EQ(Child<QLabel>(dialog, "Image1")->geometry(),
              QRect(32, 176, 150, 150));
    EXPECT_EQ(Child<QLabel>(dialog, "Image1")->pixmap().size(),
              QSize(150, 150));
    EXPECT_EQ(Child<QLabel>(dialog, "Image2")->pixmap().size(), QSize(32, 32));

    QTest::mouseClick(Child<QLabel>(dialog, "lblOskelSoftware"),
                      Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<QUrl>({MakerPageUrl()}));
    Click(dialog, "cmdExit");
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace tavik
