#include "platform/JournalWriter.h"

#include "platform/JournalFiles.h"

#include <QFile>

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
        std::erase_if(tasks_, [&](const Task& t) { return !t.remove && t.path == path; });
        tasks_.push_back(Task{false, path, fileName, format, std::move(text)});
    }
    wake_.notify_all();
}

void JournalWriter::remove(const QString& path)
{
    {
        std::lock_guard lock(mutex_);
        std::erase_if(tasks_, [&](const Task& t) { return t.path == path; });
        tasks_.push_back(Task{true, path, {}, {}, {}});
    }
    wake_.notify_all();
}

void JournalWriter::waitUntilDone()
{
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return tasks_.empty() && !busy_; });
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
        // A failed write leaves the previous entry; the next change tries again.
        if (task.remove)
            QFile::remove(task.path);
        else
            writeJournalEntry(task.path, task.fileName, task.format, task.text);
        task.text = QByteArray();   // the snapshot goes here, not under the lock
        lock.lock();
        busy_ = false;
        if (tasks_.empty())
            done_.notify_all();
    }
}

} // namespace tw
