#pragma once
// Documents whose files another program changed while the editor was away.
// When the window becomes active again, an unmodified document follows its
// file quietly; a modified one is marked, and its next save asks before it
// replaces the other program's version. A file deleted on disk keeps its
// document, whose save makes the file again.
namespace tw {

class DocumentHost;
class DocumentTable;
class EditControl;
struct DocRecord;

class ChangedFiles {
public:
    ChangedFiles(DocumentTable& table, EditControl& edit, DocumentHost& host);
    // Looks at the file of every open document.
    void checkDocuments();

private:
    void checkShown();
    void checkParked(DocRecord& rec);

    DocumentTable& table_;
    EditControl& edit_;
    DocumentHost& host_;
};

} // namespace tw
