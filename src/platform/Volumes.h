#pragma once
// The mounted volumes, as the copy/move dialog's drive box lists them, and
// whether a volume is ready. Listing never touches the volumes themselves, and
// the readiness check gives up after a few seconds, so a dead network mount
// cannot freeze the window.
#include <QList>
#include <QString>

namespace tw {

struct Volume {
    QString root;   // the mount point, "/" for the root volume
    QString type;   // the file system type, "ext4", "tmpfs", "nfs", ...
};

// The mounted volumes in mount order, without the kernel's pseudo file
// systems (proc, sysfs, cgroups, ...) and without repeats of one mount point.
QList<Volume> mountedVolumes();

// The same from the text of a mounts table ("/proc/self/mounts" format).
QList<Volume> volumesFromMountTable(const QByteArray& table);

// The root of the volume that holds path (the longest mount point that is a
// folder part of it), "/" when none is.
QString volumeRootOf(const QString& path, const QList<Volume>& volumes);

// True when the nearest existing folder of path (path itself, or the first
// folder upwards that exists) answers for its size within timeoutMs. A check
// that does not come back in time counts as not ready; its thread is left to
// finish on its own.
bool volumeReady(const QString& path, int timeoutMs = 3000);

} // namespace tw
