#include "platform/Volumes.h"

#include <QFile>
#include <QSet>

#include <chrono>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>

namespace tw {

namespace {

bool isPseudoFileSystem(const QByteArray& type)
{
    static const QSet<QByteArray> pseudo = {
        "proc", "sysfs", "devpts", "devtmpfs", "cgroup", "cgroup2", "securityfs", "debugfs",
        "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs", "configfs", "fusectl", "autofs",
        "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs", "selinuxfs", "fuse.gvfsd-fuse",
        "fuse.portal", "ramfs_sys", "rootfs"};
    return pseudo.contains(type);
}

// Mount tables write blanks, tabs, new lines and backslashes as octal escapes.
QByteArray unescaped(const QByteArray& field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

QString withoutTrailingSlash(const QString& path)
{
    QString result = path;
    while (result.size() > 1 && result.endsWith(QLatin1Char('/')))
        result.chop(1);
    return result;
}

bool answersForSize(const QByteArray& path)
{
    QByteArray folder = path;
    for (;;) {
        struct stat st;
        if (::stat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            struct statvfs vfs;
            return ::statvfs(folder.constData(), &vfs) == 0;
        }
        const qsizetype slash = folder.lastIndexOf('/', folder.size() - 2);
        if (slash <= 0) {
            if (folder == "/")
                return false;
            folder = "/";
        } else {
            folder = folder.left(slash);
        }
    }
}

} // namespace

QList<Volume> volumesFromMountTable(const QByteArray& table)
{
    QList<Volume> volumes;
    QSet<QString> seen;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || isPseudoFileSystem(fields[2]))
            continue;
        const QString root = QFile::decodeName(unescaped(fields[1]));
        if (!root.startsWith(QLatin1Char('/')) || seen.contains(root))
            continue;
        seen.insert(root);
        volumes.append({root, QString::fromLatin1(fields[2])});
    }
    return volumes;
}

QList<Volume> mountedVolumes()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    if (!table.open(QIODevice::ReadOnly))
        return {{QStringLiteral("/"), QString()}};
    // A proc file reports no size: read until the end.
    return volumesFromMountTable(table.readAll());
}

QString volumeRootOf(const QString& path, const QList<Volume>& volumes)
{
    const QString cleaned = withoutTrailingSlash(path);
    QString best = QStringLiteral("/");
    for (const Volume& volume : volumes) {
        const QString root = withoutTrailingSlash(volume.root);
        const bool holds = root == QLatin1String("/") || cleaned == root
                           || cleaned.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > best.size())
            best = root;
    }
    return best;
}

bool volumeReady(const QString& path, int timeoutMs)
{
    const QByteArray name = QFile::encodeName(path.isEmpty() ? QStringLiteral("/") : path);
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> ready = answer->get_future();
    std::thread([answer, name] { answer->set_value(answersForSize(name)); }).detach();
    if (ready.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
        return false;
    return ready.get();
}

} // namespace tw
