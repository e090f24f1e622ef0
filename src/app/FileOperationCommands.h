#pragma once
// File > Operations: Copy and Move of the shown document's file into a
// folder (the copy/move dialog's OK), Rename within its folder and Delete,
// with every question and message, and the document, its tab, the title and
// the lists following a moved or renamed file. Widget-free; the dialog only
// collects the folder.
//
// The commands work on the file on disk; the document keeps its text and its
// modified state. One file reached under two names is one file: the file
// identity (device and inode) is compared before any question, so nothing is
// ever copied onto itself or replaced by itself.
#include <QString>

namespace tw {

class DocumentTable;
class EditControl;
class FileCommands;
class FileListHooks;
class Prompts;
struct EditorOptions;

class FileOperationCommands {
public:
    FileOperationCommands(DocumentTable& table, EditControl& edit, FileCommands& files,
                          FileListHooks& lists, Prompts& prompts, const EditorOptions& options);

    // The copy/move dialog's OK after its drive check, with the folder in its
    // full form (ending in "/"). True when the dialog may close; false keeps
    // it open ("stay") after a refusal, a No or a failure.
    bool CopyMoveTo(const QString& folder, bool move);
    void FileRenameMnuClick();
    void FileDeleteMnuClick();

private:
    // True when name is a file on disk: untitled and relative names have
    // none and are never looked up.
    bool hasFile(const QString& name) const;
    // Refusals shared by Copy, Move and Rename onto target; true when refused.
    bool refusedTarget(const QString& source, const QString& target);
    // After a successful move or rename: the lists, then the document.
    void follow(const QString& oldName, const QString& newName);
    // Runs a long file operation with the busy cursor, the window repainting.
    template <typename Operation>
    QString busy(Operation operation);

    DocumentTable& table_;
    EditControl& edit_;
    FileCommands& files_;
    FileListHooks& lists_;
    Prompts& prompts_;
    const EditorOptions& options_;
};

} // namespace tw
