// How fast the editor handles many documents and big ones: the real main
// window, offscreen, with scripted prompts in a temporary program directory.
// Prints one line per figure with its aim beside it; see docs/PERFORMANCE.md.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
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

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
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

struct Times {
    std::vector<double> ms;
    double total() const { double s = 0; for (double v : ms) s += v; return s; }
    double mean() const { return ms.empty() ? 0 : total() / static_cast<double>(ms.size()); }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

void report(const char* what, const QString& figures, const char* aim, bool met) {
    std::printf("%-34s %-44s aim: %-26s %s\n", what, qPrintable(figures), aim, verdict(met));
    std::fflush(stdout);
}

void info(const char* what, const QString& figures) {
    std::printf("%-34s %s\n", what, qPrintable(figures));
    std::fflush(stdout);
}

QString ms(double v) { return QString::number(v, 'f', v < 10 ? 3 : 1) + QStringLiteral(" ms"); }

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
        QElapsedTimer timer;
        timer.start();
        form.documents().ViewNext();
        settle();
        t.ms.push_back(msSince(timer));
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

// --- the runs ---------------------------------------------------------------

void manySmallDocuments(TMainForm& form, const QStringList& names) {
    const qint64 before = residentBytes();
    QElapsedTimer timer;
    timer.start();
    form.processCommandLine(names);
    settle();
    const double openMs = msSince(timer);
    const qint64 grown = residentBytes() - before;
    info("open 255 x 100 KB", ms(openMs) + QStringLiteral(" total, ") +
                                  ms(openMs / names.size()) + QStringLiteral(" per file"));

    const Times cycle = cycleViewNext(form, 2 * kSmallCount);
    report("View > Next, 2 x 255 documents",
           ms(cycle.total()) + QStringLiteral(" total, mean ") + ms(cycle.mean()) +
               QStringLiteral(", max ") + ms(cycle.max()),
           "switch < 10 ms", cycle.max() < 10);

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
    files.OpenAsCurrent(first, false);
    settle();
    const double openMs = msSince(timer);
    report("open one 50 MB file", ms(openMs), "< 1000 ms", openMs < 1000);

    files.OpenAsCurrent(second, false);
    settle();
    const qint64 grown = residentBytes() - before;
    const double openText = 2.0 * kBigSize;
    report("memory, 2 x 50 MB open",
           QString::number(grown / openText, 'f', 2) + QStringLiteral(" B per byte (+") +
               QString::number(grown / 1048576.0, 'f', 1) + QStringLiteral(" MiB)"),
           "< 3 B per byte of text", grown / openText < 3);

    const Times swaps = cycleViewNext(form, kBigSwitches);
    report("switch between two 50 MB docs",
           QStringLiteral("mean ") + ms(swaps.mean()) + QStringLiteral(", max ") + ms(swaps.max()) +
               QStringLiteral(" (%1 switches)").arg(kBigSwitches),
           "switch < 10 ms", swaps.max() < 10);

    edit.setFocus();
    caretToEnd(edit);
    edit.scrollCaretIntoView();
    settle();
    Times keys;
    for (int i = 0; i < kKeystrokes; ++i) {
        const bool enter = i % 40 == 39;
        const QChar letter = QLatin1Char(static_cast<char>('a' + i % 26));
        timer.start();
        typeKey(edit, enter ? Qt::Key_Return : Qt::Key_A + i % 26,
                enter ? QStringLiteral("\r") : QString(letter));
        settle();
        keys.ms.push_back(msSince(timer));
    }
    if (edit.length() < kBigSize)
        qFatal("the keystrokes did not reach the document");
    report("type at the end of 50 MB",
           QStringLiteral("mean ") + ms(keys.mean()) + QStringLiteral(", max ") + ms(keys.max()) +
               QStringLiteral(" (%1 keys)").arg(kKeystrokes),
           "keystroke < 5 ms", keys.max() < 5);

    timer.start();
    const bool saved = files.SaveCurrentDocument();
    info("save 50 MB", ms(msSince(timer)) + (saved ? QString() : QStringLiteral(" (FAILED)")));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir programDir;
    QTemporaryDir filesDir;
    if (!programDir.isValid() || !filesDir.isValid())
        qFatal("no temporary directory");
    setProgramDirectory(programDir.path() + QLatin1Char('/'));
    writeFile(programDir.filePath(QStringLiteral("readme.txt")), "Welcome to Tarnwick.\n");

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
