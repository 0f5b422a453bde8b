#include "dialogs/get_home_dialog.h"

#include "core/number_text.h"
#include "dialogs/list_lines_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tavik {

namespace {

constexpr ListKind kKinds[3] = {ListKind::Cities, ListKind::CallsK,
                                ListKind::CallsW};

} // namespace

GetHomeDialog::GetHomeDialog(SessionSettings &settings,
                             const ReferenceLists &lists,
                             HomeCandidate &candidate, QWidget *parent)
    : QDialog(parent), settings_(settings), lists_(lists),
      candidate_(candidate) {
    setObjectName(QStringLiteral("frmGetHome"));
    setWindowTitle(QStringLiteral("Tavik - Get home"));
    setModal(true);

    auto *grid = new QGridLayout(this);
    AddReferenceLists(grid, lists_, "lstHome", lists3_);
    for (int k = 0; k < 3; ++k)
        connect(lists3_[k], &ListLinesView::LineTaken, this,
                [this, k](int row) { Take(kKinds[k], row); });

    auto *boxes = new QHBoxLayout;
    latitude_ = AddBox(this, boxes, "lblLatitude", "Home latitude:",
                       "txtLatitude");
    longitude_ = AddBox(this, boxes, "lblLongitude", "Home longitude:",
                        "txtLongitude");
    boxes->addStretch();
    grid->addLayout(boxes, 4, 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    connect(AddButton(this, buttons, "cmdExit", "Accept and return"),
            &QPushButton::clicked, this, &GetHomeDialog::AcceptAndReturn);
    connect(AddButton(this, buttons, "cmdQuickExit",
                      "Use old values and return"),
            &QPushButton::clicked, this, &QDialog::reject);
    connect(AddButton(this, buttons, "cmdGetMap", "Use map"),
            &QPushButton::clicked, this, [this] {
                useMap_ = true;
                reject();
            });
    buttons->addStretch();
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    resize(sizeHint().width(), 640);

    latitude_->setText(QString::fromStdString(
        FormatNumberText(settings_.homeLatitude)));
    longitude_->setText(QString::fromStdString(
        FormatNumberText(settings_.homeLongitude)));
    if (const std::optional<ListEntry> home =
            FindHomeLine(lists_, settings_, candidate_)) {
        ListLinesView *list = lists3_[static_cast<int>(home->list)];
        list->ShowLine(home->index - 1);
        list->setFocus();
    }
}

void GetHomeDialog::Take(ListKind kind, int row) {
    const std::vector<std::string> &lines = Lines(lists_, kind);
    if (row < 0 || static_cast<std::size_t>(row) >= lines.size())
        return;
    candidate_ = PickHomeLine(kind, static_cast<int16_t>(row + 1),
                              lines[static_cast<std::size_t>(row)]);
    latitude_->setText(
        QString::fromStdString(SignedNumberText(candidate_.latitude)));
    longitude_->setText(
        QString::fromStdString(SignedNumberText(candidate_.longitude)));
    // One line is taken at a time: the other lists lose their highlight.
    for (int k = 0; k < 3; ++k)
        if (kKinds[k] != kind)
            lists3_[k]->Unselect();
}

void GetHomeDialog::AcceptAndReturn() {
    AcceptHome(settings_, latitude_->text().toStdString(),
               longitude_->text().toStdString(), candidate_);
    accept();
}

} // namespace tavik
