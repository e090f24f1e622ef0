#pragma once
// What the list editors (favorites, recent files, a group's files) share
// besides their list box: where Add's file dialog starts, and which of the
// chosen files Add puts on the list.
#include <QString>
#include <QStringList>
#include <functional>

namespace tw {

class GroupFiles;
class Prompts;

// The folder the Add dialog starts in: that of the last listed file; for an
// empty list the dialog's own folder, or, when it has none yet, the shown
// document's folder (shownFile empty when no document is open).
QString addDialogFolder(const QStringList& listed, const QString& dialogFolder,
                        const QString& shownFile);

// Runs Add's open dialog (one or more existing files, no read-only box),
// starting as addDialogFolder says; dialogFolder then holds the folder the
// files were chosen in. The chosen files, empty when cancelled.
QStringList chooseFilesToAdd(Prompts& prompts, const QString& title, const QString& filter,
                             const QStringList& listed, QString& dialogFolder,
                             const QString& shownFile);

struct AddRules {
    // Drops the settings file, showing its message.
    std::function<bool(const QString& name)> isSettingsFile;
    // Asked (Yes/No) for a file already on the list; "%1" is its name.
    QString duplicateQuestion;
    // Shown once when the list is full (255 files); "%1" is the first file
    // left out.
    QString fullMessage;
};

// Appends the chosen files in the dialog's order, as the rules say. True when
// anything was added.
bool addChosenFiles(GroupFiles& list, const QStringList& chosen, Prompts& prompts,
                    const AddRules& rules);

} // namespace tw
