#pragma once
// F1 on a highlighted menu item opens that item's help topic (the item's
// helpTopic property); items without one leave F1 to the menu.
#include <QObject>
#include <functional>

class QMenu;

namespace tw {

class MenuHelpKey : public QObject {
public:
    using ShowTopic = std::function<void(int topic)>;
    MenuHelpKey(QObject* parent, ShowTopic showTopic);
    // Watches the menu (and is safe to call again for the same menu).
    void watch(QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ShowTopic showTopic_;
};

} // namespace tw
