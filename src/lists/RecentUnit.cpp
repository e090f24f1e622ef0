#include "lists/RecentUnit.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>

#include "lists/FileListBox.h"
#include "lists/FileLists.h"
#include "lists/RecentList.h"
#include "util/NumericKeyFilter.h"

namespace tw {

TRecentForm::TRecentForm(FileLists& lists, TOrderForm& order, QWidget* parent)
    : FileListDialog(order, parent), lists_(lists) {
    setObjectName(QStringLiteral("TRecentForm"));
    setWindowTitle(QStringLiteral("Recently Opened Files"));

    auto* maximum = new QGroupBox(QStringLiteral("&Maximum Size"), this);
    maximum->setObjectName(QStringLiteral("GroupBox1"));
    maxRecentSE_ = new QSpinBox(maximum);
    maxRecentSE_->setObjectName(QStringLiteral("MaxRecentSE"));
    // The list is walked with 8-bit positions: at most 255 entries.
    maxRecentSE_->setRange(1, kMaxRecentLimit);
    InstallNumericKeyFilter(maxRecentSE_);
    auto* row = new QHBoxLayout(maximum);
    row->addWidget(maxRecentSE_);
    row->addWidget(new QLabel(QStringLiteral("Files"), maximum));
    row->addStretch();

    // The list box sits in the box whose caption counts its names.
    recentCB_ = new QGroupBox(this);
    recentCB_->setObjectName(QStringLiteral("RecentCB"));
    auto* inner = new QVBoxLayout(recentCB_);
    inner->addWidget(&listBox());
    auto* left = new QVBoxLayout;
    left->addWidget(maximum);
    left->addWidget(recentCB_, 1);
    if (auto* outer = qobject_cast<QBoxLayout*>(layout()))
        outer->insertLayout(0, left, 1);

    connect(okButton(), &QPushButton::clicked, this, &TRecentForm::OKBtnClick);
}

bool TRecentForm::edit() {
    load();
    return exec() == QDialog::Accepted;
}

void TRecentForm::load() {
    maxRecentSE_->setValue(lists_.maxRecentFiles());
    showNames(lists_.recentFiles().fileNames());
}

void TRecentForm::namesChanged() {
    recentCB_->setTitle(QStringLiteral("(%1) &Files in Recent Menu").arg(list_.count()));
}

void TRecentForm::OKBtnClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lists_.setRecentFiles(list_.names(), maxRecentSE_->value());
    QApplication::restoreOverrideCursor();
    accept();
}

} // namespace tw
