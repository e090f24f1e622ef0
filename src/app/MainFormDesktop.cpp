// What users of every desktop editor expect beyond the menus: files dropped
// from a file manager open, a middle click on a file tab closes that
// document, and the usual keys switch documents (wired in MainFormEditing).
#include "app/MainForm.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QTabBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "util/DroppedFiles.h"

namespace tw {

namespace {

// A middle click on a tab closes that tab's document as Close > Current
// File does, with its save question.
class TabMiddleClick : public QObject {
public:
    TabMiddleClick(QTabBar* tabs, std::function<void(int)> close)
        : QObject(tabs), tabs_(tabs), close_(std::move(close)) {
        tabs->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == tabs_ && event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const int index = tabs_->tabAt(mouse->position().toPoint());
            if (mouse->button() == Qt::MiddleButton && index >= 0) {
                close_(index);
                return true;
            }
        }
        return false;
    }

private:
    QTabBar* tabs_;
    std::function<void(int)> close_;
};

} // namespace

void TMainForm::connectDesktopConveniences() {
    setAcceptDrops(true);
    connect(edit_, &EditControl::filesDropped, this, &TMainForm::openDroppedFiles);
    new TabMiddleClick(tabs_, [this](int index) {
        if (index != tabs_->currentIndex())
            table_->SelectTab(index);
        if (index == tabs_->currentIndex())
            runIfEnabled("FileCloseCurrentFileMnu");
    });
}

void TMainForm::runIfEnabled(const char* name) {
    if (QAction* item = commands_.action(QString::fromLatin1(name)); item && item->isEnabled())
        item->trigger();
}

void TMainForm::openDroppedFiles(const QStringList& names) {
    // As File > Open opens a file: each with its checks and messages; the
    // last one opened is shown. The limit is told once: the files after it
    // would only repeat the same message.
    for (const QString& name : names)
        if (files_->OpenAsCurrent(name, true) == LimitReached)
            break;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QStringList names = droppedLocalFiles(event->mimeData());
    if (names.isEmpty())
        return;
    event->acceptProposedAction();
    openDroppedFiles(names);
}

} // namespace tw
