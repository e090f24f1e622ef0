// The save commands of FileCommands. Every document, shown or parked, goes to
// its file through the same writer: its bytes as held, one final line break of
// its own style, written atomically.
#include "app/FileCommands.h"

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "editing/EditControl.h"
#include "lists/FileListHooks.h"
#include "platform/AtomicWrite.h"
#include "platform/FileAttributes.h"
#include "platform/TextFile.h"
#include "util/FileNames.h"
#include "util/PathStyle.h"

namespace tw {

namespace {

const QString kReadOnlyText = QStringLiteral(
    "This is a readonly file.  If you want to save this file, use a different name.");

} // namespace

bool FileCommands::FileSaveMnuClick() {
    if (IsUntitledName(table_.CurrentFileName()))
        return FileSaveAsMnuClick();
    return SaveCurrentDocument();
}

bool FileCommands::SaveCurrentDocument() { return writeShownDocument(table_.CurrentFileName()); }

bool FileCommands::writeShownDocument(const QString& name) {
    if (fileExists(name) && isReadOnlyFile(name)) {
        prompts_.message(kReadOnlyText, MessageType::Error);
        return false;
    }
    const QString error =
        writeTextFile(name, edit_.characterPointer(), edit_.length(), table_.shownFormat());
    if (!error.isEmpty()) {
        prompts_.message(error, MessageType::Error);
        return false;
    }
    table_.SetModified(false);
    host_.RefreshModifiedState();
    return true;
}

bool FileCommands::askOverwrite(const QString& name) {
    return prompts_.ask(QStringLiteral("%1 exists.  Overwrite?").arg(name), MessageType::Warning,
                        Buttons::YesNo) == Answer::Yes;
}

bool FileCommands::FileSaveAsMnuClick() {
    const QString oldName = table_.CurrentFileName();
    if (fileExists(oldName))
        options_.dialogs.saveDir = DirectoryPart(oldName);
    FileDialogRequest request = saveRequest();
    request.fileName = FileNamePart(ChangeFileExtension(oldName, QString()));
    const auto chosen = prompts_.saveFile(request);
    if (!chosen)
        return false;
    if (fileExists(chosen->fileName) && !askOverwrite(chosen->fileName))
        return false;
    options_.dialogs.saveDir = DirectoryPart(chosen->fileName);
    // The lists and the document's name change only once the file is
    // written: a failed write leaves all of them as they were.
    if (!writeShownDocument(chosen->fileName))
        return false;
    lists_->AddRecentFile(oldName);
    lists_->ChangeGroupEntry(oldName, chosen->fileName);
    lists_->ChangeFavoritesEntry(oldName, chosen->fileName);
    table_.SetCurrentFileName(chosen->fileName);
    return true;
}

bool FileCommands::saveParked(int slot) {
    DocRecord* rec = table_.record(slot);
    if (fileExists(rec->FileName) && isReadOnlyFile(rec->FileName)) {
        prompts_.message(kReadOnlyText, MessageType::Error);
        return false;
    }
    const QString error = edit_.withDocumentText(rec->Text, [&](const char* data, qsizetype len) {
        return writeTextFile(rec->FileName, data, len, rec->format);
    });
    if (!error.isEmpty()) {
        prompts_.message(error, MessageType::Error);
        return false;
    }
    edit_.markDocumentSaved(rec->Text);
    rec->Modified = false;
    return true;
}

bool FileCommands::FileSaveAllMnuClick() {
    // A failure stops the command, as an error box ends any command; what was
    // saved before it stays saved.
    bool allSaved = true;
    // A named document is written only when modified, shown or parked alike;
    // an untitled one always gets its Save As.
    if (documentShown() && (edit_.isModified() || IsUntitledName(table_.CurrentFileName())))
        allSaved = FileSaveMnuClick();
    for (int slot = 1; allSaved && slot < table_.DocCount(); ++slot) {
        DocRecord* rec = table_.record(slot);
        if (IsUntitledName(rec->FileName)) {
            const int back = table_.showSlotForAWhile(slot);
            FileSaveAsMnuClick();
            if (edit_.isModified() &&
                prompts_.ask(QStringLiteral("Do you wish to continue saving files?"),
                             MessageType::Confirmation, Buttons::YesNo) != Answer::Yes) {
                table_.showTabAgain(back);
                allSaved = false;
                break;
            }
            table_.showTabAgain(back);
        } else if (rec->Modified) {
            allSaved = saveParked(slot);
        }
    }
    host_.RefreshModifiedState();
    return allSaved;
}

void FileCommands::FileSelectionSaveMnuClick() {
    FileDialogRequest request = saveRequest();
    request.title = QStringLiteral("Save Selection");
    const auto chosen = prompts_.saveFile(request);
    if (!chosen)
        return;
    if (fileExists(chosen->fileName) && !askOverwrite(chosen->fileName))
        return;
    const QByteArray selected = edit_.selectedBytes();
    const QString error = writeBytesAtomically(chosen->fileName, selected.constData(), selected.size());
    if (!error.isEmpty())
        prompts_.message(error, MessageType::Error);
}

void FileCommands::FileSelectionOpenMnuClick() {
    const QByteArray selected = edit_.selectedBytes();
    const TextFormat::Encoding from = table_.shownFormat().encoding;
    FileNewMnuClick();
    if (!documentShown() || table_.DocCount() == 0)
        return;
    if (from == TextFormat::Encoding::Latin1) {
        // Keep the bytes as they are: the new document is single-byte too.
        TextFormat format;
        format.encoding = from;
        edit_.loadBytes(QByteArray(), from, format.lineBreak);
        table_.setShownFormat(format);
    }
    edit_.setTextBytes(selected);
}

} // namespace tw
