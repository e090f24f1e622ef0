#pragma once
// The recovery journal on disk. Each running editor keeps a session folder
// "session-XXXXXX" in the recovery folder, locked for as long as it runs, with
// one entry file per modified document: its name, its file format and its
// text, closed by a checksum. A session whose lock nobody holds belongs to an
// editor that died; its entries are what can be recovered.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/TextFile.h"

namespace tw {

struct JournalEntry {
    QString fileName;   // the document's name: a path, or an untitled name
    TextFormat format;
    QByteArray text;
};

// Writes an entry file safely (a crash leaves the previous entry or the new
// one); "" or the error text.
QString writeJournalEntry(const QString& path, const QString& fileName, const TextFormat& format,
                          const QByteArray& text);

struct JournalRead {
    std::optional<JournalEntry> entry;
    QString error;   // why the entry cannot be used: unreadable, not an entry, damaged
};
// Reads an entry file. Only a whole, undamaged entry of the editor's own
// format is given back.
JournalRead readJournalEntry(const QString& path);

// One running editor's session folder, created at first use and locked.
class JournalSession {
public:
    explicit JournalSession(const QString& recoveryFolder);
    ~JournalSession();   // lets go of the lock; the folder stays (see remove)
    JournalSession(const JournalSession&) = delete;
    JournalSession& operator=(const JournalSession&) = delete;

    // The entry file for a document number, making the folder when needed
    // (also anew when it was removed meanwhile); empty when it cannot be made
    // (error tells why).
    QString entryPath(quint64 id, QString* error = nullptr);
    // Counts the folders made: when it changes, the entries written into an
    // earlier one are gone.
    quint64 foldersMade() const { return foldersMade_; }
    // Removes the folder with its entries (a clean exit).
    void remove();

private:
    QString recoveryFolder_;
    QString folder_;
    int lock_ = -1;
    quint64 foldersMade_ = 0;
};

// Session folders in recoveryFolder that no running editor holds.
QStringList abandonedSessions(const QString& recoveryFolder);
// The entry files of a session folder, in name order.
QStringList sessionEntries(const QString& sessionFolder);
// Removes a session folder and the entries in it (nothing else).
void removeSessionFolder(const QString& sessionFolder);

} // namespace tw
