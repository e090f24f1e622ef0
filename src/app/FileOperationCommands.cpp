#include "app/FileOperationCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/UntitledNames.h"
#include "editing/EditControl.h"
#include "lists/FileListHooks.h"
#include "platform/FileAttributes.h"
#include "platform/FileOperations.h"
#include "platform/FileStamp.h"
#include "platform/ProgramDirectory.h"
#include "platform/Trash.h"
#include "settings/EditorOptions.h"
#include "util/PathStyle.h"
#include "util/Prompts.h"

namespace tw {

namespace {

void error(Prompts& prompts, const QString& text) { prompts.message(text, MessageType::Error); }

bool yes(Prompts& prompts, const QString& question) {
    return prompts.ask(question, MessageType::Confirmation, Buttons::YesNo) == Answer::Yes;
}

// A question whose Yes destroys a file (Delete, a target overwritten): Return
// answers No.
bool yesDestroys(Prompts& prompts, const QString& question) {
    return prompts.ask(question, MessageType::Confirmation, Buttons::YesNoDefaultNo) == Answer::Yes;
}

// A case-insensitive mount shows the same file under both spellings.
bool differsOnlyInCase(const QString& a, const QString& b) {
    return a != b && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

FileOperationCommands::FileOperationCommands(DocumentTable& table, EditControl& edit,
                                             FileCommands& files, FileListHooks& lists,
                                             Prompts& prompts, const EditorOptions& options)
    : table_(table), edit_(edit), files_(files), lists_(lists), prompts_(prompts),
      options_(options) {}

bool FileOperationCommands::hasFile(const QString& name) const {
    return name.startsWith(QLatin1Char('/')) && !IsUntitledName(name) && entryExists(name);
}

template <typename Operation>
QString FileOperationCommands::busy(Operation operation) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString result = operation(
        [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    QGuiApplication::restoreOverrideCursor();
    return result;
}

bool FileOperationCommands::refusedTarget(const QString& source, const QString& target) {
    // Without the hidden mode the settings file is not the editor's to write.
    const QString settings = programDirectory() + QStringLiteral("tw162.ini");
    if (!options_.SettingsFileEditable &&
        (files_.IsSettingsFile(target, false) || isSameFile(target, settings, LinkMode::Follow))) {
        files_.IsSettingsFile(settings, true);   // its refusal message
        return true;
    }
    // Another tab's next save or autosave would silently overwrite the new file.
    for (int slot = 1; slot < table_.DocCount(); ++slot) {
        const DocRecord* rec = table_.record(slot);
        if (rec && (rec->FileName == target ||
                    (hasFile(rec->FileName) && isSameFile(rec->FileName, target, LinkMode::Follow)))) {
            prompts_.message(QStringLiteral("File \"%1\" is open in another tab: close it there "
                                            "first, or its next save would overwrite the new file")
                                 .arg(target),
                             MessageType::Warning);
            return true;
        }
    }
    Q_UNUSED(source);
    return false;
}

bool FileOperationCommands::CopyMoveTo(const QString& folder, bool move) {
    if (!folderExists(folder)) {
        if (!yes(prompts_, QStringLiteral("Directory \"%1\" does not exist! Do you want to create it?")
                               .arg(folder)))
            return false;
        if (!createFolder(folder).isEmpty()) {
            error(prompts_, QStringLiteral("Could not create directory \"%1\"").arg(folder));
            return false;
        }
    }
    const QString source = table_.CurrentFileName();
    const QString target = folder + FileNamePart(source);
    const QString failure = move ? QStringLiteral("File \"%1\" could not be moved").arg(source)
                                 : QStringLiteral("File \"%1\" could not be copied").arg(source);
    if (!hasFile(source)) {
        error(prompts_, failure);
        return false;
    }
    if (isSameFile(source, target, move ? LinkMode::Itself : LinkMode::Follow)) {
        if (!move) {   // a copy onto itself would destroy what it copies
            error(prompts_, failure);
            return false;
        }
        if (!differsOnlyInCase(source, target))
            return true;   // already there
    } else {
        if (refusedTarget(source, target))
            return false;
        if (entryExists(target) &&
            !yesDestroys(prompts_, QStringLiteral("File \"%1\" eixsts.  Overwright?").arg(target)))
            return false;
    }
    // A move to another volume makes a new file: the document knows it as
    // well as it knew the old one, so its next save asks nothing.
    const bool stampKnown =
        move && compareWithDisk(source, table_.shownFormat().stamp) == DiskState::Unchanged;
    const QString result = busy([&](const CopyProgress& progress) {
        return move ? moveReplacing(source, target, progress)
                    : copyFileReplacing(source, target, progress);
    });
    if (!result.isEmpty()) {
        error(prompts_, failure);
        return false;
    }
    if (move) {
        if (stampKnown) {
            TextFormat format = table_.shownFormat();
            format.stamp = currentStamp(target);
            table_.setShownFormat(format);
        }
        follow(source, target);
    }
    return true;
}

void FileOperationCommands::FileRenameMnuClick() {
    const QString oldName = table_.CurrentFileName();
    const std::optional<QString> answer = prompts_.input(
        QStringLiteral("Rename"), QStringLiteral("Rename \"%1\" to:").arg(FileNamePart(oldName)),
        FileNamePart(oldName));
    if (!answer)
        return;
    if (HasFolderPart(*answer)) {
        prompts_.message(QStringLiteral("You should use \"Move\" if you want to change to location "
                                        "as well as the name of a file"),
                         MessageType::Warning);
        return;
    }
    const QString newName = DirectoryPart(oldName) + *answer;
    const QString failure = QStringLiteral("File \"%1\" could not be renamed").arg(oldName);
    if (!hasFile(oldName) || answer->isEmpty() || *answer == QLatin1String(".") ||
        *answer == QLatin1String("..")) {
        error(prompts_, failure);
        return;
    }
    if (newName == oldName)
        return;
    if (isSameFile(oldName, newName, LinkMode::Itself)) {
        if (!differsOnlyInCase(oldName, newName))
            return;   // another name of the same file: nothing to do
    } else {
        if (refusedTarget(oldName, newName))
            return;
        if (entryExists(newName)) {
            if (!yesDestroys(prompts_, QStringLiteral("File \"%1\" exists.  Overwrite?").arg(newName)))
                return;
            if (isReadOnlyEntry(newName)) {
                error(prompts_, QStringLiteral("File \"%1\" could not be delete so file \"%2\" could "
                                               "be renamed")
                                    .arg(newName, oldName));
                return;
            }
        }
    }
    if (!renameReplacing(oldName, newName).isEmpty()) {
        error(prompts_, failure);
        return;
    }
    follow(oldName, newName);
}

void FileOperationCommands::FileDeleteMnuClick() {
    const QString name = table_.CurrentFileName();
    // Unsaved changes would be lost with the file: that is always asked.
    if ((options_.ConfirmPrompts || edit_.isModified()) &&
        !yesDestroys(prompts_, QStringLiteral("Sure you want to DELETE \"%1\"?").arg(name)))
        return;
    if (!hasFile(name) || !deleteFile(name).ok()) {
        error(prompts_, QStringLiteral("Could not delete \"%1\"").arg(name));
        return;
    }
    lists_.RemoveRecentFile(name);
    lists_.RemoveFromOpenGroup(name);
    table_.SetModified(false);
    files_.CloseCurrentDocument();
}

void FileOperationCommands::follow(const QString& oldName, const QString& newName) {
    lists_.ChangeGroupEntry(oldName, newName);
    lists_.ChangeFavoritesEntry(oldName, newName);
    lists_.ChangeRecentEntry(oldName, newName);
    table_.SetCurrentFileName(newName);
}

} // namespace tw
