#include "app/MainForm.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ChangedFiles.h"
#include "app/DocumentTable.h"
#include "app/FileOperationCommands.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "app/MainMenu.h"
#include "app/MenuHelpKey.h"
#include "app/SpeedBar.h"
#include "app/TarnwickApplication.h"
#include "editing/EditControl.h"
#include "editing/SystemClipboard.h"
#include "app/ListDocumentSide.h"
#include "lists/FileLists.h"
#include "settings/StoredSettings.h"
#include "platform/ProgramDirectory.h"
#include "util/ToolTipPolicy.h"

namespace tw {

TMainForm::TMainForm(Prompts& prompts, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), commands_(this),
      clipboard_(std::make_unique<QtClipboard>()) {
    setObjectName(QStringLiteral("TMainForm"));
    buildWindow();
    buildStatusBar();
    table_ = std::make_unique<DocumentTable>(*edit_, *tabs_, *this);
    files_ = std::make_unique<FileCommands>(*table_, *edit_, *this, prompts_, options_);
    listDocuments_ = std::make_unique<ListDocumentSide>(*this);
    lists_ = std::make_unique<FileLists>(*listDocuments_, prompts_, options_);
    files_->setFileLists(*lists_);
    hints_ = new ToolTipPolicy(this);
    connectCommands();
    connectEditingCommands();
    connectSearchCommands();
    connectClipboardCommands();
    connectBackupCommands();
    connectPrintCommands();
    connectSelectFileCommands();
    connectFilterCommands();
    connectLaunchCommands();
    connectListCommands();
    connectFileOperationCommands();
    connectOptionCommands();
    connectLoadProgress();
    connectViewToggles();
    connectDesktopConveniences();
    connectMenuOpening();
    markUnbuiltCommands();
    // The program's own application (not a test's) holds the files read a
    // slice at a time until its window has been painted once, also through
    // a question asked at start-up (see showBeforeReading).
    if (dynamic_cast<TarnwickApplication*>(QCoreApplication::instance())) {
        readingHeld_ = true;
        files_->loads().setHeld(true);
    }
    startUp(arguments);
    startSafetyNets();
}

TMainForm::~TMainForm() {
    // Parked documents go before the edit control that releases them.
    operations_.reset();
    lists_.reset();
    files_.reset();
    table_.reset();
}

void TMainForm::buildWindow() {
    setWindowTitle(kAppTitle);
    buildMainMenu(menuBar());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    toolBar_ = new SpeedBar(central);
    tabs_ = new QTabBar(central);
    tabs_->setObjectName(QStringLiteral("Tabs"));
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    tabs_->setDocumentMode(true);
    tabs_->setFocusPolicy(Qt::NoFocus);
    // Nor do its scroll arrows: typing goes to the text, never to an arrow.
    for (QWidget* arrow : tabs_->findChildren<QWidget*>())
        arrow->setFocusPolicy(Qt::NoFocus);
    edit_ = new EditControl(central);
    layout->addWidget(toolBar_);
    layout->addWidget(tabs_);
    layout->addWidget(edit_, 1);
    // Takes the edit control's room while no document is shown, so the tool
    // bar and the tabs stay at the top.
    layout->addStretch(0);
    setCentralWidget(central);

    auto* helpKey = new MenuHelpKey(this, [this](int topic) {
        help_->showTopic(programFile(QStringLiteral("Tarnwick.hlp")), topic);
    });
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        helpKey->watch(menu);
    popup_ = buildPopupMenu(this);
    connect(edit_, &EditControl::contextMenuRequested, this, &TMainForm::showPopupMenu);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(600000);
    connect(timer_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    help_ = std::make_unique<HelpViewer>();
}

void TMainForm::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[4] = {50, 50, 60, 50};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setMinimumWidth(widths[i]);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        if (i == 0)
            panels_[i]->setAlignment(Qt::AlignCenter);
        bar->addWidget(panels_[i], i == 3 ? 1 : 0);
    }
    setStatusBar(bar);
}

void TMainForm::connectCommands() {
    auto bind = [this](const char* item, const char* button, const char* popItem, auto handler) {
        commands_.bind(item, button, popItem, this, handler);
    };
    FileCommands& f = *files_;
    bind("FileNewMnu", "NewSpdBtn", nullptr, [&f] { f.FileNewMnuClick(); });
    bind("FileOpenMnu", "OpenSpdBtn", nullptr, [&f] { f.FileOpenMnuClick(); });
    bind("FileInsertMnu", nullptr, nullptr, [&f] { f.FileInsertMnuClick(); });
    bind("FileReloadMnu", nullptr, nullptr, [&f] { f.FileReloadMnuClick(); });
    bind("FileSaveMnu", "SaveSpdBtn", nullptr, [&f] { f.FileSaveMnuClick(); });
    bind("FileSaveAsMnu", nullptr, nullptr, [&f] { f.FileSaveAsMnuClick(); });
    bind("FileSaveAllMnu", "SaveAllSpdBtn", nullptr, [&f] { f.FileSaveAllMnuClick(); });
    bind("FileCloseCurrentFileMnu", "CloseSpdBtn", nullptr,
         [&f] { f.FileCloseCurrentFileMnuClick(); });
    bind("FileCloseAllFilesMnu", nullptr, nullptr, [&f] { f.CloseAllDocuments(); });
    bind("FileSelectionSaveMnu", nullptr, nullptr, [&f] { f.FileSelectionSaveMnuClick(); });
    bind("FileSelectionOpenMnu", nullptr, nullptr, [&f] { f.FileSelectionOpenMnuClick(); });
    bind("FileExitMnu", nullptr, nullptr, [this] { close(); });

    EditControl* e = edit_;
    bind("EditUndoMnu", "UndoSpdBtn", nullptr, [e] { e->undo(); });
    bind("EditDeleteMnu", nullptr, "DeletePopItem",
         [e] { e->SendScintilla(EditControl::SCI_CLEAR); });
    bind("EditSelectAllMnu", nullptr, nullptr, [e] { e->selectAll(); });

    DocumentTable& t = *table_;
    bind("ViewNextMnu", "NextSpdBtn", "NextPopItem", [&t] { t.ViewNext(); });
    bind("ViewPreviousMnu", "PreviousSpdBtn", "PreviousPopItem", [&t] { t.ViewPrevious(); });
    bind("OptionsReadOnlyMnu", nullptr, nullptr, [this] { SetReadOnly(!edit_->wantedReadOnly()); });
    bind("HelpContentsMnu", "HelpSpdBtn", nullptr, [this] { HelpContentsMnuClick(); });

    connect(edit_, &EditControl::stateChanged, this, [this] {
        RefreshModifiedState();
        ShowLineColumn();
        EnableCutCopy();
    });
    connect(edit_, &EditControl::escapePressed, this, [this] {
        files_->MailCapture(*clipboard_);
        ShowClipboardPanel();
    });
}

void TMainForm::markUnbuiltCommands() {
    commands_.disableUnbuilt();
    commands_.enable("RunMnu", false);   // enabled once it holds entries
    EnableExecuteCurrentFile();
    ArbitrateMenuShortcuts();
}

void TMainForm::HelpContentsMnuClick() {
    help_->showTopic(programFile(QStringLiteral("Tarnwick.hlp")), 1);
}

void TMainForm::showPopupMenu(const QPoint& globalPos) {
    mirrorPopupSubmenus(menuBar(), popup_);
    enableListCommands();
    popup_->popup(globalPos);
}

QString TMainForm::panelText(int panel) const {
    return panel >= 0 && panel < 4 ? panels_[panel]->text() : QString();
}

void TMainForm::setPanel(int panel, const QString& text) { panels_[panel]->setText(text); }

} // namespace tw
