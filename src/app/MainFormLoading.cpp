// While big files are read a slice at a time, the status bar shows how far
// (for more than 100 MB to read, where it takes long enough to matter); the
// busy cursor comes from DocumentLoads itself.
#include "app/MainForm.h"

#include <QApplication>
#include <QEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include <functional>
#include <utility>

#include "app/DocumentLoads.h"
#include "app/FileCommands.h"

namespace tw {

namespace {

constexpr qint64 kProgressShownFrom = 100LL * 1000 * 1000;

// Calls back once, on the turn of the event loop after the first paint of
// any widget of a window (the paint is flushed to the screen by then). The
// first paint after the window is exposed paints the widgets that cover it
// and the window itself only where none does, so the window's own paint
// event may never come; its next update request waits for the caret's first
// blink, half a second later.
class FirstPaintOfWindow : public QObject {
public:
    FirstPaintOfWindow(QWidget& window, std::function<void()> painted)
        : QObject(&window), window_(window), painted_(std::move(painted)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                painted_();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> painted_;
};

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
    if (readingHeld_)
        new FirstPaintOfWindow(*this, [this] { releaseReading(); });
    show();
    // A window shown but never exposed (started minimised, a display that
    // paints nothing) must not keep its files from being read for long.
    if (readingHeld_)
        QTimer::singleShot(2000, this, [this] { releaseReading(); });
}

void TMainForm::releaseReading() {
    if (!readingHeld_)
        return;
    readingHeld_ = false;
    files_->loads().setHeld(false);
}

} // namespace tw
