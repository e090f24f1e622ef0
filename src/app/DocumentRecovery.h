#pragma once
// At start-up: the documents that an editor which died had not saved are
// offered back, with one question for all of them. Recovered, each is opened
// as a modified document under its own name with the journaled text; its
// file on disk is not touched until the user saves. No discards them.
#include <QString>

namespace tw {

class FileCommands;
class Prompts;
class RecoveryJournal;

class DocumentRecovery {
public:
    DocumentRecovery(FileCommands& files, Prompts& prompts) : files_(files), prompts_(prompts) {}
    // Looks into the abandoned sessions of recoveryFolder. Recovered documents
    // are journaled by `journal` before the old sessions go, so a crash at any
    // moment leaves them recoverable.
    void offer(const QString& recoveryFolder, RecoveryJournal& journal);

private:
    FileCommands& files_;
    Prompts& prompts_;
};

} // namespace tw
