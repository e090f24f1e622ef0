// While big files are read a slice at a time, the status bar shows how far
// (for more than 100 MB to read, where it takes long enough to matter); the
// busy cursor comes from DocumentLoads itself.
#include "app/MainForm.h"

#include <QEvent>
#include <QProgressBar>
#include <QWindow>
#include <QStatusBar>
#include <QTimer>

#include "app/DocumentLoads.h"
#include "app/FileCommands.h"

namespace tw {

namespace {

constexpr qint64 kProgressShownFrom = 100LL * 1000 * 1000;

} // namespace

void TMainForm::connectLoadProgress() {
    loadProgress_ = new QProgressBar(statusBar());
    loadProgress_->setObjectName(QStringLiteral("LoadProgress"));
    loadProgress_->setRange(0, 1000);
    loadProgress_->setMaximumWidth(160);
    loadProgress_->setFormat(QStringLiteral("Reading %p%"));
    loadProgress_->hide();
    statusBar()->addPermanentWidget(loadProgress_);
    DocumentLoads& loads = files_->loads();
    connect(&loads, &DocumentLoads::progress, this, [this](qint64 read, qint64 size) {
        if (size < kProgressShownFrom) {
            loadProgress_->hide();
            return;
        }
        loadProgress_->setValue(int(read * 1000 / size));
        loadProgress_->show();
    });
    connect(&loads, &DocumentLoads::busyChanged, this, [this](bool busy) {
        if (!busy)
            loadProgress_->hide();
    });
}

void TMainForm::showBeforeReading() {
    show();
    // A window shown but never exposed (started minimised, a display that
    // paints nothing) must not keep its files from being read for long.
    if (readingHeld_)
        QTimer::singleShot(2000, this, [this] {
            readingHeld_ = false;
            files_->loads().setHeld(false);
        });
}

bool TMainForm::event(QEvent* event) {
    // The window's first paint comes when it is exposed (the window itself
    // is painted first, then its widgets, then the whole is flushed to the
    // screen). Waiting for a later update request instead would wait for the
    // caret's first blink, half a second. The slices begin on the next turn
    // of the event loop, after the flush.
    const bool handled = QMainWindow::event(event);
    if (readingHeld_ && event->type() == QEvent::Paint) {
        readingHeld_ = false;
        files_->loads().setHeld(false);
    }
    return handled;
}

} // namespace tw
