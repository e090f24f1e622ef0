#include "app/LaunchArea.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "app/MainForm.h"
#include "editing/EditControl.h"
#include "launch/ExecuteOptionsUnit.h"
#include "launch/OutputPanel.h"
#include "launch/RunMenu.h"
#include "launch/RunUnit.h"
#include "lists/FileLists.h"
#include "platform/ProgramDirectory.h"
#include "util/MenuShortcuts.h"
#include "util/ShortcutCodes.h"

namespace tw {

LaunchArea::LaunchArea(TMainForm& form, Prompts& prompts)
    : QObject(&form), form_(form), prompts_(prompts) {
    dock_ = new QDockWidget(QStringLiteral("Output"), &form);
    dock_->setObjectName(QStringLiteral("OutputDock"));
    dock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    panel_ = new TOutputPanel(dock_);
    dock_->setWidget(panel_);
    form.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    dock_->hide();   // until the first run
    connect(panel_, &TOutputPanel::shownByRun, dock_, &QDockWidget::show);
    connect(panel_, &TOutputPanel::openLocation, this, &LaunchArea::showLocation);
    launcher_ = std::make_unique<Launcher>(prompts_, *panel_);
    commands_ = std::make_unique<LaunchCommands>(tables_, *this, prompts_, *launcher_);
}

LaunchArea::~LaunchArea() = default;

TExeOptForm& LaunchArea::exeOptForm() {
    if (!exeOptForm_) {
        TExeOptForm::Hooks hooks;
        hooks.confirmPrompts = [this] { return form_.options().ConfirmPrompts; };
        hooks.help = [this](int topic) { showHelp(topic); };
        hooks.applyShortcut = [this](int code) { applyExecuteShortcut(code); };
        exeOptForm_ = new TExeOptForm(tables_, prompts_, hooks, &form_);
    }
    return *exeOptForm_;
}

TRunForm& LaunchArea::runForm() {
    if (!runForm_) {
        TRunForm::Hooks hooks;
        hooks.confirmPrompts = [this] { return form_.options().ConfirmPrompts; };
        hooks.help = [this](int topic) { showHelp(topic); };
        hooks.runMenuChanged = [this] { runMenuChanged(); };
        hooks.orderForm = [this]() -> TOrderForm& { return form_.OrderForm(); };
        hooks.browseFolder = [this] { return form_.options().dialogs.saveDir; };
        runForm_ = new TRunForm(tables_, prompts_, hooks, &form_);
    }
    return *runForm_;
}

void LaunchArea::showHelp(int topic) {
    form_.helpViewer()->showTopic(programFile(QStringLiteral("Tarnwick.hlp")), topic);
}

void LaunchArea::load(const QList<StoredExecRecord>& exec, int executeShortcut,
                      const QList<StoredRunRecord>& run) {
    tables_.exec = exec;
    tables_.executeShortcut = executeShortcut;
    tables_.run = run;
    if (QAction* item = form_.commands().action(QStringLiteral("ExecuteCurrentFileMnu")))
        SetWantedShortcut(item, shortcutFromCode(executeShortcut));
    runMenuChanged();
}

void LaunchArea::runMenuChanged() {
    if (auto* menu = form_.menuBar()->findChild<QMenu*>(QStringLiteral("RunMnu"))) {
        RebuildRunMenu(menu, tables_.run, [this](int tag) { commands_->runRecord(tag); });
        form_.commands().enable("RunMnu", !tables_.run.isEmpty());
    }
    ArbitrateShortcuts(form_.menuBar());
}

void LaunchArea::applyExecuteShortcut(int code) {
    if (QAction* item = form_.commands().action(QStringLiteral("ExecuteCurrentFileMnu")))
        SetWantedShortcut(item, shortcutFromCode(code));
    ArbitrateShortcuts(form_.menuBar());
}

void LaunchArea::showLocation(const QString& file, int line, int column) {
    DocumentTable& table = form_.documents();
    bool shown = documentOpen() && table.CurrentFileName() == file;
    for (int slot = 1; !shown && slot < table.DocCount(); ++slot) {
        if (table.record(slot)->FileName == file) {
            table.SelectTab(table.TabOfSlot(slot));
            shown = true;
        }
    }
    if (!shown && form_.files().OpenAsCurrent(file, true) != OpenOk)
        return;
    EditControl* edit = form_.Edit();
    const long lineIndex = qMax(line - 1, 0);
    const long pos = column > 0 ? edit->SendScintilla(EditControl::SCI_FINDCOLUMN,
                                                      static_cast<unsigned long>(lineIndex),
                                                      static_cast<long>(column - 1))
                                : edit->SendScintilla(EditControl::SCI_POSITIONFROMLINE,
                                                      static_cast<unsigned long>(lineIndex));
    edit->setSelection(qMax(pos, 0L), 0);
    edit->scrollCaretIntoView();
    form_.activateWindow();
    edit->setFocus();
}

bool LaunchArea::documentOpen() const { return !form_.Edit()->isHidden(); }

QString LaunchArea::currentFileName() const { return form_.documents().CurrentFileName(); }

QString LaunchArea::fileToActOn() const {
    const QString current = currentFileName();
    const QString main = form_.lists().OpenGroupMainFile();
    return !main.isEmpty() && form_.lists().IsInOpenGroup(current) ? main : current;
}

bool LaunchArea::currentModified() const { return documentOpen() && form_.Edit()->isModified(); }

bool LaunchArea::anyModified() const {
    return currentModified() || form_.documents().anyParkedModified();
}

void LaunchArea::saveCurrentFile() { form_.files().FileSaveMnuClick(); }
void LaunchArea::saveAllFiles() { form_.files().FileSaveAllMnuClick(); }
void LaunchArea::backupCurrentFile() { form_.FileBackupCurrentFileMnuClick(); }
void LaunchArea::backupAllFiles() { form_.FileBackupAllFilesMnuClick(); }

} // namespace tw
