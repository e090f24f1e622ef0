#include "lists/FileListDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "lists/FileListBox.h"
#include "lists/OrderUnit.h"

namespace tw {

FileListDialog::FileListDialog(TOrderForm& order, QWidget* parent)
    : QDialog(parent), order_(order) {
    box_ = new FileListBox(this);
    side_ = new QVBoxLayout;
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(box_, 1);
    layout->addLayout(side_);
    removeBtn_ = addSideButton("RemoveBtn", QStringLiteral("&Remove"));
    orderBtn_ = addSideButton("OrderBtn", QStringLiteral("&Order..."));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OKBtn"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    side_->addStretch();
    side_->addWidget(ok_);
    side_->addWidget(cancel);
    resize(520, 320);

    connect(removeBtn_, &QPushButton::clicked, this, &FileListDialog::RemoveBtnClick);
    connect(orderBtn_, &QPushButton::clicked, this, &FileListDialog::OrderBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(box_, &QListWidget::itemSelectionChanged, this, &FileListDialog::refreshButtons);
    connect(box_, &FileListBox::deletePressed, this, [this] {
        if (removeBtn_->isEnabled())
            RemoveBtnClick();
    });
}

QPushButton* FileListDialog::addSideButton(const char* name, const QString& caption, bool first) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    // Side buttons stand above the stretch that keeps OK and Cancel at the foot.
    side_->insertWidget(first ? 0 : ok_ ? side_->count() - 3 : side_->count(), button);
    return button;
}

void FileListDialog::showNames(const QStringList& names) {
    list_.assign(names, -1);
    showList();
}

void FileListDialog::showList() {
    box_->setNames(list_.names());
    namesChanged();
    refreshButtons();
}

void FileListDialog::refreshButtons() {
    removeBtn_->setEnabled(!box_->selectedRows().isEmpty());
    orderBtn_->setEnabled(list_.count() >= 2);
}

void FileListDialog::RemoveBtnClick() {
    list_.removeAll(box_->selectedRows());
    showList();
}

void FileListDialog::OrderBtnClick() {
    const std::optional<RearrangedItems> result = order_.rearrange(list_.names());
    if (!result)
        return;
    list_.reorder(result->names, -1);
    showList();
}

} // namespace tw
