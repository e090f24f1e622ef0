#pragma once
// The Execute menu's commands and the running of a Run record, without
// widgets: what they ask of the window comes through LaunchHost, every text
// through Prompts, and every start through Launcher.
#include <QString>

#include "launch/LaunchHelpers.h"
#include "launch/LaunchTables.h"
#include "util/PathStyle.h"

namespace tw {

class Prompts;

class LaunchHost {
public:
    virtual ~LaunchHost() = default;
    virtual bool documentOpen() const = 0;
    virtual QString currentFileName() const = 0;
    // The open group's main file when the shown document belongs to the open
    // group and it names one, else the current file name.
    virtual QString fileToActOn() const = 0;
    virtual bool currentModified() const = 0;
    virtual bool anyModified() const = 0;
    // File > Save, Save All, Backup > Current File, Backup > All Files.
    virtual void saveCurrentFile() = 0;
    virtual void saveAllFiles() = 0;
    virtual void backupCurrentFile() = 0;
    virtual void backupAllFiles() = 0;
};

class LaunchCommands {
public:
    LaunchCommands(LaunchTables& tables, LaunchHost& host, Prompts& prompts, Launcher& launcher)
        : tables_(tables), host_(host), prompts_(prompts), launcher_(launcher) {}

    // Whether Execute > Current File applies to the current document.
    bool canExecuteCurrentFile() const;

    void ExecuteCurrentFileMnuClick();
    void ExecuteExplorerMnuClick();
    void ExecuteDOSPromptMnuClick();
    void ExecuteDOSComMnuClick();
    // Runs Run record `number` (1-based), as its menu entry does.
    void runRecord(int number);

private:
    // The record's save-or-backup action; false when the user stops the run.
    bool saveOrBackup(int action, const QString& stillQuestion);

    LaunchTables& tables_;
    LaunchHost& host_;
    Prompts& prompts_;
    Launcher& launcher_;
};

} // namespace tw
