#pragma once
// A small file system of its own for a test: a tmpfs to fill up, a ramfs that
// keeps no extended attributes. Needs the right to mount; tests skip without it.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tw::test {

class ScratchMount {
public:
    // type "tmpfs" or "ramfs"; options as for mount -o (may be empty).
    explicit ScratchMount(const QString& type, const QString& options = QString())
    {
        if (!dir_.isValid())
            return;
        QStringList args{QStringLiteral("-t"), type};
        if (!options.isEmpty())
            args << QStringLiteral("-o") << options;
        args << type << dir_.path();
        mounted_ = run(QStringLiteral("mount"), args);
    }

    ~ScratchMount()
    {
        if (mounted_)
            run(QStringLiteral("umount"), {dir_.path()});
    }

    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool isMounted() const { return mounted_; }
    QString path() const { return dir_.path(); }

private:
    static bool run(const QString& program, const QStringList& args)
    {
        QProcess process;
        process.start(program, args);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace tw::test
