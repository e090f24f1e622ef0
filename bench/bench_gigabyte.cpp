// What a gigabyte document costs after it is open: a save beside `cp` of the
// same file (and `cp` with its flush to disk, since a save flushes), Find and
// Replace All over the whole text, and a switch to and from it. The real main
// window, offscreen, in a temporary program directory; the file is generated
// in the temporary folder and removed at the end.
//
//   bench_gigabyte [megabytes] [switch]   (default 1024; "switch": only the switches)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include "BenchProgram.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/MainForm.h"
#include "app/SearchCommands.h"
#include "editing/EditControl.h"
#include "editing/SearchEngine.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

double msSince(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

QByteArray loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().left(14).trimmed() : QByteArray("?");
}

void line(const char* what, double ms, const QString& floor) {
    std::printf("%-44s %9.1f ms   %s\n", what, ms, qPrintable(floor));
    std::fflush(stdout);
}

// 400 C-like lines (about 16 KB) holding the word "needle" once.
QByteArray block() {
    QByteArray b;
    for (int i = 0; i < 400; ++i) {
        b += "    result_" + QByteArray::number(i) + " = compute(alpha, beta + " +
             QByteArray::number(i * 7) + ");";
        b += i == 200 ? " // needle\n" : "\n";
    }
    return b;
}

// Returns the number of "needle"s written; the file ends with a marker found
// nowhere else and a line break.
int generate(const QString& path, qint64 bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray b = block();
    int needles = 0;
    for (qint64 left = bytes; left >= b.size(); left -= b.size(), ++needles)
        f.write(b);
    f.write("last_marker_of_the_text\n");
    return needles;
}

double timedProcess(const QString& program, const QStringList& args) {
    QElapsedTimer t;
    t.start();
    if (QProcess::execute(program, args) != 0)
        qFatal("%s failed", qPrintable(program));
    return msSince(t);
}

// `cp` of the file, and `cp` followed by a flush of the copy to disk.
void copyFloors(const QString& from, const QString& to, double& cp, double& cpSync) {
    QFile::remove(to);
    cp = timedProcess(QStringLiteral("cp"), {from, to});
    QFile::remove(to);
    QElapsedTimer t;
    t.start();
    timedProcess(QStringLiteral("cp"), {from, to});
    timedProcess(QStringLiteral("sync"), {to});
    cpSync = msSince(t);
    QFile::remove(to);
}

// What any save must do: the same number of bytes written from memory to a
// new file and flushed to disk, the file then removed.
double writeFloor(const QString& to, qint64 bytes) {
    QByteArray chunk(32 * 1024 * 1024, 'x');
    QElapsedTimer t;
    t.start();
    const int fd = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (qint64 left = bytes; fd >= 0 && left > 0; left -= chunk.size())
        if (::write(fd, chunk.constData(), size_t(std::min<qint64>(left, chunk.size()))) < 0)
            qFatal("cannot write the floor's file");
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0)
        qFatal("cannot write the floor's file");
    const double ms = msSince(t);
    QFile::remove(to);
    return ms;
}

// The same, from the document's own memory (a buffer as big as the text, in
// the pieces on each side of Scintilla's gap): what a save costs at the
// least, without a temporary name, a rename or any checks.
double documentWriteFloor(const QString& to, const EditControl& edit) {
    const TextPieces pieces = edit.textPieces(edit.shownDocument());
    QElapsedTimer t;
    t.start();
    const int fd = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (const ByteRange& piece : {pieces.first, pieces.second})
        for (qsizetype done = 0; fd >= 0 && done < piece.length;) {
            const ssize_t n = ::write(fd, piece.data + done,
                                      size_t(std::min<qsizetype>(piece.length - done, 32 << 20)));
            if (n < 0)
                qFatal("cannot write the floor's file");
            done += n;
        }
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0)
        qFatal("cannot write the floor's file");
    const double ms = msSince(t);
    QFile::remove(to);
    return ms;
}

double timedSave(TMainForm& form) {
    QElapsedTimer t;
    t.start();
    if (!form.files().SaveCurrentDocument())
        qFatal("save failed");
    settle();
    return msSince(t);
}

struct Spread {
    double mean = 0, max = 0;
};

// Switches between the big document and a small one; each switch timed with
// the events it posts (repaint, status bar).
Spread switches(TMainForm& form, int count) {
    Spread s;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        form.documents().ViewNext();
        settle();
        const double ms = msSince(t);
        s.mean += ms / count;
        s.max = std::max(s.max, ms);
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    bench::BenchFolders folders;
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    const QString big = folders.filesDir.filePath(QStringLiteral("big.cpp"));
    const QString small = folders.filesDir.filePath(QStringLiteral("small.cpp"));
    const QString copy = folders.filesDir.filePath(QStringLiteral("copy.cpp"));
    const int needles = generate(big, megabytes * 1024 * 1024);
    bench::writeFile(small, block());
    std::printf("load average before: %s\n", loadAverage().constData());

    ScriptedPrompts prompts;
    {
        TMainForm form(prompts, {});
        form.resize(1024, 768);
        form.show();
        settle();
        QElapsedTimer t;
        t.start();
        if (form.files().OpenAsCurrent(big, false) != OpenOk)
            qFatal("the big file was not opened");
        bench::untilRead(form);
        settle();
        EditControl& edit = *form.Edit();
        const qsizetype length = edit.length();
        line("open (for reference)", msSince(t), QStringLiteral("%1 bytes").arg(length));

        const bool onlySwitches = argc > 2 && QByteArray(argv[2]) == "switch";
        double cp = 0, cpSync = 0;
        if (!onlySwitches) {
        copyFloors(big, copy, cp, cpSync);
        // An edit at the start leaves Scintilla's gap there, the worst case
        // for a writer that wants the text in one piece.
        edit.insertBytes(0, "x");
        const double saveStart = timedSave(form);
        edit.insertBytes(edit.length(), "y");
        const double saveEnd = timedSave(form);
        const double written = writeFloor(copy, length);
        const double ownWritten = documentWriteFloor(copy, edit);
        const QString floor = QStringLiteral("cp %1 ms, cp + sync %2 ms, write + fsync %3 ms, "
                                             "the document's bytes written + fsync %4 ms; save / cp = %5, "
                                             "save / (cp + sync) = %6, save / (write + fsync) = %7, "
                                             "save / (document written + fsync) = %8")
                                  .arg(cp, 0, 'f', 0).arg(cpSync, 0, 'f', 0).arg(written, 0, 'f', 0)
                                  .arg(ownWritten, 0, 'f', 0);
        const auto ratios = [&](double save) {
            return floor.arg(save / cp, 0, 'f', 2).arg(save / cpSync, 0, 'f', 2).arg(save / written, 0, 'f', 2)
                .arg(save / ownWritten, 0, 'f', 2);
        };
        line("save after an edit at the start", saveStart, ratios(saveStart));
        line("save after an edit at the end", saveEnd, ratios(saveEnd));
        if (QFile(big).size() != length + 2 + 1)
            qFatal("the saved file has the wrong size");

        // Find from the start: the marker is the last line. Scintilla's gap
        // is at the end now; an edit at the start puts it there first.
        edit.insertBytes(0, "z");
        SearchEngine& engine = form.search().engine();
        FindRequest find;
        find.text = QStringLiteral("last_marker_of_the_text");
        find.options = {false, true};
        edit.setSelStart(0);
        t.start();
        engine.Find(find);
        const double findMs = msSince(t);
        if (edit.selectedBytes() != "last_marker_of_the_text")
            qFatal("the marker was not found");
        QElapsedTimer scan;
        scan.start();
        const char* whole = edit.characterPointer();
        const bool present = memmem(whole, size_t(edit.length()), "no_such_word", 12) != nullptr;
        const double memmemMs = msSince(scan);
        line("Find the last line from the start", findMs,
             QStringLiteral("floor: memmem over the text %1 ms%2").arg(memmemMs, 0, 'f', 0)
                 .arg(present ? QStringLiteral("?") : QString()));

        edit.insertBytes(0, "z");   // the gap at the start again
        ReplaceRequest replace;
        replace.findText = QStringLiteral("needle");
        replace.replaceText = QStringLiteral("pin");
        replace.prompt = false;
        replace.options = {false, true};
        edit.setSelStart(0);
        t.start();
        engine.Replace(replace);
        settle();
        const double replaceMs = msSince(t);
        if (edit.length() != length + 4 - 3 * qsizetype(needles))
            qFatal("Replace All replaced %lld bytes too few",
                   static_cast<long long>(edit.length() - (length + 4 - 3 * qsizetype(needles))));
        line("Replace All (one per 16 KB)", replaceMs,
             QStringLiteral("%1 matches; sed would read and write the whole file").arg(needles));
        t.start();
        edit.undo();
        settle();
        line("  its Undo", msSince(t), QString());
        }

        edit.SendScintilla(EditControl::SCI_DOCUMENTEND);
        if (form.files().OpenAsCurrent(small, false) != OpenOk)
            qFatal("the small file was not opened");
        settle();
        switches(form, 2);
        const int count = argc > 3 ? QByteArray(argv[3]).toInt() : 40;
        const Spread s = switches(form, count);
        line("switch to and from the big document (max)", s.max,
             QStringLiteral("mean %1 ms over %2 switches").arg(s.mean, 0, 'f', 1).arg(count));

        // Scintilla's own exchange of document pointers, without the repaint
        // and the window's refresh that a switch adds.
        Spread raw;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer x;
            x.start();
            const DocHandle other = form.documents().record(1)->Text;
            form.documents().record(1)->Text = edit.exchangeDocument(other);
            const double ms = msSince(x);
            raw.mean += ms / 20;
            raw.max = std::max(raw.max, ms);
        }
        line("  of which the exchange of documents (max)", raw.max,
             QStringLiteral("mean %1 ms over 20").arg(raw.mean, 0, 'f', 1));
        settle();
        // The edit control's own repaint after an exchange.
        Spread paint;
        for (int i = 0; i < 20; ++i) {
            const DocHandle other = form.documents().record(1)->Text;
            form.documents().record(1)->Text = edit.exchangeDocument(other);
            QElapsedTimer x;
            x.start();
            edit.viewport()->repaint();
            const double ms = msSince(x);
            paint.mean += ms / 20;
            paint.max = std::max(paint.max, ms);
        }
        line("  and its repaint (max)", paint.max, QStringLiteral("mean %1 ms over 20").arg(paint.mean, 0, 'f', 1));
        settle();

        for (int slot = 1; slot < form.documents().DocCount(); ++slot)
            form.documents().record(slot)->Modified = false;
        edit.setModifiedFlag(false);
    }
    std::printf("load average after: %s\n", loadAverage().constData());
    for (const QString& text : prompts.unexpected())
        std::printf("unexpected prompt: %s\n", qPrintable(text));
    return 0;
}
