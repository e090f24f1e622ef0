#include "app/RecoveryJournal.h"

#include <QSet>
#include <QTimer>

#include <algorithm>

#include "app/DocumentTable.h"
#include "platform/JournalFiles.h"
#include "platform/JournalWriter.h"
#include "util/Prompts.h"

namespace tw {

RecoveryJournal::RecoveryJournal(DocumentTable& table, EditControl& edit, Prompts& prompts,
                                 const QString& recoveryFolder, QObject* parent)
    : QObject(parent), table_(table), edit_(edit), prompts_(prompts), recoveryFolder_(recoveryFolder),
      session_(std::make_unique<JournalSession>(recoveryFolder)),
      writer_(std::make_unique<JournalWriter>()), ticker_(new QTimer(this)), slicer_(new QTimer(this)) {
    clock_.start();
    ticker_->setInterval(kTickMs);
    connect(ticker_, &QTimer::timeout, this, &RecoveryJournal::tick);
    ticker_->start();
    // One slice per turn of the event loop, after the events waiting.
    slicer_->setInterval(0);
    connect(slicer_, &QTimer::timeout, this, &RecoveryJournal::copySlice);
}

RecoveryJournal::~RecoveryJournal() { writer_.reset(); }

QList<RecoveryJournal::Document> RecoveryJournal::documents() const {
    QList<Document> list;
    if (table_.DocCount() == 0 || edit_.isHidden())
        return list;
    list.append({edit_.shownDocument(), table_.CurrentFileName(), &table_.shownFormat(), edit_.isModified()});
    for (int slot = 1; slot < table_.DocCount(); ++slot)
        if (const DocRecord* rec = table_.record(slot))
            list.append({rec->Text, rec->FileName, &rec->format, rec->Modified});
    return list;
}

bool RecoveryJournal::behind(const Document& doc, const Tracked& t) const {
    return !t.attempted || t.journaledCount != edit_.changeCount(doc.handle) || t.journaledName != doc.name;
}

void RecoveryJournal::tick() {
    collectOutcomes();
    const qint64 now = clock_.elapsed();
    const QList<Document> docs = documents();
    QSet<DocHandle> modified;
    const Document* next = nullptr;
    qint64 nextSince = 0;
    for (const Document& doc : docs) {
        if (!doc.modified)
            continue;
        modified.insert(doc.handle);
        Tracked& t = tracked_[doc.handle];
        const quint64 count = edit_.changeCount(doc.handle);
        if (count != t.seenCount) {
            t.seenCount = count;
            t.changedAt = now;
        }
        if (!behind(doc, t)) {
            t.pendingSince = -1;
            continue;
        }
        if (t.pendingSince < 0)
            t.pendingSince = now;
        const bool due = now - t.changedAt >= kQuietMs || now - t.pendingSince >= kLongestWaitMs;
        if (due && (!next || t.pendingSince < nextSince)) {
            next = &doc;
            nextSince = t.pendingSince;
        }
    }
    for (const DocHandle handle : tracked_.keys())
        if (!modified.contains(handle))
            forget(handle);
    if (next && !copy_)
        startCopy(*next, false);
}

void RecoveryJournal::startCopy(const Document& doc, bool now) {
    Copy copy;
    copy.handle = doc.handle;
    copy.count = edit_.changeCount(doc.handle);
    copy.name = doc.name;
    copy.format = *doc.format;
    copy.length = edit_.documentLength(doc.handle);
    copy.number = ++copies_;
    copy_ = std::move(copy);
    if (now) {
        copy_->bytes = QByteArray(copy_->length, Qt::Uninitialized);
        return;
    }
    // The buffer is made on the journal's thread; the slices begin once it is here.
    const quint64 number = copy_->number;
    writer_->prepareBuffer(copy_->length, [this, number](QByteArray buffer) {
        QMetaObject::invokeMethod(
            this, [this, number, buffer = std::move(buffer)]() mutable { bufferReady(number, std::move(buffer)); },
            Qt::QueuedConnection);
    });
}

void RecoveryJournal::bufferReady(quint64 number, QByteArray buffer) {
    if (!copy_ || copy_->number != number) {
        writer_->dispose(std::move(buffer));
        return;
    }
    copy_->bytes = std::move(buffer);
    slicer_->start();
}

void RecoveryJournal::dropCopy() {
    slicer_->stop();
    if (copy_)
        writer_->dispose(std::move(copy_->bytes));
    copy_.reset();
}

void RecoveryJournal::copySlice() {
    // A document that changed or went away meanwhile is copied again later.
    const bool alive = std::any_of(tracked_.keyBegin(), tracked_.keyEnd(),
                                   [this](DocHandle h) { return h == copy_->handle; });
    if (!alive || edit_.changeCount(copy_->handle) != copy_->count) {
        dropCopy();
        return;
    }
    const qsizetype from = copy_->copied;
    const qsizetype to = std::min(copy_->length, from + kSliceBytes);
    edit_.copyDocumentRange(copy_->handle, from, to, copy_->bytes.data() + from);
    copy_->copied = to;
    if (copy_->copied >= copy_->length)
        finishCopy();
}

void RecoveryJournal::finishCopy() {
    slicer_->stop();
    Copy copy = std::move(*copy_);
    copy_.reset();
    // Tried once per change, whatever comes of it: a folder that cannot be
    // written is not tried again at every tick.
    Tracked& t = tracked_[copy.handle];
    t.attempted = true;
    t.journaledCount = copy.count;
    t.journaledName = copy.name;
    t.pendingSince = -1;
    QString error;
    const QString path = entryFor(copy.handle, &error);
    if (path.isEmpty()) {
        writer_->dispose(std::move(copy.bytes));
        noteOutcome(error.isEmpty() ? QStringLiteral("the folder cannot be made") : error);
        return;
    }
    writer_->write(path, copy.name, copy.format, std::move(copy.bytes));
    t.hasEntry = true;
    if (session_->foldersMade() != foldersSeen_) {
        // A new session folder: what the others had written went with the old one.
        foldersSeen_ = session_->foldersMade();
        for (auto it = tracked_.begin(); it != tracked_.end(); ++it)
            if (it.key() != copy.handle)
                it->attempted = false;
    }
}

QString RecoveryJournal::entryFor(DocHandle handle, QString* error) {
    return session_->entryPath(static_cast<quint64>(handle), error);
}

void RecoveryJournal::collectOutcomes() {
    for (const JournalWriter::Outcome& outcome : writer_->takeOutcomes())
        noteOutcome(outcome.error);
}

void RecoveryJournal::noteOutcome(const QString& error) {
    if (error.isEmpty()) {
        failureTold_ = false;
        return;
    }
    if (failureTold_)
        return;
    failureTold_ = true;
    // Told in a box that leaves the keyboard to the text: typing goes on.
    prompts_.notice(QStringLiteral("Unsaved changes cannot be kept for recovery: the recovery folder "
                                   "\"%1\" cannot be written (%2).\n\nIf Tarnwick stopped now, changes "
                                   "that are not saved would be lost: save your documents. You are told "
                                   "again if this happens anew after the folder has worked.")
                        .arg(recoveryFolder_, error),
                    MessageType::Warning);
}

void RecoveryJournal::forget(DocHandle handle) {
    const Tracked t = tracked_.take(handle);
    if (t.hasEntry)
        writer_->remove(entryFor(handle));
    if (copy_ && copy_->handle == handle)
        dropCopy();
}

void RecoveryJournal::flush() {
    for (const Document& doc : documents()) {
        if (!doc.modified)
            continue;
        Tracked& t = tracked_[doc.handle];
        if (!behind(doc, t))
            continue;
        dropCopy();
        startCopy(doc, true);
        while (copy_)
            copySlice();
    }
    writer_->waitUntilDone();
    collectOutcomes();
}

void RecoveryJournal::finishCleanly() {
    ticker_->stop();
    dropCopy();
    writer_->waitUntilDone();
    session_->remove();
    tracked_.clear();
}

} // namespace tw
