#include "dialogs/get_distance_dialog.h"

#include "core/number_text.h"
#include "dialogs/list_lines_view.h"
#include "dialogs/message_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavik {

namespace {

constexpr ListKind kKinds[3] = {ListKind::Cities, ListKind::CallsK,
                                ListKind::CallsW};

} // namespace

GetDistanceDialog::GetDistanceDialog(const SessionSettings &settings,
                                     const ReferenceLists &lists,
                                     QWidget *parent)
    : QDialog(parent), settings_(settings), lists_(lists) {
    setObjectName(QStringLiteral("frmGetDistance"));
    setWindowTitle(QStringLiteral("Tavik - Get distance"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *instructions =
        new QLabel(ProgramText(DistanceInstruction(settings_)), this);
    instructions->setObjectName(QStringLiteral("lblInstructions"));
    QFont bold = instructions->font();
    bold.setBold(true);
    instructions->setFont(bold);
    layout->addWidget(instructions);

    auto *grid = new QGridLayout;
    layout->addLayout(grid, 1);
    AddReferenceLists(grid, lists_, "lstTarget", lists3_);
    for (int k = 0; k < 3; ++k)
        connect(lists3_[k], &ListLinesView::LineTaken, this,
                [this, k](int row) { Take(kKinds[k], row); });

    auto *target = new QHBoxLayout;
    latitude_ = AddBox(this, target, "lblTargetLatitude", "Target latitude: ",
                       "txtLatitude");
    longitude_ = AddBox(this, target, "lblTargetLongitude",
                        "Target longitude: ", "txtLongitude");
    connect(AddButton(this, target, "cmdGetDistance", "Get distance"),
            &QPushButton::clicked, this, &GetDistanceDialog::GetDistance);
    target->addStretch();
    layout->addLayout(target);

    auto *results = new QHBoxLayout;
    bearing_ = AddBox(this, results, "lblTargetBearing", "Target bearing: ",
                      "txtTargetBearing");
    distance_ = AddBox(this, results, "lblTargetDistance",
                       "Target distance: ", "txtTargetDistance");
    results_ = {findChild<QLabel *>(QStringLiteral("lblTargetBearing")),
                bearing_,
                findChild<QLabel *>(QStringLiteral("lblTargetDistance")),
                distance_};
    for (QWidget *w : results_) {
        // Hidden until the first result, holding their place meanwhile so
        // that the window does not change its layout then.
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        w->setVisible(false);
    }
    results->addStretch();
    connect(AddButton(this, results, "cmdExit", "Return"),
            &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(results);
    resize(sizeHint().width(), 640);
}

void GetDistanceDialog::Take(ListKind kind, int row) {
    const std::vector<std::string> &lines = Lines(lists_, kind);
    if (row < 0 || static_cast<std::size_t>(row) >= lines.size())
        return;
    const ListPoint target =
        DistanceTarget(kind, lines[static_cast<std::size_t>(row)]);
    latitude_->setText(
        QString::fromStdString(SignedNumberText(target.latitude)));
    longitude_->setText(
        QString::fromStdString(SignedNumberText(target.longitude)));
    bearing_->clear();
    distance_->clear();
    for (int k = 0; k < 3; ++k)
        if (kKinds[k] != kind)
            lists3_[k]->Unselect();
}

void GetDistanceDialog::GetDistance() {
    const std::optional<DistanceTexts> result =
        MeasureDistance(settings_, latitude_->text().toStdString(),
                        longitude_->text().toStdString());
    if (!result)
        return;
    for (QWidget *w : results_)
        w->setVisible(true);
    bearing_->setText(QString::fromStdString(result->bearing));
    distance_->setText(QString::fromStdString(result->distance));
}

} // namespace tavik
