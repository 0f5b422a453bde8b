#include "dialogs/placeholder_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavik {

PlaceholderDialog::PlaceholderDialog(const QString &task, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPlaceholder"));
    setWindowTitle(QStringLiteral("Tavik - ") + task);
    setModal(true);

    auto *label1 = new QLabel(
        task + QStringLiteral(": ") + QString::fromLatin1(kNotice), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace tavik
