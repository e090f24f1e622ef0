#pragma once
// The main window's launching: the Execute and Run tables, the commands that
// run programs, the output panel below the editor and the two table editors.
// It answers LaunchHost's questions from the window's documents.
#include <QObject>
#include <memory>

#include "launch/LaunchCommands.h"
#include "launch/LaunchTables.h"

class QDockWidget;

namespace tw {

class Prompts;
class TExeOptForm;
class TMainForm;
class TOutputPanel;
class TRunForm;

class LaunchArea : public QObject, public LaunchHost {
    Q_OBJECT
public:
    LaunchArea(TMainForm& form, Prompts& prompts);
    ~LaunchArea() override;

    LaunchTables& tables() { return tables_; }
    LaunchCommands& commands() { return *commands_; }
    Launcher& launcher() { return *launcher_; }
    TOutputPanel& outputPanel() { return *panel_; }
    QDockWidget* outputDock() { return dock_; }
    TExeOptForm& exeOptForm();
    TRunForm& runForm();

    // The tables as the settings file holds them.
    void load(const QList<StoredExecRecord>& exec, int executeShortcut,
              const QList<StoredRunRecord>& run);
    // Rebuilds the Run menu and settles the menu's shortcuts.
    void runMenuChanged();
    void applyExecuteShortcut(int code);
    // Shows file at line and column (1-based; 0 for none), opening it first
    // when it is not open.
    void showLocation(const QString& file, int line, int column);

    // LaunchHost
    bool documentOpen() const override;
    QString currentFileName() const override;
    QString fileToActOn() const override;
    bool currentModified() const override;
    bool anyModified() const override;
    void saveCurrentFile() override;
    void saveAllFiles() override;
    void backupCurrentFile() override;
    void backupAllFiles() override;

private:
    void showHelp(int topic);

    TMainForm& form_;
    Prompts& prompts_;
    LaunchTables tables_;
    TOutputPanel* panel_ = nullptr;
    QDockWidget* dock_ = nullptr;
    std::unique_ptr<Launcher> launcher_;
    std::unique_ptr<LaunchCommands> commands_;
    TExeOptForm* exeOptForm_ = nullptr;
    TRunForm* runForm_ = nullptr;
};

} // namespace tw
