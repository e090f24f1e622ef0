// TMainForm's settings file "tw162.ini": read once while the window is
// created, written once when it closes. Items the window does not use yet are
// held as read and written back unchanged.
#include "app/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "app/DocumentLoads.h"
#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/LaunchArea.h"
#include "app/MainMenu.h"
#include "editing/EditControl.h"
#include "lists/FileLists.h"
#include "platform/AtomicWrite.h"
#include "platform/ProgramDirectory.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "util/Colours.h"
#include "util/FileNames.h"
#include "util/ShortcutCodes.h"
#include "util/WindowPlacement.h"

namespace tw {

namespace {

QString settingsPath() { return programDirectory() + QStringLiteral("tw162.ini"); }

QString text(const QByteArray& bytes) { return QString::fromUtf8(bytes); }
QByteArray bytes(const QString& text) { return text.toUtf8(); }

} // namespace

void TMainForm::startUp(const QStringList& arguments) {
    stored_ = std::make_unique<StoredSettings>(firstRunSettings());
    QByteArray content;
    QFile file(settingsPath());
    if (file.open(QIODevice::ReadOnly))
        content = file.readAll();
    storedBytes_ = content;
    // A missing file, and one that holds no settings (empty, blank or
    // unreadable), start as a first run: applying 45 zeros would hide every
    // bar and write that back.
    if (holdsSettings(content))
        LoadSettings(arguments, content);
    else
        startFirstRun(arguments);
    applyHints();
    // Typing goes to the text from the first key on.
    if (!edit_->isHidden())
        edit_->setFocus();
}

void TMainForm::LoadSettings(const QStringList& arguments, const QByteArray& content) {
    *stored_ = readSettings(content);
    const StoredSettings& s = *stored_;

    options_.customBackground = colourFromStored(s.customBackground);
    options_.customText = colourFromStored(s.customText);
    ApplyColourScheme(s.colourScheme);
    if (s.keystrokeMapping == 0 || s.keystrokeMapping == 1)
        ApplyKeystrokeMapping(s.keystrokeMapping);
    launch_->load(s.execRecords, s.executeCurrentFileShortcut, s.runRecords);
    options_.PersistentGroups = flagOn(s.persistentGroups);
    options_.ConfirmPrompts = flagOn(s.confirmPrompts);
    options_.AutoIndent = flagOn(s.autoIndent);
    options_.TabUse = s.tabUse;
    options_.TabSpaces = s.tabSpaces;
    options_.StartupMode = s.startupMode;
    // The groups come before the documents, so that a restored member of the
    // open group shows the group in the title.
    options_.MaxRecentFiles = s.maxRecentFiles;
    lists_->load(s);
    loadStartupDocuments(arguments);
    EnableSwitchCommands();

    options_.fontName =
        s.fontName.isEmpty() ? QStringLiteral("Courier New") : textFromStored(s.fontName);
    // A size no font has would leave the text invisible or unreadable.
    options_.fontSize = s.fontSize >= 1 && s.fontSize <= kMaxFontSize ? s.fontSize : 10;
    options_.fontBold = fontStyleOn(s.fontBold);
    options_.fontItalic = fontStyleOn(s.fontItalic);
    options_.fontUnderline = fontStyleOn(s.fontUnderline);
    options_.fontStrikeOut = fontStyleOn(s.fontStrikeOut);
    applyEditorFont();
    // An interval below a second would save without pause.
    timer_->setInterval(s.autosaveInterval >= 1000 ? s.autosaveInterval : 600000);
    if (flagOn(s.autosaveOn))
        timer_->start();
    else
        timer_->stop();
    restoreWindowPlacement(s);

    const std::pair<const char*, int> marks[] = {
        {"ViewShowClipMnu", s.viewClipboard}, {"ViewScrollBarsMnu", s.viewScrollBars},
        {"ViewTabsMnu", s.viewFileTabs},      {"ViewToolBarMnu", s.viewToolBar},
        {"ViewStatusBarMnu", s.viewStatusBar}};
    for (const auto& [name, value] : marks)
        if (QAction* item = commands_.action(QString::fromLatin1(name)))
            item->setChecked(flagOn(value));
    SetWordWrap(flagOn(s.wordWrap));
    if (flagOn(s.insertMode)) {
        SetInsertMode(true);
    } else {
        // The edit control switches to overwrite through its own key, and the
        // key handler follows it, so both stay in step.
        options_.InsertMode = true;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Insert, Qt::NoModifier);
        QCoreApplication::sendEvent(edit_, &press);
        QCoreApplication::sendEvent(edit_, &release);
    }
    options_.showHints = flagOn(s.showHints);
    options_.hintPause = s.hintPause;
    options_.hintHidePause = s.hintHidePause;
    options_.BackupStyle = s.backupStyle;
    options_.dialogs.defaultExt = textFromStored(s.defaultExtension);
    options_.dialogs.filter = textFromStored(s.fileFilter);
    options_.dialogs.saveDir = textFromStored(s.saveDialogFolder);
    options_.dialogs.openDir = textFromStored(s.openDialogFolder);
    options_.ShowPathsSetting = flagOn(s.showPaths);
    SetClipboardMode(s.clipboardMode);

    mirrorPopupSubmenus(menuBar(), popup_);
    if (s.startupMode == 0)
        processCommandLine(arguments);
}

void TMainForm::loadStartupDocuments(const QStringList& arguments) {
    StoredSettings& s = *stored_;
    if (s.startupMode != 0)
        s.openGroup = 0;
    switch (s.startupMode) {
    case 0:
        break;
    case 1:
        if (processCommandLine(arguments) == 0)
            files_->FileNewMnuClick();
        return;
    default:
        // Mode 2, and any value a damaged file holds: the command line still
        // opens its files, so nothing the user asked for is ignored.
        if (processCommandLine(arguments) == 0)
            table_->SetCurrentFileName(QString());
        return;
    }
    table_->SetCurrentFileName(QString());
    for (const StoredDocument& doc : s.documents) {
        const bool shown = !edit_->isHidden();
        if (files_->OpenInBackground(text(doc.fileName), false, !shown) != OpenOk)
            continue;
        if (!shown) {
            SetReadOnly(flagOn(doc.readOnly));
            files_->selectWhenRead(doc.selStart, doc.selLength);
        } else if (DocRecord* rec = table_->record(table_->DocCount() - 1)) {
            rec->ReadOnly = flagOn(doc.readOnly);
            rec->SelStart = doc.selStart;
            rec->SelLength = doc.selLength;
            // Shown before its reading ends, it cannot take that place yet.
            files_->loads().selectWhenDone(rec->Text, doc.selStart, doc.selLength);
        }
    }
    if (s.documents.size() > 1 && s.shownTab >= 0 && s.shownTab < table_->tabCount())
        table_->SelectTab(s.shownTab);
}

void TMainForm::restoreWindowPlacement(const StoredSettings& s) {
    if (s.windowState != 0) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    // A placement that no screen shows, or too small to use, would leave the
    // user without a window: it falls back to the designed centred window. One
    // larger than the screen is fitted to it (a window of 30000 by 30000 pixels
    // would take gigabytes and seconds at every start).
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (const std::optional<QRect> placed = fittedWindowPlacement(
            s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight, screens)) {
        move(placed->topLeft());
        resize(placed->size());
    } else {
        placeCentred();
    }
}

void TMainForm::placeCentred() {
    // The designed client area, below the menu bar.
    resize(515, 304 + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::SaveSettings() {
    if (files_->IsSettingsFile(table_->CurrentFileName(), false))
        files_->CloseCurrentDocument();
    StoredSettings& s = *stored_;
    s.customBackground = storedFromColour(options_.customBackground);
    s.customText = storedFromColour(options_.customText);
    s.colourScheme = options_.ColourScheme;
    s.keystrokeMapping = options_.KeystrokeMapping;
    s.persistentGroups = flagValue(options_.PersistentGroups);
    s.confirmPrompts = flagValue(options_.ConfirmPrompts);
    s.autoIndent = flagValue(options_.AutoIndent);
    s.tabUse = options_.TabUse;
    s.tabSpaces = options_.TabSpaces;
    s.execRecords = launch_->tables().exec;
    s.executeCurrentFileShortcut = launch_->tables().executeShortcut;
    s.runRecords = launch_->tables().run;
    s.startupMode = options_.StartupMode;
    collectStartupDocuments();
    lists_->store(s);
    s.fontName = storedFromText(options_.fontName, s.fontName);
    s.fontSize = options_.fontSize;
    s.fontBold = flagValue(options_.fontBold);
    s.fontItalic = flagValue(options_.fontItalic);
    s.fontUnderline = flagValue(options_.fontUnderline);
    s.fontStrikeOut = flagValue(options_.fontStrikeOut);
    s.autosaveOn = flagValue(timer_->isActive());
    s.autosaveInterval = timerTag_ > 0 && timer_->interval() == 1000 ? timerTag_ : timer_->interval();
    s.windowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    if (s.windowState == 0) {
        s.windowTop = y();
        s.windowLeft = x();
        s.windowHeight = height();
        s.windowWidth = width();
    }
    auto marked = [this](const char* name) {
        const QAction* item = commands_.action(QString::fromLatin1(name));
        return flagValue(!item || item->isChecked());
    };
    s.viewClipboard = marked("ViewShowClipMnu");
    s.viewScrollBars = marked("ViewScrollBarsMnu");
    s.viewFileTabs = marked("ViewTabsMnu");
    s.viewToolBar = marked("ViewToolBarMnu");
    s.viewStatusBar = marked("ViewStatusBarMnu");
    s.wordWrap = flagValue(wordWrap_);
    s.insertMode = flagValue(options_.InsertMode);
    s.showHints = flagValue(options_.showHints);
    s.hintPause = options_.hintPause;
    s.hintHidePause = options_.hintHidePause;
    s.maxRecentFiles = options_.MaxRecentFiles;
    s.backupStyle = options_.BackupStyle;
    s.defaultExtension = storedFromText(options_.dialogs.defaultExt, s.defaultExtension);
    s.fileFilter = storedFromText(options_.dialogs.filter, s.fileFilter);
    s.saveDialogFolder = storedFromText(options_.dialogs.saveDir, s.saveDialogFolder);
    s.openDialogFolder = storedFromText(options_.dialogs.openDir, s.openDialogFolder);
    s.showPaths = flagValue(options_.ShowPathsSetting);
    s.clipboardMode = options_.ClipboardMode;

    // A settings file the user edited and saved in the hidden mode is theirs:
    // writing the run's settings over it would throw the edits away.
    if (options_.SettingsFileEditable && settingsFileSavedByUser())
        return;
    const QByteArray content = writeSettings(s);
    // A failed write leaves the previous file whole; it is told, and the
    // close goes on.
    const QString error = writeBytesAtomically(settingsPath(), content.constData(), content.size());
    if (!error.isEmpty())
        prompts_.message(QStringLiteral("The settings were not saved.\n\n") +
                             fileErrorText(settingsPath(), error),
                         MessageType::Error);
}

bool TMainForm::settingsFileSavedByUser() const {
    QFile file(settingsPath());
    const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return now != storedBytes_;
}

void TMainForm::collectStartupDocuments() {
    StoredSettings& s = *stored_;
    s.documents.clear();
    s.shownTab = 0;
    if (options_.StartupMode != 0) {
        if (table_->DocCount() > 0) {
            lists_->AddRecentFile(table_->CurrentFileName());
            for (int slot = 1; slot < table_->DocCount(); ++slot)
                lists_->AddRecentFile(table_->record(slot)->FileName);
        }
        return;
    }
    // A document still being read keeps the caret it is to get, unless the
    // user has put one elsewhere meanwhile.
    const auto keepPendingSelection = [this](StoredDocument& doc, DocHandle text) {
        const PendingSelection pending = files_->loads().pendingSelection(text);
        if (pending.start >= 0 && doc.selStart == 0 && doc.selLength == 0) {
            doc.selStart = pending.start;
            doc.selLength = pending.length;
        }
    };
    for (int tab = 0; tab < table_->tabCount(); ++tab) {
        const int slot = table_->slotOfTab(tab);
        // The settings file is never reopened as a document at the next start.
        const QString name = slot == 0 ? table_->CurrentFileName()
                             : table_->record(slot) ? table_->record(slot)->FileName : QString();
        if (files_->IsSettingsFile(name, false))
            continue;
        StoredDocument doc;
        if (slot == 0) {
            doc = {bytes(table_->CurrentFileName()), flagValue(edit_->wantedReadOnly()),
                   edit_->selStart(), edit_->selLength()};
            keepPendingSelection(doc, edit_->shownDocument());
        } else if (const DocRecord* rec = table_->record(slot)) {
            doc = {bytes(rec->FileName), flagValue(rec->ReadOnly), rec->SelStart, rec->SelLength};
            keepPendingSelection(doc, rec->Text);
        }
        if (slot == 0 && table_->DocCount() > 1)
            s.shownTab = int(s.documents.size());
        s.documents.append(doc);
    }
}

} // namespace tw
