#include "editing/SearchDialogParts.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

QLineEdit* addLabelledEdit(QGridLayout* grid, int row, const QString& name, const QString& caption,
                           const QString& hint) {
    QWidget* owner = grid->parentWidget();
    auto* edit = new QLineEdit(owner);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    auto* label = new QLabel(caption, owner);
    label->setObjectName(name + QStringLiteral("Label"));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    if (!hint.isEmpty())
        box->setToolTip(hint);
    box->setChecked(checked);
    return box;
}

void addOkCancel(QDialog* dialog, QGridLayout* grid, int column) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, column, grid->rowCount() + 1, 1);
}

} // namespace tw
