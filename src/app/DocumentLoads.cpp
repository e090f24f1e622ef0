#include "app/DocumentLoads.h"

#include <QFileInfo>
#include <QGuiApplication>

#include "editing/DocumentLoadJob.h"
#include "editing/EditControl.h"

namespace tw {

struct DocumentLoads::Entry {
    std::unique_ptr<DocumentLoadJob> job;
    QString name;
    bool messages = true;
    PendingSelection selection;
};

DocumentLoads::DocumentLoads(EditControl& edit) : edit_(edit), chunkSize_(kTextChunkSize) {
    // Closing a document (or replacing it) gives its reference back: its
    // reading stops there.
    connect(&edit_, &EditControl::documentReleased, this, &DocumentLoads::cancel);
}

DocumentLoads::~DocumentLoads() {
    const bool busy = any();
    jobs_.clear();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
}

void DocumentLoads::setIncrementalSize(qsizetype bytes, qsizetype chunkSize, int sliceMs) {
    incrementalSize_ = bytes;
    chunkSize_ = chunkSize;
    sliceMs_ = sliceMs;
}

bool DocumentLoads::readsIncrementally(const QString& name) const {
    const QFileInfo info(name);
    return info.isFile() && info.size() >= incrementalSize_;
}

DocumentLoad DocumentLoads::start(const QString& name, bool messages) {
    auto entry = std::make_shared<Entry>();
    entry->job = std::make_unique<DocumentLoadJob>(name, chunkSize_);
    entry->name = name;
    entry->messages = messages;
    DocumentLoadJob& job = *entry->job;
    DocumentLoad load;
    if (job.isFinished()) {   // not opened: nothing to show
        load.error = job.result().error;
        return load;
    }
    load.doc = job.takeDocument();
    edit_.setDocumentLoading(load.doc, true);
    const bool wasBusy = any();
    jobs_.insert(load.doc, entry);
    const DocHandle doc = load.doc;
    connect(&job, &DocumentLoadJob::progress, this, &DocumentLoads::tellProgress);
    connect(&job, &DocumentLoadJob::finished, this, [this, doc] { onFinished(doc); });
    if (!held_)
        job.start(sliceMs_);
    if (!wasBusy) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        emit busyChanged(true);
    }
    tellProgress();
    return load;
}

void DocumentLoads::selectWhenDone(DocHandle doc, qsizetype start, qsizetype length) {
    if (const auto entry = jobs_.value(doc))
        entry->selection = {start, length};
}

PendingSelection DocumentLoads::pendingSelection(DocHandle doc) const {
    const auto entry = jobs_.value(doc);
    return entry ? entry->selection : PendingSelection{};
}

void DocumentLoads::setHeld(bool held) {
    if (held == held_)
        return;
    held_ = held;
    for (const auto& entry : std::as_const(jobs_)) {
        if (held)
            entry->job->pause();
        else
            entry->job->start(sliceMs_);
    }
}

void DocumentLoads::complete(DocHandle doc) {
    const std::shared_ptr<Entry> entry = jobs_.value(doc);
    if (!entry)
        return;
    entry->job->pause();
    entry->job->runToEnd();
    onFinished(doc);
}

void DocumentLoads::completeAll() {
    for (const DocHandle doc : jobs_.keys())
        complete(doc);
}

void DocumentLoads::onFinished(DocHandle doc) {
    const std::shared_ptr<Entry> entry = jobs_.take(doc);
    if (!entry)
        return;
    Done done{doc, entry->name, entry->messages, entry->job->result(), entry->selection};
    // The job is inside its own signal: it goes once that has returned.
    entry->job.release()->deleteLater();
    if (done.result.ok())
        edit_.setDocumentLoading(doc, false);
    emit finished(done);
    tellProgress();
    endBusyIfIdle();
}

void DocumentLoads::cancel(DocHandle doc) {
    const std::shared_ptr<Entry> entry = jobs_.take(doc);
    if (!entry)
        return;
    entry->job->cancel();
    tellProgress();
    endBusyIfIdle();
}

void DocumentLoads::tellProgress() {
    qint64 read = 0;
    qint64 size = 0;
    for (const auto& entry : std::as_const(jobs_)) {
        read += entry->job->bytesRead();
        size += entry->job->size();
    }
    emit progress(read, size);
}

void DocumentLoads::endBusyIfIdle() {
    if (any())
        return;
    QGuiApplication::restoreOverrideCursor();
    emit busyChanged(false);
}

} // namespace tw
