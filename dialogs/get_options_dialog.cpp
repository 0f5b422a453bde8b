#include "dialogs/get_options_dialog.h"

#include "dialogs/dialog_placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace tavik {

namespace {

// The frame sits 500 twips from the screen's left edge and 700 from its top.
constexpr int kLeftTwips = 500;
constexpr int kTopTwips = 700;

struct FrameRow {
    const char *caption;
    // Buttons in the order shown, with the one meaning 1 first or second.
    const char *firstName, *firstCaption, *secondName, *secondCaption;
    bool firstMeansOn;
};

// In the order "Return" takes them: NEW, short, XENVA2, long, deleted,
// unit, compass.
constexpr FrameRow kFrames[] = {
    {"Show \"NEW\" callsigns", "Option1", "Yes", "Option2", "No", true},
    {"Show 1 and 2-character callsigns", "Option3", "Yes", "Option4", "No",
     true},
    {"Show \"XENVA2\" callsigns", "Option5", "Yes", "Option6", "No", true},
    {"Show very long callsigns", "Option7", "Yes", "Option8", "No", true},
    {"Show deleted facilities", "Option9", "Yes", "Option10", "No", true},
    {"Distance units", "Option11", "Kilometers", "Option12", "Miles", false},
    {"Compass", "Option13", "Yes", "Option14", "No", true},
};

QRadioButton *AddOption(QWidget *frame, const char *name, const char *caption) {
    auto *button = new QRadioButton(QString::fromLatin1(caption), frame);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

GetOptionsDialog::GetOptionsDialog(SessionSettings &settings, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmGetOptions"));
    setWindowTitle(QStringLiteral("Tavik - Get options"));
    setModal(true);

    int16_t *const targets[] = {&settings.show.showNew,     &settings.show.showShort,
                                &settings.show.showXenva2,  &settings.show.showLong,
                                &settings.show.showDeleted, &settings.distanceUnit,
                                &settings.compassOn};

    auto *layout = new QGridLayout(this);
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        const FrameRow &row = kFrames[i];
        auto *box = new QGroupBox(QString::fromLatin1(row.caption), this);
        box->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
        QRadioButton *first = AddOption(box, row.firstName, row.firstCaption);
        QRadioButton *second =
            AddOption(box, row.secondName, row.secondCaption);
        auto *buttons = new QHBoxLayout(box);
        buttons->addWidget(first);
        buttons->addWidget(second);

        Frame &frame = frames_[i];
        frame.setting = targets[i];
        frame.on = row.firstMeansOn ? first : second;
        frame.off = row.firstMeansOn ? second : first;
        // A value other than 0 and 1 leaves both buttons off.
        if (*frame.setting == 1)
            frame.on->setChecked(true);
        else if (*frame.setting == 0)
            frame.off->setChecked(true);
        layout->addWidget(box, static_cast<int>(i / 2),
                          static_cast<int>(i % 2));
    }

    // The unit changes at the click, so that closing by the frame keeps it.
    int16_t &unit = settings.distanceUnit;
    connect(frames_[5].off, &QRadioButton::clicked, this,
            [&unit] { unit = 0; });
    connect(frames_[5].on, &QRadioButton::clicked, this, [&unit] { unit = 1; });

    auto *ret = new QPushButton(QStringLiteral("Return"), this);
    ret->setObjectName(QStringLiteral("cmdExit"));
    ret->setDefault(true);
    connect(ret, &QPushButton::clicked, this, &GetOptionsDialog::Return);
    layout->addWidget(ret, 3, 1);

    PlaceFromScreenCorner(*this, parent, kLeftTwips, kTopTwips);
}

void GetOptionsDialog::Return() {
    for (const Frame &frame : frames_) {
        if (frame.on->isChecked())
            *frame.setting = 1;
        else if (frame.off->isChecked())
            *frame.setting = 0;
    }
    accept();
}

} // namespace tavik
