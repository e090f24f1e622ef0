// The save commands of FileCommands. Every document, shown or parked, goes to
// its file through the same writer: its bytes as held, one final line break of
// its own style, written atomically.
#include "app/FileCommands.h"

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "editing/EditControl.h"
#include "editing/TextCodec.h"
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

bool FileCommands::writeDocument(const QString& name, TextPieces text, TextEncoding held,
                                 TextFormat& format) {
    // The text is written in the file's own encoding. A single-byte file whose
    // document took characters beyond Latin-1 is held as UTF-8: it goes back
    // as Latin-1 when it fits, and becomes UTF-8 only with the user's word.
    QByteArray converted;
    TextFormat written = format;
    if (held != format.encoding) {
        converted.reserve(text.length());
        converted.append(text.first.data, text.first.length).append(text.second.data, text.second.length);
        if (held == TextEncoding::Latin1 || canConvertLosslessly(converted, held, format.encoding)) {
            converted = convertText(converted, held, format.encoding);
        } else {
            if (prompts_.ask(QStringLiteral("\"%1\" is a Latin-1 file, and its text now holds "
                                            "characters that Latin-1 cannot hold.\n\nSave it as "
                                            "UTF-8?")
                                 .arg(name),
                             MessageType::Warning, Buttons::YesNo) != Answer::Yes)
                return false;
            written.encoding = TextEncoding::Utf8;
        }
        text = TextPieces{ByteRange{converted.constData(), converted.size()}};
    }
    // Another program's change is never overwritten unasked; a file deleted
    // meanwhile is simply made again.
    if (compareWithDisk(name, format.stamp) == DiskState::Changed && !askOverwriteChanged(name))
        return false;
    keptCopies_.tellAtSave(name);
    const QString error = writeTextFile(name, text, written, &written.stamp);
    if (!error.isEmpty()) {
        prompts_.message(fileErrorText(name, error), MessageType::Error);
        return false;
    }
    written.fromFile = true;
    written.changedOnDisk = false;
    format = written;
    return true;
}

bool FileCommands::askOverwriteChanged(const QString& name) {
    return prompts_.ask(QStringLiteral("\"%1\" has been changed on disk since it was opened or "
                                       "last saved.\n\nOverwrite it with this document? No keeps "
                                       "the file as it is and the document unsaved.")
                            .arg(name),
                        MessageType::Warning, Buttons::YesNoDefaultNo) == Answer::Yes;
}

bool FileCommands::SaveCurrentDocument() { return writeShownDocument(table_.CurrentFileName(), false); }

bool FileCommands::writeShownDocument(const QString& name, bool newName) {
    // Half a file is never written, over its own file or any other.
    if (refuseWhileLoading())
        return false;
    if (fileExists(name) && isReadOnlyFile(name)) {
        prompts_.message(kReadOnlyText, MessageType::Error);
        return false;
    }
    TextFormat format = table_.shownFormat();
    // The stamp belongs to the file the document came from; a file chosen in
    // Save As has had its own question.
    if (newName)
        format.stamp = FileStamp{};
    if (!writeDocument(name, edit_.textPieces(edit_.shownDocument()), edit_.encoding(), format))
        return false;
    table_.setShownFormat(format);
    table_.SetModified(false);
    host_.RefreshModifiedState();
    return true;
}

bool FileCommands::askOverwrite(const QString& name) {
    return prompts_.ask(QStringLiteral("%1 exists.  Overwrite?").arg(name), MessageType::Warning,
                        Buttons::YesNoDefaultNo) == Answer::Yes;
}

bool FileCommands::FileSaveAsMnuClick() {
    if (refuseWhileLoading())
        return false;
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
    if (!writeShownDocument(chosen->fileName, true))
        return false;
    lists_->AddRecentFile(oldName);
    lists_->ChangeGroupEntry(oldName, chosen->fileName);
    lists_->ChangeFavoritesEntry(oldName, chosen->fileName);
    table_.SetCurrentFileName(chosen->fileName);
    return true;
}

bool FileCommands::saveParked(int slot) {
    DocRecord* rec = table_.record(slot);
    if (edit_.isDocumentLoading(rec->Text))
        return false;
    if (fileExists(rec->FileName) && isReadOnlyFile(rec->FileName)) {
        prompts_.message(kReadOnlyText, MessageType::Error);
        return false;
    }
    const TextEncoding held = edit_.documentEncoding(rec->Text);
    if (!writeDocument(rec->FileName, edit_.textPieces(rec->Text), held, rec->format))
        return false;
    edit_.markDocumentSaved(rec->Text);
    rec->Modified = false;
    return true;
}

bool FileCommands::FileSaveAllMnuClick() {
    // A document that is not saved (a cancelled Save As, a refused overwrite,
    // a read-only or unwritable file) is told about and passed over: the
    // documents after it are still written. Only a No to the continue
    // question stops the command.
    bool allSaved = true;
    // A named document is written only when modified, shown or parked alike;
    // an untitled one always gets its Save As.
    if (documentShown() && (edit_.isModified() || IsUntitledName(table_.CurrentFileName())))
        allSaved = FileSaveMnuClick();
    for (int slot = 1; slot < table_.DocCount(); ++slot) {
        DocRecord* rec = table_.record(slot);
        if (IsUntitledName(rec->FileName)) {
            const int back = table_.showSlotForAWhile(slot);
            FileSaveAsMnuClick();
            const bool unsaved = edit_.isModified();
            allSaved = allSaved && !unsaved;
            const bool stop =
                unsaved && prompts_.ask(QStringLiteral("Do you wish to continue saving files?"),
                                        MessageType::Confirmation, Buttons::YesNo) != Answer::Yes;
            table_.showTabAgain(back);
            if (stop)
                break;
        } else if (rec->Modified && !saveParked(slot)) {
            allSaved = false;
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
        prompts_.message(fileErrorText(chosen->fileName, error), MessageType::Error);
}

void FileCommands::FileSelectionOpenMnuClick() {
    const QByteArray selected = edit_.selectedBytes();
    const TextFormat::Encoding from = edit_.encoding();
    // A refused New leaves the shown document as it was: the selection must
    // not land in it.
    if (!FileNewMnuClick())
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
