// TMainForm's View toggles, colour scheme, keystroke mapping and scroll bars.
#include "app/MainForm.h"

#include "app/ChangedFiles.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QStatusBar>
#include <QTabBar>

#include "app/KeystrokeMapping.h"
#include "app/SpeedBar.h"
#include "editing/EditControl.h"

namespace tw {

void TMainForm::connectViewToggles() {
    auto toggle = [this](const char* name, auto apply) {
        if (QAction* item = commands_.action(QString::fromLatin1(name))) {
            commands_.markBuilt(item->objectName());
            item->setCheckable(true);
            connect(item, &QAction::toggled, this, apply);
        }
    };
    toggle("ViewShowClipMnu", [this](bool on) {
        on ? ShowClipboardPanel() : setPanel(3, QString());
    });
    toggle("ViewScrollBarsMnu", [this](bool) { ApplyScrollBars(); });
    toggle("ViewStatusBarMnu", [this](bool on) {
        statusBar()->setFixedHeight(on ? 16 + 4 : 0);
        statusBar()->setVisible(on);
        toolBar_->adjustScroller();
    });
    toggle("ViewToolBarMnu", [this](bool on) { toolBar_->setVisible(on); });
    toggle("ViewTabsMnu", [this](bool on) { tabs_->setVisible(on); });
}

void TMainForm::ApplyScrollBars() {
    const QAction* item = commands_.action(QStringLiteral("ViewScrollBarsMnu"));
    const bool marked = !item || item->isChecked();
    const qsizetype start = edit_->selStart();
    const qsizetype length = edit_->selLength();
    edit_->showScrollBars(marked, marked && !wordWrap_);
    edit_->setSelection(start, length);
}

void TMainForm::ApplyColourScheme(int scheme) {
    if (scheme >= 0 && scheme <= 2)
        options_.ColourScheme = scheme;
    switch (options_.ColourScheme) {
    case 1:
        edit_->setColours(QColor(255, 255, 0), QColor(0, 0, 128));
        break;
    case 2:
        edit_->setColours(options_.customText, options_.customBackground);
        break;
    default: {
        const QPalette palette = QApplication::palette();
        edit_->setColours(palette.color(QPalette::Text), palette.color(QPalette::Base));
    }
    }
}

void TMainForm::ApplyKeystrokeMapping(int mapping) {
    if (mapping == 0 || mapping == 1)
        options_.KeystrokeMapping = mapping;
    tw::ApplyKeystrokeMapping(this, mapping);
    ArbitrateMenuShortcuts();
}

void TMainForm::applyEditorFont() {
    edit_->setEditorFont(options_.fontName, options_.fontSize, options_.fontBold,
                         options_.fontItalic, options_.fontUnderline, options_.fontStrikeOut);
    ApplyColourScheme(options_.ColourScheme);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Back from another program, which may have changed open files.
        if (changedFiles_)
            changedFiles_->checkDocuments();
        if (!edit_->isHidden())
            edit_->scrollCaretIntoView();
    }
    QMainWindow::changeEvent(event);
}

} // namespace tw
