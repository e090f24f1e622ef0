#include "platform/JournalWriter.h"

#include "platform/JournalFiles.h"

#include <QFile>

#include <utility>

namespace tw {

JournalWriter::JournalWriter() : thread_([this] { run(); }) {}

JournalWriter::~JournalWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void JournalWriter::write(const QString& path, const QString& fileName, const TextFormat& format,
                          QByteArray text)
{
    {
        std::lock_guard lock(mutex_);
        std::erase_if(tasks_, [&](const Task& t) { return t.kind == Task::Kind::Write && t.path == path; });
        tasks_.push_back(Task{Task::Kind::Write, path, fileName, format, std::move(text), 0, {}});
    }
    wake_.notify_all();
}

void JournalWriter::remove(const QString& path)
{
    {
        std::lock_guard lock(mutex_);
        std::erase_if(tasks_, [&](const Task& t) { return t.kind == Task::Kind::Write && t.path == path; });
        tasks_.push_back(Task{Task::Kind::Remove, path, {}, {}, {}, 0, {}});
    }
    wake_.notify_all();
}

void JournalWriter::prepareBuffer(qsizetype length, std::function<void(QByteArray)> ready)
{
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(Task{Task::Kind::Prepare, {}, {}, {}, {}, length, std::move(ready)});
    }
    wake_.notify_all();
}

void JournalWriter::dispose(QByteArray buffer)
{
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(Task{Task::Kind::Dispose, {}, {}, {}, std::move(buffer), 0, {}});
    }
    wake_.notify_all();
}

void JournalWriter::waitUntilDone()
{
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

std::vector<JournalWriter::Outcome> JournalWriter::takeOutcomes()
{
    std::lock_guard lock(mutex_);
    return std::exchange(outcomes_, {});
}

void JournalWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) {
            if (stopping_)
                return;
            continue;
        }
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        busy_ = true;
        lock.unlock();
        QString error;
        switch (task.kind) {
        case Task::Kind::Write:
            // A failed write leaves the previous entry; the next change tries again.
            error = writeJournalEntry(task.path, task.fileName, task.format, task.text);
            break;
        case Task::Kind::Remove:
            QFile::remove(task.path);
            break;
        case Task::Kind::Prepare: {
            QByteArray buffer(task.length, '\0');   // every page touched here
            task.ready(std::move(buffer));
            break;
        }
        case Task::Kind::Dispose:
            break;
        }
        task.text = QByteArray();   // the snapshot goes here, not under the lock
        lock.lock();
        if (task.kind == Task::Kind::Write)
            outcomes_.push_back({task.path, error});
        busy_ = false;
        if (tasks_.empty())
            done_.notify_all();
    }
}

} // namespace tw
