#include "lists/DragExchangeList.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace tw {

DragExchangeList::DragExchangeList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
}

bool DragExchangeList::fromHere(const QDropEvent& event) const {
    // A drop delivered without a drag in progress (no source) is taken as
    // coming from this list: only the list itself starts drags of its items.
    return event.source() == nullptr || event.source() == this;
}

void DragExchangeList::dragEnterEvent(QDragEnterEvent* event) {
    if (fromHere(*event))
        QListWidget::dragEnterEvent(event);
    else
        event->ignore();
}

void DragExchangeList::dragMoveEvent(QDragMoveEvent* event) {
    QListWidget::dragMoveEvent(event);   // scrolls near the edges
    if (fromHere(*event) && indexAt(event->position().toPoint()).isValid()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DragExchangeList::dropEvent(QDropEvent* event) {
    const QModelIndex target = indexAt(event->position().toPoint());
    if (!fromHere(*event) || !target.isValid()) {
        event->ignore();
        return;
    }
    // Reported as a copy, so the drag does not remove the dragged item.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onDrop_)
        onDrop_(target.row());
}

} // namespace tw
