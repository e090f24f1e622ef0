#pragma once
// Copying one file's bytes and what it is besides them (permission bits,
// extended attributes, times, and where permitted owner and group) into a
// hidden temporary file beside the target, which becomes the target in one
// rename once it is complete. Until then an existing target stays whole, and
// a copy that is abandoned or fails leaves no temporary file behind.
#include <QByteArray>
#include <QString>
#include <functional>

namespace tw {

// Called between chunks of a long copy, so the window can repaint.
using CopyProgress = std::function<void()>;

class PendingCopy {
public:
    PendingCopy() = default;
    ~PendingCopy();
    PendingCopy(const PendingCopy&) = delete;
    PendingCopy& operator=(const PendingCopy&) = delete;

    // Copies the regular file source (a symbolic link is followed) into a
    // temporary file in target's folder and flushes it to disk. keepOwner
    // also gives the copy the source's owner and group (a move); otherwise
    // the copy belongs to whoever makes it. Returns "" or the system's text.
    QString start(const QString& source, const QString& target, bool keepOwner,
                  const CopyProgress& progress = {});
    // Renames the temporary file over target. Returns "" or the system's
    // text; on failure the temporary file is still there.
    QString commit();
    // Gives up the temporary file without removing it, and returns its name.
    QString keep();
    // Removes the temporary file (also done by the destructor).
    void abandon();

private:
    QByteArray temporary_;
    QByteArray target_;
};

// The hidden temporary name used beside target (a pattern for mkstemp).
QByteArray temporaryPatternBeside(const QByteArray& target);

} // namespace tw
