#pragma once
// Reading a file into a new Scintilla document, either at once or a slice at a
// time between turns of the event loop, so a window can show a huge file as
// it fills while it stays responsive. Both ways give the same document: the
// file's bytes copied once, into the document's own buffer, checked as UTF-8
// as they come.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "editing/DocumentLoader.h"
#include "platform/TextFileReader.h"

namespace tw {

class DocumentLoadJob : public QObject {
    Q_OBJECT
public:
    // Opens the file and creates the (empty) document; nothing is read yet.
    // A file that cannot be opened gives a job finished with its error.
    explicit DocumentLoadJob(const QString& path, qsizetype chunkSize = kTextChunkSize);
    ~DocumentLoadJob() override;

    // The document being filled. The job holds a reference of its own until
    // it ends; takeDocument hands the one from its creation to the caller
    // (once), and a document nobody took goes with the job.
    DocHandle document() const { return doc_; }
    DocHandle takeDocument();

    // Reads the rest of the file now.
    void runToEnd();
    // Reads in slices of about sliceMs per turn of the event loop, telling
    // progress after each and finished() at the end.
    void start(int sliceMs = 25);
    // Stops reading until the next start.
    void pause();
    // Stops reading for good; the document keeps what it has (its holder
    // drops it). No signal follows.
    void cancel();

    bool isFinished() const { return finished_; }
    // The format and error once finished (doc stays 0: see takeDocument).
    const DocumentLoad& result() const { return result_; }
    qsizetype size() const { return reading_ ? reading_->size() : 0; }
    qsizetype bytesRead() const { return reading_ ? reading_->bytesRead() : 0; }

signals:
    void progress(qint64 read, qint64 size);
    void finished();

private:
    class Sink;
    void slice();
    void step();
    void finish();
    void letGo();

    std::unique_ptr<QsciScintillaBase> view_;   // hidden; reaches the document
    std::unique_ptr<Sink> sink_;
    std::unique_ptr<TextFileReading> reading_;
    DocHandle doc_ = 0;
    bool docTaken_ = false;
    bool finished_ = false;
    int sliceMs_ = 25;
    bool sliced_ = false;   // the first slice has been read
    QTimer timer_;
    DocumentLoad result_;
};

} // namespace tw
