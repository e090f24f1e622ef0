// How fast the editor handles many documents and big ones: the real main
// window, offscreen, with scripted prompts in a temporary program directory.
// Prints one line per figure with its aim beside it; see docs/PERFORMANCE.md.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "BenchProgram.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <string>
#include <vector>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/MainForm.h"
#include "editing/EditControl.h"
#include "platform/ProgramDirectory.h"
#include "platform/TextFile.h"
#include "util/ScriptedPrompts.h"

using namespace tw;
using tw::bench::writeFile;

namespace {

constexpr int kSmallCount = DocumentTable::kMaxDocuments;
constexpr qsizetype kSmallSize = 100 * 1024;
constexpr qsizetype kBigSize = 50 * 1024 * 1024;
constexpr int kBigSwitches = 50;
constexpr int kKeystrokes = 200;

// --- source-like text --------------------------------------------------------

// A fixed pseudo-random sequence, so every run measures the same text.
class Random {
public:
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 16);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

const char* const kWords[] = {
    "buffer", "count", "index", "offset", "result", "value", "length", "line", "column",
    "document", "table", "name", "state", "flags", "start", "end", "item", "node", "next",
    "size", "data", "text", "position", "limit", "cursor", "width", "height", "entry"};
const char* const kTypes[] = {"int", "auto", "qsizetype", "bool", "const QString&", "double"};
const char* const kComments[] = {
    "// keep the caret where the user left it", "// see the note above about CR LF",
    "// never shrink below the visible width", "// Größe in Bytes, nicht in Zeichen",
    "/* the caller owns the result */", "// TODO: measure this on a slow disk"};

std::string word(Random& r) { return kWords[r.below(std::size(kWords))]; }

// One line of C-like source at the given indentation level; the level moves
// with the braces the line opens and closes.
std::string sourceLine(Random& r, int& level) {
    std::string line(static_cast<size_t>(level) * 4, ' ');
    switch (r.below(10)) {
    case 0:
        return std::string();
    case 1:
        return line + kComments[r.below(std::size(kComments))];
    case 2:
        if (level < 6) {
            ++level;
            return line + "if (" + word(r) + "_ > " + std::to_string(r.below(1000)) + ") {";
        }
        [[fallthrough]];
    case 3:
        if (level > 0) {
            --level;
            return std::string(static_cast<size_t>(level) * 4, ' ') + "}";
        }
        [[fallthrough]];
    case 4:
        return line + kTypes[r.below(std::size(kTypes))] + " " + word(r) + " = " + word(r) +
               "(" + word(r) + ", " + std::to_string(r.below(100)) + ");";
    case 5:
        return line + "return " + word(r) + "_ + " + word(r) + ";";
    default:
        return line + word(r) + "_ = " + word(r) + "." + word(r) + "(" + word(r) + " * " +
               std::to_string(r.below(64)) + ");";
    }
}

// About `size` bytes of LF-broken source text ending in a line break.
QByteArray sourceText(Random& r, qsizetype size) {
    QByteArray text;
    text.reserve(size + 200);
    int level = 0;
    while (text.size() < size) {
        text += sourceLine(r, level);
        text += '\n';
    }
    return text;
}

// --- measuring --------------------------------------------------------------

double msSince(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// Lets the window handle what a command posted: repaints, status updates.
void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

qint64 residentBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

// CPU time of this thread, which does all the editor's work (painting
// included): unlike wall-clock time it leaves out the moments another process
// on a shared machine had the core.
double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// One timed step: wall-clock and CPU milliseconds.
class Stopwatch {
public:
    Stopwatch() { wall_.start(); cpu_ = threadCpuMs(); }
    double wallMs() const { return msSince(wall_); }
    double cpuMs() const { return threadCpuMs() - cpu_; }

private:
    QElapsedTimer wall_;
    double cpu_;
};

// A series of timed steps; the aims are judged on the worst CPU time.
struct Times {
    std::vector<double> wall;
    std::vector<double> cpu;

    void add(const Stopwatch& s) {
        wall.push_back(s.wallMs());
        cpu.push_back(s.cpuMs());
    }
    double total() const { double sum = 0; for (double v : wall) sum += v; return sum; }
    double mean() const { return wall.empty() ? 0 : total() / static_cast<double>(wall.size()); }
    double maxWall() const { return wall.empty() ? 0 : *std::max_element(wall.begin(), wall.end()); }
    double maxCpu() const { return cpu.empty() ? 0 : *std::max_element(cpu.begin(), cpu.end()); }
    double p99() const {
        if (wall.empty())
            return 0;
        std::vector<double> sorted = wall;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
    }
};

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

void report(const char* what, const QString& figures, const char* aim, bool met) {
    std::printf("%-32s %-60s aim: %-24s %s\n", what, qPrintable(figures), aim, verdict(met));
    std::fflush(stdout);
}

void info(const char* what, const QString& figures) {
    std::printf("%-32s %s\n", what, qPrintable(figures));
    std::fflush(stdout);
}

QString ms(double v) { return QString::number(v, 'f', v < 10 ? 2 : 1) + QStringLiteral(" ms"); }

QString series(const Times& t) {
    return QStringLiteral("mean ") + ms(t.mean()) + QStringLiteral(", p99 ") + ms(t.p99()) +
           QStringLiteral(", max ") + ms(t.maxWall()) + QStringLiteral(" (CPU ") + ms(t.maxCpu()) +
           QStringLiteral(")");
}

// Puts the caret at the end of the shown document, where a user who has
// been typing leaves it; work that grows with the caret's position shows up.
void caretToEnd(EditControl& edit) {
    edit.setSelStart(edit.length());
    settle();
}

// Each document is first shown with the caret where it was opened (the start)
// and then moved to the end untimed, so later rounds switch to documents
// whose caret is at the end.
Times cycleViewNext(TMainForm& form, int switches) {
    Times t;
    for (int i = 0; i < switches; ++i) {
        const QString before = form.documents().CurrentFileName();
        const Stopwatch step;
        form.documents().ViewNext();
        settle();
        t.add(step);
        if (form.documents().CurrentFileName() == before)
            qFatal("View > Next did not change the shown document");
        caretToEnd(*form.Edit());
    }
    return t;
}

void typeKey(EditControl& edit, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&edit, &release);
}

// The entry files of the recovery journal in the program directory.
int journalEntries() {
    int count = 0;
    QDirIterator it(programDirectory() + QStringLiteral("recovery"), {QStringLiteral("*.entry")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

// After the typing, the journal copies the 50 MB document in slices between
// events and writes it on its own thread. A key pressed meanwhile waits at
// most for the longest pass of the event loop, which is what journaling can
// add to a keystroke; typed keys during a copy are timed as well.
void journaling(EditControl& edit) {
    const Stopwatch whole;
    Times passes;
    while (journalEntries() == 0 && whole.wallMs() < 30000) {
        const Stopwatch pass;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        passes.add(pass);
    }
    info("journal 50 MB after typing", ms(whole.wallMs()) + QStringLiteral(" until on disk") +
                                           (journalEntries() ? QString() : QStringLiteral(" (NEVER)")));
    report("  longest event-loop pass", ms(passes.maxWall()) + QStringLiteral(" (CPU ") + ms(passes.maxCpu()) +
                                            QStringLiteral(")"),
           "< 1 ms per keystroke", passes.maxCpu() < 1);

    // Keys typed while a copy is under way: each waits a little over the
    // quiet time first, so that a copy has begun.
    Times keys;
    for (int i = 0; i < 8; ++i) {
        const Stopwatch rest;
        while (rest.wallMs() < 1100)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const Stopwatch step;
        typeKey(edit, Qt::Key_A + i, QString(QLatin1Char(static_cast<char>('a' + i))));
        settle();
        keys.add(step);
    }
    report("type while journaling (x8)", series(keys), "keystroke < 5 ms", keys.maxCpu() < 5);
}

// --- the runs ---------------------------------------------------------------

void manySmallDocuments(TMainForm& form, const QStringList& names) {
    const qint64 before = residentBytes();
    QElapsedTimer timer;
    timer.start();
    form.processCommandLine(names);
    settle();
    const double openMs = msSince(timer);
    if (form.documents().DocCount() != names.size())
        qFatal("only %d of the files were opened", form.documents().DocCount());
    const qint64 grown = residentBytes() - before;
    info("open 255 x 100 KB", ms(openMs) + QStringLiteral(" total, ") +
                                  ms(openMs / names.size()) + QStringLiteral(" per file"));

    const Times cycle = cycleViewNext(form, 2 * kSmallCount);
    info("View > Next, 2 x 255 documents", ms(cycle.total()) + QStringLiteral(" total"));
    report("  per switch", series(cycle), "switch < 10 ms", cycle.maxCpu() < 10);

    const double openText = static_cast<double>(names.size()) * kSmallSize;
    report("memory, 255 x 100 KB open",
           QString::number(grown / openText, 'f', 2) + QStringLiteral(" B per byte (+") +
               QString::number(grown / 1048576.0, 'f', 1) + QStringLiteral(" MiB)"),
           "< 3 B per byte of text", grown / openText < 3);

    timer.start();
    form.files().CloseAllDocuments();
    settle();
    info("close all 255", ms(msSince(timer)));
}

void bigDocuments(TMainForm& form, const QString& first, const QString& second) {
    EditControl& edit = *form.Edit();
    FileCommands& files = form.files();
    const qint64 before = residentBytes();

    QElapsedTimer timer;
    timer.start();
    {
        const LoadResult alone = readTextFile(first);
        info("read + check 50 MB (no document)", ms(msSince(timer)));
    }

    timer.start();
    const OpenResult opened = files.OpenAsCurrent(first, false);
    bench::untilRead(form);
    settle();
    const double openMs = msSince(timer);
    if (opened != OpenOk || files.OpenAsCurrent(second, false) != OpenOk)
        qFatal("the 50 MB files were not opened");
    bench::untilRead(form);
    report("open one 50 MB file", ms(openMs), "< 1000 ms", openMs < 1000);

    settle();
    const qint64 grown = residentBytes() - before;
    const double openText = 2.0 * kBigSize;
    report("memory, 2 x 50 MB open",
           QString::number(grown / openText, 'f', 2) + QStringLiteral(" B per byte (+") +
               QString::number(grown / 1048576.0, 'f', 1) + QStringLiteral(" MiB)"),
           "< 3 B per byte of text", grown / openText < 3);

    const Times swaps = cycleViewNext(form, kBigSwitches);
    report("switch two 50 MB docs (x50)", series(swaps), "switch < 10 ms", swaps.maxCpu() < 10);

    edit.setFocus();
    caretToEnd(edit);
    edit.scrollCaretIntoView();
    settle();
    const qsizetype lengthBefore = edit.length();
    Times keys;
    for (int i = 0; i < kKeystrokes; ++i) {
        const bool enter = i % 40 == 39;
        const QChar letter = QLatin1Char(static_cast<char>('a' + i % 26));
        const Stopwatch step;
        typeKey(edit, enter ? Qt::Key_Return : Qt::Key_A + i % 26,
                enter ? QStringLiteral("\r") : QString(letter));
        settle();
        keys.add(step);
    }
    if (edit.length() < lengthBefore + kKeystrokes)
        qFatal("the keystrokes did not reach the document");
    report("type at end of 50 MB (x200)", series(keys), "keystroke < 5 ms", keys.maxCpu() < 5);

    journaling(edit);

    timer.start();
    const bool saved = files.SaveCurrentDocument();
    const double atomicMs = msSince(timer);
    info("save 50 MB", ms(atomicMs) + (saved ? QString() : QStringLiteral(" (FAILED)")));
    // A second name for the file: the save keeps it by writing in place,
    // after a copy of the old contents.
    const QString secondName = first + QStringLiteral(".link");
    if (::link(QFile::encodeName(first).constData(), QFile::encodeName(secondName).constData()) != 0)
        qFatal("cannot link the 50 MB file");
    timer.start();
    const bool inPlace = files.SaveCurrentDocument();
    const double inPlaceMs = msSince(timer);
    report("save 50 MB in place (hard link)",
           ms(inPlaceMs) + QStringLiteral(" = %1 x the rename").arg(inPlaceMs / atomicMs, 0, 'f', 2) +
               (inPlace ? QString() : QStringLiteral(" (FAILED)")),
           "<= 2.5 x the rename", inPlace && inPlaceMs <= 2.5 * atomicMs);
}

} // namespace

int main(int argc, char** argv) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    bench::BenchFolders folders;
    QTemporaryDir& filesDir = folders.filesDir;

    Random random;
    QStringList smallNames;
    for (int i = 0; i < kSmallCount; ++i) {
        smallNames << filesDir.filePath(QStringLiteral("unit%1.cpp").arg(i, 3, 10, QLatin1Char('0')));
        writeFile(smallNames.last(), sourceText(random, kSmallSize));
    }
    const QString bigA = filesDir.filePath(QStringLiteral("big_a.cpp"));
    const QString bigB = filesDir.filePath(QStringLiteral("big_b.cpp"));
    writeFile(bigA, sourceText(random, kBigSize));
    writeFile(bigB, sourceText(random, kBigSize));

    ScriptedPrompts prompts;
    {
        TMainForm form(prompts, {});
        form.resize(1024, 768);
        form.show();
        settle();

        manySmallDocuments(form, smallNames);
        bigDocuments(form, bigA, bigB);

        // Nothing is asked at the end: the typed text is thrown away.
        DocumentTable& table = form.documents();
        for (int slot = 1; slot < table.DocCount(); ++slot)
            table.record(slot)->Modified = false;
        form.Edit()->setModifiedFlag(false);
    }
    for (const QString& text : prompts.unexpected())
        std::printf("unexpected prompt: %s\n", qPrintable(text));
    return 0;
}
