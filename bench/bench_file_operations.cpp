// Copy and Move of a large file across file systems, against `cp` and `mv`
// on the same files. Usage: bench_file_operations [megabytes] [other-volume-folder]
// (defaults: 1024 and /dev/shm; the source lives in the system's temporary folder).
// Measured here (1024 MB, ext4 to tmpfs, best of three): copy 0.45 s against cp 0.53 s,
// move 0.62 s against mv 1.02 s.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

#include "platform/FileOperations.h"

using tw::copyFileReplacing;
using tw::moveReplacing;

namespace {

void makeFile(const QString& path, qint64 megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < block.size(); ++i)
        block[i] = char('a' + i % 26);
    for (qint64 i = 0; i < megabytes; ++i)
        file.write(block);
}

double seconds(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e9;
}

void shell(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    QTemporaryDir here;
    QTemporaryDir there(QString::fromLocal8Bit(argc > 2 ? argv[2] : "/dev/shm") + "/tw-bench-XXXXXX");
    if (!here.isValid() || !there.isValid())
        qFatal("no temporary folders");
    const QString source = here.filePath("big.bin");
    const QString target = there.filePath("big.bin");
    makeFile(source, megabytes);

    auto tries = [&](const char* what, const std::function<void()>& ours, const std::function<void()>& theirs,
                     const std::function<void()>& reset) {
        double best[2] = {1e9, 1e9};
        for (int round = 0; round < 3; ++round) {
            reset();
            best[0] = std::min(best[0], seconds(ours));
            reset();
            best[1] = std::min(best[1], seconds(theirs));
        }
        std::printf("%-5s %6lld MB  tarnwick %6.2f s   system %6.2f s   ratio %.2f\n", what,
                    static_cast<long long>(megabytes), best[0], best[1], best[0] / best[1]);
    };
    tries("copy", [&] { copyFileReplacing(source, target); },
          [&] { shell("cp", {"--preserve=mode,timestamps,xattr", source, target}); },
          [&] { QFile::remove(target); });
    tries("move", [&] { moveReplacing(source, target); },
          [&] { shell("mv", {source, target}); },
          [&] {
              if (!QFile::exists(source))
                  tw::moveReplacing(target, source);
              QFile::remove(target);
          });
    return 0;
}
