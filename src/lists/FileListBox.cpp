#include "lists/FileListBox.h"

#include <QKeyEvent>
#include <algorithm>

namespace tw {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ListBox1"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void FileListBox::setNames(const QStringList& names) {
    clear();
    addItems(names);
}

QList<int> FileListBox::selectedRows() const {
    QList<int> rows;
    for (const QListWidgetItem* item : selectedItems())
        rows << row(item);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace tw
