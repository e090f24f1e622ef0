#pragma once
// How files become documents and documents become files: the admission check,
// opening as the shown document or in the background, and the File menu's
// New, Open, Insert, Reload, Save, Save As, Save All, Close and Selection
// commands with their questions.
#include <QString>
#include <memory>
#include <optional>

#include "app/DocumentLoads.h"
#include "app/KeptCopies.h"
#include "app/UntitledNames.h"
#include "platform/TextFile.h"
#include "util/OpenResult.h"
#include "util/Prompts.h"

namespace tw {

class DocumentTable;
class DocumentHost;
class EditControl;
class FileListHooks;
class SystemClipboard;
struct EditorOptions;
struct JournalEntry;

class FileCommands {
public:
    FileCommands(DocumentTable& table, EditControl& edit, DocumentHost& host, Prompts& prompts,
                 EditorOptions& options);
    ~FileCommands();
    // The lists the commands keep up to date (recent files, the open group,
    // favorites); until they are set, none.
    void setFileLists(FileListHooks& lists) { lists_ = &lists; }

    // Admission of every file read. checkLimit is off for Insert and Reload,
    // which add no document. A name that is there but cannot be reached (a
    // folder on its path may not be searched) gives CannotRead, not NotFound.
    OpenResult CanOpenFile(const QString& name, bool messages, bool checkLimit = true);
    bool IsSettingsFile(const QString& name, bool messages);
    // Reads a file for a document, with the busy cursor; a file that cannot be
    // read is reported (when messages are on) and gives nothing.
    std::optional<LoadedText> ReadTextFile(const QString& name, bool messages = true);
    // Both open a big file as a document still being read (DocumentLoads):
    // it is there at once, filling, read-only until complete.
    OpenResult OpenAsCurrent(const QString& name, bool messages);
    OpenResult OpenInBackground(const QString& name, bool messages, bool asShown);

    // False when the document limit refused the new document.
    bool FileNewMnuClick();
    void FileOpenMnuClick();
    void FileInsertMnuClick();
    void FileReloadMnuClick();
    // Each save returns false when the document could not be written.
    bool FileSaveMnuClick();
    bool FileSaveAsMnuClick();
    bool FileSaveAllMnuClick();
    bool SaveCurrentDocument();
    void FileSelectionSaveMnuClick();
    void FileSelectionOpenMnuClick();

    Answer AskSaveChanges(int slot);
    bool CloseCurrentDocument();
    bool CloseAllDocuments();
    void FileCloseCurrentFileMnuClick();

    // A document recovered from the journal of an editor that died, shown as
    // a new modified document under its own name; false at the limit.
    bool OpenRecovered(const JournalEntry& entry);

    // Esc in the edit control: a mail message on the clipboard becomes the
    // shown document's text, named after its first line and subject.
    void MailCapture(SystemClipboard& clipboard);

    // The documents still being read.
    DocumentLoads& loads() { return *loads_; }
    // Puts the caret of a document where it belongs: now, or when a document
    // still being read is complete.
    void selectWhenRead(qsizetype start, qsizetype length);
    // True (after telling the user) when the shown document is still being
    // read: it may not be saved, reloaded or inserted into yet.
    bool refuseWhileLoading();
    // Reads the rest of the shown document (of every document, with all) at
    // once, for a command that works on the whole text: a search, a print,
    // a jump to a line. False when no document is left to work on (its
    // reading failed, and it was closed with the usual message).
    bool completeReading(bool all);

    // Whether a document is shown: the edit control's visibility.
    bool documentShown() const;
    // "No more Files can be Opened!"
    void reportLimit();

private:
    // The file read into a document of its own, at once or, for a big file,
    // a slice at a time; a file that cannot be read is reported (when
    // messages are on) and gives nothing.
    std::optional<DocumentLoad> readDocument(const QString& name, bool messages, bool incremental);
    // A document read a slice at a time is complete, or failed: the failed
    // one goes (no half-read text is left to be saved over its file).
    void finishLoad(const DocumentLoads::Done& done);
    void reportUnreadable(const QString& name, const QString& error);
    bool isReadOnlyFile(const QString& name) const;
    bool saveParked(int slot);
    // Writes a document's text, held in `held`, to its file in the file's
    // format; asks before a Latin-1 file becomes UTF-8. False when nothing
    // was written (told to the user, or refused by the user).
    bool writeDocument(const QString& name, TextPieces text, TextFormat::Encoding held,
                       TextFormat& format);
    bool askOverwrite(const QString& name);
    // Before a save replaces a file another program changed.
    bool askOverwriteChanged(const QString& name);
    // Writes the shown document to name (a name chosen in Save As when
    // newName); false (after the message) when it is read-only, the write
    // failed or the user kept another program's change.
    bool writeShownDocument(const QString& name, bool newName);
    // The open and save dialogs share filter and extension, not their folder.
    FileDialogRequest dialogRequest(const QString& initialDir) const;
    FileDialogRequest openRequest() const;
    FileDialogRequest saveRequest() const;

    DocumentTable& table_;
    EditControl& edit_;
    DocumentHost& host_;
    Prompts& prompts_;
    EditorOptions& options_;
    FileListHooks* lists_;
    UntitledCounter untitled_;
    KeptCopies keptCopies_;   // what saves that died left beside the files
    std::unique_ptr<DocumentLoads> loads_;
};

} // namespace tw
