#pragma once
// A list box whose items can be dragged onto one another. It moves nothing
// itself: a drop onto an item reports that item's row, and the owner decides
// what the drop does. Drops onto empty space and drags from elsewhere are
// refused.
#include <QListWidget>
#include <functional>

namespace tw {

class DragExchangeList : public QListWidget {
public:
    explicit DragExchangeList(QWidget* parent = nullptr);

    // Called with the row of the item the dragged item was dropped onto.
    void onDropOnto(std::function<void(int row)> handler) { onDrop_ = std::move(handler); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool fromHere(const QDropEvent& event) const;

    std::function<void(int row)> onDrop_;
};

} // namespace tw
