#include "platform/MemoryInfo.h"

#include <QByteArray>
#include <QFile>

namespace tw {

namespace {

qint64 pretended = -1;

// A "Name:   1234 kB" line of /proc/meminfo, in bytes; -1 when absent.
qint64 field(const QByteArray& info, const QByteArray& name) {
    const QByteArray key = name + ":";
    for (const QByteArray& line : info.split('\n')) {
        if (!line.startsWith(key))
            continue;
        bool ok = false;
        const qint64 kb = line.mid(key.size()).simplified().split(' ').first().toLongLong(&ok);
        return ok ? kb * 1024 : -1;
    }
    return -1;
}

} // namespace

std::optional<qint64> availableMemory() {
    if (pretended >= 0)
        return pretended;
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray info = file.readAll();
    const qint64 available = field(info, "MemAvailable");
    if (available < 0)
        return std::nullopt;
    return available + qMax<qint64>(field(info, "SwapFree"), 0);
}

void pretendAvailableMemory(qint64 bytes) { pretended = bytes; }

} // namespace tw
