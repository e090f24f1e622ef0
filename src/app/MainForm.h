#pragma once
// The main window `TMainForm`: it builds the window, wires menu items, tool
// buttons and the tab strip to the classes that do the work, and keeps the
// window's furniture (title, status panels, enabling) in step with them.
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/CommandSwitch.h"
#include "app/DocumentHost.h"
#include "settings/EditorOptions.h"

class QLabel;
class QMenu;
class QProgressBar;
class QTabBar;
class QTimer;

namespace tw {

class BackupCommands;
class ChangedFiles;
class RecoveryJournal;
class ClipboardModes;
class DocumentTable;
class EditControl;
class EditingCommands;
class EditKeyHandler;
class PrintCommands;
class SearchCommands;
struct StoredSettings;
class FileCommands;
class FileLists;
class ListDocumentSide;
class TFavForm;
class TGroupForm;
class TRecentForm;
class HelpViewer;
class LaunchArea;
class Prompts;
class SpeedBar;
class SystemClipboard;
class TFiltersForm;
class TOrderForm;
class TViewForm;
class ToolTipPolicy;
class FileOperationCommands;
class TCMForm;
class TPropertiesForm;
class TEnvironmentForm;
class TAboutForm;
struct DocumentFacts;
struct EnvironmentValues;

class TMainForm : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    // Creates the window and runs the start-up: the settings, the documents of
    // the last run or the first-run readme, and the command-line files.
    TMainForm(Prompts& prompts, const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    EditControl* Edit() const { return edit_; }
    QTabBar* Tabs() const { return tabs_; }
    DocumentTable& documents() const { return *table_; }
    FileCommands& files() const { return *files_; }
    // Shows the window; the files being read (the command line's, the
    // desktop's) wait until it has been painted once (MainFormLoading.cpp).
    void showBeforeReading();
    EditorOptions& options() { return options_; }
    const CommandSwitch& commands() const { return commands_; }
    QString panelText(int panel) const;
    QTimer* Timer1() const { return timer_; }
    HelpViewer* helpViewer() const { return help_.get(); }
    FileLists& lists() const { return *lists_; }
    RecoveryJournal& journal() const { return *journal_; }

    // DocumentHost
    void currentFileNameChanged(const QString& name) override;
    void SetReadOnly(bool readOnly) override;
    void RefreshModifiedState() override;
    void ShowLineColumn() override;
    void EnableCutCopy() override;
    void EnableSwitchCommands() override;
    void showDocumentArea() override;

    void EnableDocumentCommands(bool on);
    // The title for the shown document, with the open group's mark.
    void refreshTitle();
    // Around opening many documents at once (a group): the enabling is
    // refreshed once, at the end.
    void beginBatch();
    void endBatch();
    void ApplyKeystrokeMapping(int mapping);
    void ApplyColourScheme(int scheme);
    void ApplyScrollBars();
    void SetInsertMode(bool insert);
    // The autosave tick of Timer1.
    void Timer1Timer();
    // The editor's font from the options (name, size in points, styles).
    void applyEditorFont();

    // Editing (MainFormEditing.cpp).
    void SetWordWrap(bool wrap);
    bool wordWrap() const { return wordWrap_; }

    // Clipboard modes (MainFormClipboard.cpp).
    void ClipCut();
    void ClipCopy();
    void ClipPaste();
    void SwapClip();
    void SetClipboardMode(int mode);
    void ShowClipboardPanel();
    void ClipToPlainText();

    // Find, Search Again and Replace (MainFormSearch.cpp).
    SearchCommands& search() const { return *search_; }

    // Backups, also run by the Execute and Run menus (MainFormBackup.cpp).
    void FileBackupCurrentFileMnuClick();
    void FileBackupAllFilesMnuClick();

    // The select-file dialog's Show Paths box, which the settings file keeps
    // (MainFormSelectFile.cpp).
    bool ShowPathsChecked() const;
    // The rearrange-items dialog the list editors share (MainFormFilters.cpp).
    TOrderForm& OrderForm();
    // The Execute and Run menus and the output panel (MainFormLaunch.cpp).
    LaunchArea& launch() const { return *launch_; }
    void EnableExecuteCurrentFile();
    // One key, one command: settles clashes after shortcuts change.
    void ArbitrateMenuShortcuts();
    // The favorites and recent-files editors (MainFormLists.cpp).
    TFavForm& FavForm();
    TGroupForm& GroupForm();
    TRecentForm& RecentForm();

    // File > Operations and the properties dialog (MainFormFileOperations.cpp).
    TCMForm& CMForm();
    TPropertiesForm& PropertiesForm();
    DocumentFacts documentFacts() const;
    // The Environment options, the About box and the hints (MainFormOptions.cpp).
    TEnvironmentForm& EnvironmentForm();
    TAboutForm& AboutForm();
    ToolTipPolicy& hints() const { return *hints_; }
    void applyHints();
    void OptionsEnvironmentMnuClick();
    EnvironmentValues environmentValues() const;
    void applyEnvironment(const EnvironmentValues& values);

    // The settings file (MainFormSettings.cpp).
    void LoadSettings(const QStringList& arguments, const QByteArray& content);
    void SaveSettings();
    // Processes the command line; returns the number of arguments.
    int processCommandLine(const QStringList& arguments);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void buildStatusBar();
    void connectCommands();
    // Each area of the window is wired in a file of its own.
    void connectEditingCommands();     // MainFormEditing.cpp
    void connectSearchCommands();      // MainFormSearch.cpp
    void connectClipboardCommands();   // MainFormClipboard.cpp
    void connectBackupCommands();      // MainFormBackup.cpp
    void connectPrintCommands();       // MainFormPrint.cpp
    void connectSelectFileCommands();  // MainFormSelectFile.cpp
    void connectFilterCommands();      // MainFormFilters.cpp
    void connectLaunchCommands();      // MainFormLaunch.cpp
    void connectListCommands();        // MainFormLists.cpp
    // The crash-recovery journal, the offer of what an earlier run left, and
    // the look at files changed on disk (MainFormRecovery.cpp).
    void startSafetyNets();
    void connectFileOperationCommands();   // MainFormFileOperations.cpp
    void connectOptionCommands();      // MainFormOptions.cpp
    // The status bar's progress while big files are read (MainFormLoading.cpp).
    void connectLoadProgress();
    void showLists(int changes);
    // Enabling of the list entries of the File menu and the shortcut menu,
    // each time either opens.
    void enableListCommands();
    void ViewSelectFileMnuClick();
    TViewForm& ViewForm();
    void connectViewToggles();
    // Files dropped on the window, the extra document keys and the tabs'
    // middle click (MainFormDesktop.cpp).
    void connectDesktopConveniences();
    void openDroppedFiles(const QStringList& names);
    void runIfEnabled(const char* name);
    void connectMenuOpening();
    void markUnbuiltCommands();
    void startUp(const QStringList& arguments);
    void loadStartupDocuments(const QStringList& arguments);
    void restoreWindowPlacement(const StoredSettings& settings);
    void collectStartupDocuments();
    bool settingsFileSavedByUser() const;
    void placeCentred();
    void startFirstRun(const QStringList& arguments);
    bool FormCloseQuery();
    void setPanel(int panel, const QString& text);
    void enterNoDocumentState();
    void FileMnuOpening();
    void EditMnuOpening();
    void HelpContentsMnuClick();
    void showPopupMenu(const QPoint& globalPos);

    Prompts& prompts_;
    EditorOptions options_;
    CommandSwitch commands_;
    std::unique_ptr<SystemClipboard> clipboard_;
    EditControl* edit_ = nullptr;
    QTabBar* tabs_ = nullptr;
    SpeedBar* toolBar_ = nullptr;
    QMenu* popup_ = nullptr;
    QLabel* panels_[4] = {};
    QProgressBar* loadProgress_ = nullptr;
    bool readingHeld_ = false;
    void releaseReading();
    QTimer* timer_ = nullptr;
    int timerTag_ = 0;
    bool wordWrap_ = false;
    std::unique_ptr<DocumentTable> table_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ListDocumentSide> listDocuments_;
    std::unique_ptr<FileLists> lists_;
    int batchDepth_ = 0;
    std::unique_ptr<HelpViewer> help_;
    // Area objects, owned as QObject children of the window (or by their area).
    EditingCommands* editing_ = nullptr;
    EditKeyHandler* keys_ = nullptr;     // the edit control's child
    SearchCommands* search_ = nullptr;
    ClipboardModes* clipboardModes_ = nullptr;
    BackupCommands* backups_ = nullptr;
    PrintCommands* printing_ = nullptr;
    TViewForm* viewForm_ = nullptr;   // made at first use, once the settings are read
    TOrderForm* orderForm_ = nullptr;
    TFiltersForm* filtersForm_ = nullptr;
    LaunchArea* launch_ = nullptr;   // child of the window
    TFavForm* favForm_ = nullptr;
    TGroupForm* groupForm_ = nullptr;
    TRecentForm* recentForm_ = nullptr;
    std::unique_ptr<StoredSettings> stored_;   // the settings file as last read
    RecoveryJournal* journal_ = nullptr;       // child of the window
    std::unique_ptr<ChangedFiles> changedFiles_;
    QByteArray storedBytes_;   // its bytes, to tell whether the user saved it
    ToolTipPolicy* hints_ = nullptr;   // child of the window
    std::unique_ptr<FileOperationCommands> operations_;
    TCMForm* cmForm_ = nullptr;
    TPropertiesForm* propertiesForm_ = nullptr;
    TEnvironmentForm* environmentForm_ = nullptr;
    TAboutForm* aboutForm_ = nullptr;
};

} // namespace tw
