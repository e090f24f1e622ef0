#include "lists/OrderUnit.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "lists/DragExchangeList.h"

namespace tw {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = QString()) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TOrderForm::TOrderForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TOrderForm"));
    setWindowTitle(QStringLiteral("Rearrange Items"));
    buildControls();
}

void TOrderForm::buildControls() {
    list_ = new DragExchangeList(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    auto* sort = button(this, "SortBtn", QStringLiteral("&Sort"),
                        QStringLiteral("Click here to put the items in alphabetical order"));
    auto* up = button(this, "UpBtn", QStringLiteral("&Up"),
                      QStringLiteral("Click here to move the selected item up"));
    auto* down = button(this, "DownBtn", QStringLiteral("&Down"),
                        QStringLiteral("Click here to move the selected item down"));
    auto* ok = button(this, "OKBtn", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = button(this, "CancelBtn", QStringLiteral("Cancel"));

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {sort, up, down})
        side->addWidget(b);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(cancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(list_, 0, 0);
    layout->addLayout(side, 0, 1);
    resize(360, 300);

    connect(sort, &QPushButton::clicked, this, &TOrderForm::SortBtnClick);
    connect(up, &QPushButton::clicked, this, &TOrderForm::UpBtnClick);
    connect(down, &QPushButton::clicked, this, &TOrderForm::DownBtnClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (showing_)
            return;
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        order_.select(selected.isEmpty() ? -1 : list_->row(selected.constFirst()));
    });
    list_->onDropOnto([this](int row) {
        if (order_.exchange(row))
            showOrder();
    });
}

std::optional<RearrangedItems> TOrderForm::rearrange(const QStringList& names, int tracked) {
    fill(names);
    setTrackedIndex(tracked);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return RearrangedItems{ItemOrderList(), trackedIndex()};
}

void TOrderForm::fill(const QStringList& names) {
    order_.fill(names);
    showOrder();
    list_->setFocus();
}

void TOrderForm::SortBtnClick() {
    order_.sort();
    showOrder();
}

void TOrderForm::UpBtnClick() {
    order_.moveUp();
    showOrder();
}

void TOrderForm::DownBtnClick() {
    order_.moveDown();
    showOrder();
}

void TOrderForm::showOrder() {
    showing_ = true;
    list_->clear();
    list_->addItems(order_.names());
    if (order_.selected() >= 0) {
        list_->setCurrentRow(order_.selected());
        list_->scrollToItem(list_->currentItem());
    }
    showing_ = false;
}

} // namespace tw
