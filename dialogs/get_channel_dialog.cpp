#include "dialogs/get_channel_dialog.h"

#include "core/number_text.h"
#include "stations/channel_file.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavik {

namespace {

// Below this (and above its tenfold neighbour) a typed channel is read as
// tens of kHz by "Erase and plot".
constexpr float kTensLow = 52, kTensHigh = 171;
// A stored channel at or beyond these opens the dialog on "530".
constexpr float kOpenLow = 520, kOpenHigh = 1710;
constexpr float kChannelStep = 10;

QPushButton *AddButton(QWidget *parent, const char *name, const char *caption) {
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

GetChannelDialog::GetChannelDialog(SessionSettings &settings,
                                   DrawingSurface &mapSurface,
                                   MessageSink &messages, QWidget *parent)
    : QDialog(parent), settings_(settings), mapSurface_(mapSurface),
      messages_(messages) {
    setObjectName(QStringLiteral("frmGetChannel"));
    setWindowTitle(QStringLiteral("Tavik - Get channel"));
    setModal(true);

    auto *label = new QLabel(QStringLiteral("Plot which channel (kHz):"), this);
    label->setObjectName(QStringLiteral("lblGetChannel"));
    text_ = new QLineEdit(TextAtLoad(settings.channelKHz), this);
    text_->setObjectName(QStringLiteral("txtGetChannel"));
    label->setBuddy(text_);

    QPushButton *erase = AddButton(this, "cmdErasePlot", "Erase and plot");
    QPushButton *add = AddButton(this, "cmdExit", "Add plot");
    QPushButton *up = AddButton(this, "cmdUpOne", "Up one and add plot");
    QPushButton *down = AddButton(this, "cmdDownOne", "Down one and add plot");
    erase->setDefault(true);
    connect(erase, &QPushButton::clicked, this,
            [this] { TakeTyped(true, true); });
    connect(add, &QPushButton::clicked, this,
            [this] { TakeTyped(false, false); });
    connect(up, &QPushButton::clicked, this, [this] { Step(kChannelStep); });
    connect(down, &QPushButton::clicked, this, [this] { Step(-kChannelStep); });

    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(text_, 0, 1);
    layout->addWidget(erase, 1, 0);
    layout->addWidget(add, 1, 1);
    layout->addWidget(up, 2, 0);
    layout->addWidget(down, 2, 1);
    text_->selectAll();
    text_->setFocus();
}

QString GetChannelDialog::TextAtLoad(float channelKHz) {
    if (!(channelKHz > kOpenLow && channelKHz < kOpenHigh))
        return QStringLiteral("530");
    return QStringLiteral(" ") +
           QString::fromStdString(ShortestText(channelKHz));
}

void GetChannelDialog::TakeTyped(bool widen, bool erase) {
    float channel = ParseNumberText(text_->text().toStdString());
    if (widen && channel > kTensLow && channel < kTensHigh)
        channel *= 10;
    if (channel > kHighestChannel) {
        channel = kHighestChannel;
        messages_.ShowMessage(kOverMessage);
    }
    if (channel < kLowestChannel) {
        channel = kLowestChannel;
        messages_.ShowMessage(kUnderMessage);
    }
    settings_.channelKHz = channel;
    if (erase)
        mapSurface_.Cls();
    accept();
}

void GetChannelDialog::Step(float kHz) {
    // Only the end stepped towards is held: up stops at 1700, down at 530.
    float channel = settings_.channelKHz + kHz;
    if (kHz > 0 && channel > kHighestChannel)
        channel = kHighestChannel;
    if (kHz < 0 && channel < kLowestChannel)
        channel = kLowestChannel;
    settings_.channelKHz = channel;
    accept();
}

} // namespace tavik
