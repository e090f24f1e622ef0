// How fast Replace runs: Replace All of 100,000 matches in a 10 MB document
// (beside sed on the same text), with and without holding replacements back,
// and Replace over 255 open documents. The real main window, offscreen, with
// scripted prompts in a temporary program directory.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "BenchProgram.h"

#include <cstdio>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/MainForm.h"
#include "app/SearchCommands.h"
#include "editing/EditControl.h"
#include "editing/EditSearchText.h"
#include "editing/SearchEngine.h"
#include "platform/ProgramDirectory.h"
#include "util/ScriptedPrompts.h"

using namespace tw;
using tw::bench::writeFile;

namespace {

constexpr int kMatches = 100000;
constexpr qsizetype kBigSize = 10 * 1024 * 1024;
constexpr int kDocuments = DocumentTable::kMaxDocuments;

const char* const kFiller[] = {"buffer", "count", "index", "offset", "result", "value", "line",
                               "column", "table", "state", "flags", "start", "limit", "cursor"};

// `size` bytes of lines of words holding `matches` times the word "needle",
// spread evenly.
QByteArray textWithMatches(qsizetype size, int matches) {
    QByteArray text;
    text.reserve(size + 64);
    const qsizetype every = size / matches;
    int placed = 0;
    unsigned word = 0;
    while (text.size() < size) {
        if (placed < matches && text.size() >= placed * every) {
            text += "needle ";
            ++placed;
        }
        text += kFiller[word++ % std::size(kFiller)];
        text += word % 12 == 0 ? '\n' : ' ';
    }
    if (placed != matches)
        qFatal("only %d matches placed", placed);
    return text;
}

void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

double msSince(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

QString ms(double v) { return QString::number(v, 'f', 1) + QStringLiteral(" ms"); }

void report(const char* what, const QString& figures, const char* aim, bool met) {
    std::printf("%-40s %-34s aim: %-14s %s\n", what, qPrintable(figures), aim, met ? "met" : "MISSED");
    std::fflush(stdout);
}

void info(const char* what, const QString& figures) {
    std::printf("%-40s %s\n", what, qPrintable(figures));
    std::fflush(stdout);
}

ReplaceRequest replaceNeedles(FindOptions options) {
    ReplaceRequest r;
    r.findText = QStringLiteral("needle");
    r.replaceText = QStringLiteral("pin");
    r.prompt = false;
    r.options = options;
    return r;
}

// The window's host, with another searchable text: to measure replacing
// one by one through the same engine.
class OneByOneHost : public SearchHost {
public:
    explicit OneByOneHost(EditControl& edit) : text_(edit, false) {}
    SearchableText& shownText() override { return text_; }
    int DocCount() const override { return 1; }
    void ViewNext() override {}
    void ShowLineColumn() override {}
    QPoint promptPosition() override { return {}; }

private:
    EditSearchText text_;
};

// Replace All in the shown document, then one Undo; both timed and checked.
void replaceAllOnce(const char* what, EditControl& edit, SearchEngine& engine,
                    FindOptions options, const QByteArray& original, double* took = nullptr) {
    QElapsedTimer timer;
    timer.start();
    engine.Replace(replaceNeedles(options));
    const double replaceMs = msSince(timer);
    if (edit.length() != original.size() - 3 * kMatches)
        qFatal("%s: %lld bytes after Replace All", what, static_cast<long long>(edit.length()));
    settle();
    timer.start();
    edit.undo();
    const double undoMs = msSince(timer);
    if (edit.textBytes() != original)
        qFatal("%s: one Undo did not restore the text", what);
    settle();
    report(what, ms(replaceMs) + QStringLiteral(" (undo ") + ms(undoMs) + QStringLiteral(")"),
           "< 300 ms", replaceMs < 300);
    if (took)
        *took = replaceMs;
}

void bigDocument(TMainForm& form, const QString& path, const QByteArray& original,
                 const QString& sedCopy, ScriptedPrompts& prompts) {
    if (form.files().OpenAsCurrent(path, false) != OpenOk)
        qFatal("the 10 MB file was not opened");
    bench::untilRead(form);
    settle();
    EditControl& edit = *form.Edit();
    SearchEngine& engine = form.search().engine();
    info("10 MB, 100,000 x \"needle\" -> \"pin\"", QString());
    double anyCase = 0;
    replaceAllOnce("  Replace All, any case", edit, engine, {false, false}, original, &anyCase);
    replaceAllOnce("  Replace All, match case", edit, engine, {false, true}, original);
    replaceAllOnce("  Replace All, whole word, any case", edit, engine, {true, false}, original);

    OneByOneHost oneByOne(edit);
    SearchEngine plainEngine(oneByOne, prompts);
    QElapsedTimer timer;
    timer.start();
    plainEngine.Replace(replaceNeedles({false, false}));
    const double oneByOneMs = msSince(timer);
    edit.undo();
    if (edit.textBytes() != original)
        qFatal("replacing one by one: one Undo did not restore the text");
    info("  (one by one in Scintilla, any case)", ms(oneByOneMs));

    timer.start();
    const int sed = QProcess::execute(QStringLiteral("sed"),
                                      {QStringLiteral("-i"), QStringLiteral("s/needle/pin/g"), sedCopy});
    const double sedMs = msSince(timer);
    QFile result(sedCopy);
    if (sed != 0 || result.size() != original.size() + 1 - 3 * kMatches)
        qFatal("sed did not replace the matches");
    info("  sed -i on the same text (process)", ms(sedMs) + QStringLiteral(", Replace All is ") +
                                                   QString::number(anyCase / sedMs, 'f', 1) +
                                                   QStringLiteral(" x sed"));
    form.files().CloseAllDocuments();
}

// The documents as Scintilla holds them: the same set before and after means
// no text was copied into a new document.
QSet<long> documentHandles(TMainForm& form) {
    QSet<long> handles{form.Edit()->SendScintilla(EditControl::SCI_GETDOCPOINTER)};
    for (int slot = 1; slot < form.documents().DocCount(); ++slot)
        handles << form.documents().record(slot)->Text;
    return handles;
}

void allDocuments(TMainForm& form, const QStringList& names) {
    form.processCommandLine(names);
    settle();
    if (form.documents().DocCount() != kDocuments)
        qFatal("only %d documents open", form.documents().DocCount());
    const QString first = form.documents().CurrentFileName();
    const QSet<long> before = documentHandles(form);
    ReplaceRequest r = replaceNeedles({false, false});
    r.allFiles = true;
    QElapsedTimer timer;
    timer.start();
    form.search().engine().Replace(r);
    const double took = msSince(timer);
    settle();
    if (form.documents().CurrentFileName() != first || documentHandles(form) != before)
        qFatal("Replace over all documents did not come back to the same documents");
    report("Replace, all 255 documents x 40 KB", ms(took) + QStringLiteral(" (") +
                                                     ms(took / kDocuments) + QStringLiteral(" each)"),
           "< 1000 ms", took < 1000);
    DocumentTable& table = form.documents();
    for (int slot = 1; slot < table.DocCount(); ++slot)
        table.record(slot)->Modified = false;
    form.Edit()->setModifiedFlag(false);
    form.files().CloseAllDocuments();
}

} // namespace

int main(int argc, char** argv) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    bench::BenchFolders folders;
    QTemporaryDir& filesDir = folders.filesDir;

    const QByteArray big = textWithMatches(kBigSize, kMatches);
    const QString bigPath = filesDir.filePath(QStringLiteral("big.txt"));
    const QString sedCopy = filesDir.filePath(QStringLiteral("big-sed.txt"));
    writeFile(bigPath, big + '\n');
    writeFile(sedCopy, big + '\n');
    QStringList small;
    for (int i = 0; i < kDocuments; ++i) {
        small << filesDir.filePath(QStringLiteral("doc%1.txt").arg(i, 3, 10, QLatin1Char('0')));
        writeFile(small.last(), textWithMatches(40 * 1024, 40));
    }

    ScriptedPrompts prompts;
    {
        TMainForm form(prompts, {});
        form.resize(1024, 768);
        form.show();
        settle();
        bigDocument(form, bigPath, big, sedCopy, prompts);
        allDocuments(form, small);
        form.Edit()->setModifiedFlag(false);
    }
    return 0;
}
