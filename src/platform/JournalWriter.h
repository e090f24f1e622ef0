#pragma once
// The recovery journal's own thread: entry files are written and removed
// there, in the order asked, so the interface thread never waits for a disk.
#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/TextFile.h"

namespace tw {

class JournalWriter {
public:
    JournalWriter();
    // Finishes what is queued, then stops.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Queues an entry; a queued, not yet started write of the same path is
    // replaced, as only the newest text counts.
    void write(const QString& path, const QString& fileName, const TextFormat& format, QByteArray text);
    void remove(const QString& path);
    // Makes a buffer of `length` bytes with its memory already in place and
    // hands it to `ready`, on the journal's thread. Touching fresh memory
    // page by page costs milliseconds a megabyte on some machines; here it
    // never holds up the interface.
    void prepareBuffer(qsizetype length, std::function<void(QByteArray)> ready);
    // Lets go of a buffer on the journal's thread.
    void dispose(QByteArray buffer);
    // Returns once everything queued so far is done.
    void waitUntilDone();

    // What became of each entry write since the last call, in order: the
    // entry's path and "" or the error text. The interface thread collects
    // them; the journal's thread never waits for anyone to read them.
    struct Outcome {
        QString path;
        QString error;
    };
    std::vector<Outcome> takeOutcomes();

private:
    struct Task {
        enum class Kind { Write, Remove, Prepare, Dispose } kind = Kind::Write;
        QString path;
        QString fileName;
        TextFormat format;
        QByteArray text;
        qsizetype length = 0;
        std::function<void(QByteArray)> ready;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<Task> tasks_;
    std::vector<Outcome> outcomes_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace tw
