#pragma once
// The documents still being read. A big file is read a slice at a time
// between turns of the event loop, so the window shows it filling and stays
// usable; the document is read-only meanwhile, neither saved nor journaled
// (it is unmodified), and closing it cancels the reading. Smaller files are
// read at once, as they always were. While anything is read the cursor is
// busy; progress is told summed over every document being read.
#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

#include "editing/DocumentLoader.h"

namespace tw {

class DocumentLoadJob;

// Where a loaded document's caret should go once it is complete (start-up
// restores the caret saved with the desktop into a document still empty).
struct PendingSelection {
    qsizetype start = -1;   // none
    qsizetype length = 0;
};

class DocumentLoads : public QObject {
    Q_OBJECT
public:
    explicit DocumentLoads(EditControl& edit);
    ~DocumentLoads() override;

    // Files of at least this many bytes are read a slice at a time.
    static constexpr qsizetype kIncrementalSize = 8 * 1024 * 1024;
    // Tests read small files in many small slices (0 ms: a chunk a slice).
    void setIncrementalSize(qsizetype bytes, qsizetype chunkSize, int sliceMs);
    bool readsIncrementally(const QString& name) const;

    // Opens name and starts reading it into a new document, which the caller
    // owns (attaches or parks) and which stays locked read-only until done.
    // A file that cannot be opened gives its error and no document.
    DocumentLoad start(const QString& name, bool messages);
    bool isLoading(DocHandle doc) const { return jobs_.contains(doc); }
    // Reads the rest of a document (of every document) now, without turning
    // the event loop, for a command that needs the whole text; finished is
    // emitted as for a reading that ended by itself.
    void complete(DocHandle doc);
    void completeAll();
    bool any() const { return !jobs_.isEmpty(); }
    void selectWhenDone(DocHandle doc, qsizetype start, qsizetype length);
    // The place waiting for a document's caret (start -1: none, or read).
    PendingSelection pendingSelection(DocHandle doc) const;
    // Held, nothing is read (documents are made, and wait): the program holds
    // the start-up's files until its window has been painted once, so a huge
    // file never delays the window.
    void setHeld(bool held);

    struct Done {
        DocHandle doc = 0;
        QString name;
        bool messages = true;
        DocumentLoad result;   // format and error; result.doc is 0
        PendingSelection selection;
    };

signals:
    // Bytes read and to read over every document being read.
    void progress(qint64 read, qint64 size);
    // A document is complete, or failed (result.error): its holder decides.
    void finished(const tw::DocumentLoads::Done& done);
    // Reading began (true) or every reading is over (false).
    void busyChanged(bool busy);

private:
    struct Entry;
    void onFinished(DocHandle doc);
    void cancel(DocHandle doc);
    void tellProgress();
    void endBusyIfIdle();

    EditControl& edit_;
    QHash<DocHandle, std::shared_ptr<Entry>> jobs_;
    qsizetype incrementalSize_ = kIncrementalSize;
    qsizetype chunkSize_;
    int sliceMs_ = 25;
    bool held_ = false;
};

} // namespace tw
