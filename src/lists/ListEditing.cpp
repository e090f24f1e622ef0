#include "lists/ListEditing.h"

#include "lists/GroupFiles.h"
#include "util/PathStyle.h"
#include "util/Prompts.h"

namespace tw {

QString addDialogFolder(const QStringList& listed, const QString& dialogFolder,
                        const QString& shownFile) {
    if (!listed.isEmpty())
        return DirectoryPart(listed.constLast());
    if (dialogFolder.isEmpty() && !shownFile.isEmpty())
        return DirectoryPart(shownFile);
    return dialogFolder;
}

QStringList chooseFilesToAdd(Prompts& prompts, const QString& title, const QString& filter,
                             const QStringList& listed, QString& dialogFolder,
                             const QString& shownFile) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.hideReadOnly = true;
    request.initialDir = addDialogFolder(listed, dialogFolder, shownFile);
    const QStringList chosen = prompts.openFiles(request);
    if (!chosen.isEmpty())
        dialogFolder = DirectoryPart(chosen.constLast());
    return chosen;
}

bool addChosenFiles(GroupFiles& list, const QStringList& chosen, Prompts& prompts,
                    const AddRules& rules) {
    bool added = false;
    for (const QString& name : chosen) {
        if (rules.isSettingsFile && rules.isSettingsFile(name))
            continue;
        if (list.find(name) >= 0 &&
            prompts.ask(rules.duplicateQuestion.arg(name), MessageType::Confirmation,
                        Buttons::YesNo) != Answer::Yes)
            continue;
        if (!list.append(name)) {
            prompts.message(rules.fullMessage.arg(name), MessageType::Warning);
            break;
        }
        added = true;
    }
    return added;
}

} // namespace tw
