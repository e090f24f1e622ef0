#pragma once
// Unsaved work survives a crash: every modified document, untitled ones
// included, is journaled to the recovery folder beside the settings within
// about two seconds of its last change. Typing never waits for it: the copy's
// buffer is made on the journal's own thread, the text is copied into it in
// slices of bounded size between events (a change in between starts the copy
// again later), and the copy goes to disk on the journal's thread. A document
// that is saved, made unmodified or closed loses its entry; a clean exit
// removes the whole session. When entries cannot be written (the folder is
// not writable, the disk is full), the user is told once, in a box that does
// not take the keyboard; again only after a write has worked and then fails.
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <memory>

#include "editing/EditControl.h"

class QTimer;

namespace tw {

class DocumentTable;
class JournalSession;
class Prompts;
class JournalWriter;

class RecoveryJournal : public QObject {
public:
    RecoveryJournal(DocumentTable& table, EditControl& edit, Prompts& prompts, const QString& recoveryFolder,
                    QObject* parent = nullptr);
    ~RecoveryJournal() override;   // writes what is queued; the session stays

    // Journals every modified document now and waits until it is on disk.
    void flush();
    // The end of a clean exit: nothing of this run needs recovering.
    void finishCleanly();

    static constexpr int kTickMs = 500;
    static constexpr qint64 kQuietMs = 1000;      // journal once a document rests this long
    static constexpr qint64 kLongestWaitMs = 10000;   // or, while it keeps changing, this often
    static constexpr qsizetype kSliceBytes = 1 << 20;

private:
    struct Document {
        DocHandle handle = 0;
        QString name;
        const TextFormat* format = nullptr;
        bool modified = false;
    };
    struct Tracked {
        quint64 seenCount = 0;        // the change count at the last look
        qint64 changedAt = 0;         // when it was seen to change
        qint64 pendingSince = -1;     // since when its entry is behind; -1 when it is not
        quint64 journaledCount = 0;   // the change count the last write was given
        QString journaledName;
        bool attempted = false;       // the two above tell of a write asked for
        bool hasEntry = false;        // an entry file may be there
    };
    struct Copy {
        DocHandle handle = 0;
        quint64 count = 0;
        QString name;
        TextFormat format;
        QByteArray bytes;   // the whole length, filled slice by slice
        qsizetype length = 0;
        qsizetype copied = 0;
        quint64 number = 0;   // which copy, so a late buffer finds its own
    };

    QList<Document> documents() const;
    void tick();
    bool behind(const Document& doc, const Tracked& t) const;
    // now: the buffer is made at once (flush), not on the journal's thread.
    void startCopy(const Document& doc, bool now);
    void bufferReady(quint64 number, QByteArray buffer);
    void copySlice();
    void dropCopy();
    void finishCopy();
    QString entryFor(DocHandle handle, QString* error = nullptr);
    void forget(DocHandle handle);
    // The writes' results since the last look; a failure is told as above.
    void collectOutcomes();
    void noteOutcome(const QString& error);

    DocumentTable& table_;
    EditControl& edit_;
    Prompts& prompts_;
    QString recoveryFolder_;
    bool failureTold_ = false;   // told, and no write has worked since
    quint64 foldersSeen_ = 0;    // the session's folders made, as last seen
    std::unique_ptr<JournalSession> session_;
    std::unique_ptr<JournalWriter> writer_;
    QHash<DocHandle, Tracked> tracked_;
    std::optional<Copy> copy_;
    quint64 copies_ = 0;
    QTimer* ticker_;
    QTimer* slicer_;
    QElapsedTimer clock_;
};

} // namespace tw
