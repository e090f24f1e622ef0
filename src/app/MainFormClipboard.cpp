// TMainForm's clipboard commands and modes, panel 3 and the application's
// activation handlers. The modes themselves live in ClipboardModes.
#include "app/MainForm.h"

#include <QAction>
#include <QGuiApplication>

#include "editing/ClipboardModes.h"
#include "editing/EditControl.h"
#include "editing/SystemClipboard.h"

namespace tw {

namespace {

// Panel 3 is a narrow one-line panel: it shows the start of the text on one
// line; a huge clipboard text is never laid out whole.
QString panelTextOf(const QString& text) {
    constexpr int kShown = 200;
    QString shown = text.left(kShown);
    for (QChar& c : shown)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return shown;
}

} // namespace

void TMainForm::connectClipboardCommands() {
    clipboardModes_ = new ClipboardModes(*clipboard_, *edit_, this);
    commands_.bind("EditCutMnu", "CutSpdBtn", "CutPopItem", this, [this] { ClipCut(); });
    commands_.bind("EditCopyMnu", "CopySpdBtn", "CopyPopItem", this, [this] { ClipCopy(); });
    commands_.bind("EditPasteMnu", "PasteSpdBtn", "PastePopItem", this, [this] { ClipPaste(); });
    commands_.bind("ClipboardDualMnu", nullptr, nullptr, this, [this] { SetClipboardMode(0); });
    commands_.bind("ClipboardStackMnu", nullptr, nullptr, this, [this] { SetClipboardMode(1); });
    commands_.bind("ClipboardQueueMnu", nullptr, nullptr, this, [this] { SetClipboardMode(2); });
    commands_.bind("ClipboardSwapClipMnu", nullptr, nullptr, this, [this] { SwapClip(); });
    SetClipboardMode(options_.ClipboardMode);

    // Queued: the handlers run from the event loop, and a notification that
    // arrives while the window is being torn down is dropped with it.
    connect(
        qGuiApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) {
                ShowClipboardPanel();
                ClipToPlainText();
            } else if (state == Qt::ApplicationInactive) {
                ClipToPlainText();
            }
        },
        Qt::QueuedConnection);
}

void TMainForm::ClipCut() {
    if (edit_->isHidden())
        return;
    if (clipboardModes_->cut())
        ShowClipboardPanel();
    EnableCutCopy();
    RefreshModifiedState();
    ShowLineColumn();
}

void TMainForm::ClipCopy() {
    if (edit_->isHidden())
        return;
    if (clipboardModes_->copy())
        ShowClipboardPanel();
}

void TMainForm::ClipPaste() {
    if (edit_->isHidden())
        return;
    const bool refill = clipboardModes_->paste();
    RefreshModifiedState();
    EnableCutCopy();
    ShowLineColumn();
    if (refill)
        ShowClipboardPanel();
}

void TMainForm::SwapClip() {
    if (clipboardModes_->swapClip())
        ShowClipboardPanel();
}

void TMainForm::SetClipboardMode(int mode) {
    options_.ClipboardMode = mode;
    const char* items[] = {"ClipboardDualMnu", "ClipboardStackMnu", "ClipboardQueueMnu"};
    for (int i = 0; i < 3; ++i)
        if (QAction* item = commands_.action(QString::fromLatin1(items[i])))
            item->setChecked(i == mode);
    commands_.enable("ClipboardSwapClipMnu", mode == 0);
    clipboardModes_->setMode(mode);
}

void TMainForm::ShowClipboardPanel() {
    const QAction* item = commands_.action(QStringLiteral("ViewShowClipMnu"));
    if (item && item->isChecked())
        setPanel(3, panelTextOf(clipboard_->text()));
}

void TMainForm::ClipToPlainText() { clipboardModes_->toPlainText(); }

} // namespace tw
