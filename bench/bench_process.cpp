// Opening big files as a user does: the real program started from the command
// line on generated files, timed from the start to a ready, idle window (the
// process's CPU time stops growing), and to the window's first paint, which the
// program tells on standard error when TARNWICK_REPORT_PAINT is set. Each figure is printed beside the floor
// measured in the same run, so a run on a busy machine still tells the truth:
// reading the file and checking its UTF-8 for an open, `cp` for a save.
//
// Usage: bench_process [case...]   cases: small code50 code1g line20 line100
// (default: all). The first case run gives the window's own memory, which is
// taken off the others' peaks. With DISPLAY set (Xvfb and a window manager), a
// keystroke and a save are timed too, typed with xdotool; without it the
// program runs offscreen and those are skipped.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "platform/Utf8Validation.h"

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

struct Case {
    const char* name;
    qint64 bytes;
    bool oneLine;
};

const Case kCases[] = {
    {"small", 100 * 1024, false},
    {"code50", 50ll * 1024 * 1024, false},
    {"code1g", 1024ll * 1024 * 1024, false},
    {"line20", 20ll * 1024 * 1024, true},
    {"line100", 100ll * 1024 * 1024, true},
};

// C-like lines with a few non-ASCII comments, or the same words with no break.
QByteArray block(bool oneLine) {
    QByteArray b;
    for (int i = 0; i < 400; ++i) {
        b += "    result_" + QByteArray::number(i) + " = compute(alpha, beta + " +
             QByteArray::number(i * 7) + ");";
        b += i % 16 == 0 ? " // \xC3\xA9t\xC3\xA9 \xE2\x82\xAC" : "";
        b += oneLine ? " " : "\n";
    }
    return b;
}

void generate(const QString& path, const Case& c) {
    QFile f(path);
    if (f.exists() && f.size() == c.bytes + 1)
        return;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray b = block(c.oneLine);
    qint64 left = c.bytes;
    while (left > 0) {
        const qint64 n = qMin<qint64>(left, b.size());
        f.write(b.constData(), n);
        left -= n;
    }
    f.write("\n");
}

// Reading the file through a small buffer and checking its UTF-8 (the time
// is the same whatever the check finds: a generated file may end inside a
// character).
double readFloor(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const qint64 chunk = 512 * 1024;
    const std::unique_ptr<char[]> buf(new char[chunk]);
    QElapsedTimer t;
    t.start();
    qint64 validChunks = 0;
    for (qint64 n; (n = f.read(buf.get(), chunk)) > 0;)
        validChunks += tw::isValidUtf8(buf.get(), n) ? 1 : 0;
    const double s = t.nsecsElapsed() / 1e9;
    static volatile qint64 kept;   // the checks are not optimised away
    kept = validChunks;
    return s;
}

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Seconds from startNs to the first paint the program told of, or -1.
double firstPaint(QProcess& proc, qint64 startNs) {
    const QByteArray err = proc.readAllStandardError();
    const QByteArray tag = "tarnwick: first paint ";
    const qsizetype at = err.indexOf(tag);
    if (at < 0)
        return -1;
    const qint64 ns = err.mid(at + tag.size()).split('\n').first().toLongLong();
    return (ns - startNs) / 1e9;
}

qint64 cpuTicks(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = f.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

qint64 statusKb(qint64 pid, const char* key) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Waits until the CPU time has not grown for `quiet` ms; returns the seconds
// from `since` to the last growth, or -1 at the timeout.
double untilIdle(qint64 pid, const QElapsedTimer& since, int quiet = 700, int timeoutMs = 240000) {
    qint64 last = cpuTicks(pid);
    qint64 lastGrowth = since.elapsed();
    while (since.elapsed() < timeoutMs) {
        QThread::msleep(20);
        const qint64 now = cpuTicks(pid);
        if (now < 0)
            return -1;
        if (now != last) {
            last = now;
            lastGrowth = since.elapsed();
        } else if (since.elapsed() - lastGrowth >= quiet) {
            return lastGrowth / 1000.0;
        }
    }
    return -1;
}

bool xdo(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// The peak of the program with the smallest file: what the window costs
// without the text, taken off before dividing by the text's size.
qint64 baselineKb = 0;

void run(const Case& c, const QString& dataDir, const QString& program) {
    const QString path = dataDir + QLatin1Char('/') + QLatin1String(c.name) + QStringLiteral(".txt");
    generate(path, c);
    readFloor(path);   // into the page cache
    const double floor = readFloor(path);

    QProcess proc;
    proc.setProgram(program);
    proc.setArguments({path});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARNWICK_REPORT_PAINT"), QStringLiteral("1"));
    proc.setProcessEnvironment(env);
    QElapsedTimer t;
    const qint64 startNs = monotonicNs();
    t.start();
    proc.start();
    if (!proc.waitForStarted())
        qFatal("cannot start %s", qPrintable(program));
    const qint64 pid = proc.processId();
    const double ready = untilIdle(pid, t);
    proc.waitForReadyRead(100);
    const double painted = firstPaint(proc, startNs);
    const qint64 hwmKb = statusKb(pid, "VmHWM:");
    const qint64 before = cpuTicks(pid);
    QThread::msleep(2000);
    const double idleCpu = (cpuTicks(pid) - before) / 2.0;   // ticks of 10 ms per second = %
    if (baselineKb == 0)
        baselineKb = hwmKb;
    std::printf("%-8s %6.1f MB  first paint %6.3f s  open to idle %8.3f s (floor: read and check %6.3f s)  "
                "peak %7.0f MB, %.2f bytes per byte over the empty window  idle CPU %3.0f %%\n",
                c.name, c.bytes / 1048576.0, painted, ready, floor, hwmKb / 1024.0,
                (hwmKb - baselineKb) * 1024.0 / double(c.bytes), idleCpu);

    if (!qEnvironmentVariableIsEmpty("DISPLAY") && ready >= 0) {
        const QString pidText = QString::number(pid);
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pidText});
        search.waitForFinished();
        const QString window = QString::fromLatin1(search.readAllStandardOutput()).split('\n').first();
        if (!window.isEmpty() && xdo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window})) {
            untilIdle(pid, t, 500);
            QElapsedTimer k;
            k.start();
            xdo({QStringLiteral("key"), QStringLiteral("x")});
            const double key = untilIdle(pid, k, 500);
            QElapsedTimer s;
            s.start();
            xdo({QStringLiteral("key"), QStringLiteral("ctrl+s")});
            const double save = untilIdle(pid, s, 500);
            const QString copy = path + QStringLiteral(".cp");
            QElapsedTimer cp;
            cp.start();
            QProcess::execute(QStringLiteral("cp"), {path, copy});
            const double cpTime = cp.nsecsElapsed() / 1e9;
            QFile::remove(copy);
            std::printf("%-8s keystroke %8.3f s   save %8.3f s (floor: cp %6.3f s), file %s\n", c.name, key,
                        save, cpTime, QFile(path).size() == c.bytes + 2 ? "saved" : "NOT saved");
            QFile::remove(path);   // typed in: made anew next time
        }
    }
    std::fflush(stdout);
    proc.kill();
    proc.waitForFinished();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList wanted = app.arguments().mid(1);
    QTemporaryDir programDir;
    const QString program = programDir.filePath(QStringLiteral("tarnwick"));
    if (!QFile::copy(QStringLiteral(TARNWICK_BINARY), program))
        qFatal("cannot copy the program");
    QFile readme(programDir.filePath(QStringLiteral("readme.txt")));
    readme.open(QIODevice::WriteOnly);
    readme.write("Welcome to Tarnwick.\n");
    readme.close();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString dataDir = QDir::tempPath() + QStringLiteral("/tarnwick-bench-process");
    QDir().mkpath(dataDir);
    for (const Case& c : kCases)
        if (wanted.isEmpty() || wanted.contains(QLatin1String(c.name)))
            run(c, dataDir, program);
    return 0;
}
