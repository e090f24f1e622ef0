// A file past 2 GB through the real window: opened, searched past 2^31,
// edited there, saved, and its bytes checked on disk. Most of the file is a
// hole of NUL bytes, which are text like any other and must come back.
//
// It needs about 3 GB of memory and 5 GB of disk and takes a minute, so it
// runs only when TARNWICK_HUGE_FILE_TESTS=1 is set (see docs/PERFORMANCE.md),
// and is skipped, saying why, when the machine has not enough room. Ordinary
// runs check 64-bit positions through tests/editing/test_LargePositions.cpp.
#include <QStorageInfo>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/SearchCommands.h"
#include "editing/EditControl.h"
#include "editing/SearchEngine.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

constexpr qint64 kSize = 2'200'000'000;              // past 2^31 = 2'147'483'648
const QByteArray kHead = "head of a huge file\n";
const QByteArray kTail = "the needle past two gigabytes\n";
constexpr qint64 kTailAt = kSize - 30;               // kTail's length

qint64 memAvailable() {
    QFile f(QStringLiteral("/proc/meminfo"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("MemAvailable:"))
            return line.mid(13).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

QByteArray bytesAt(const QString& path, qint64 offset, qint64 length) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(offset))
        return "<unreadable>";
    return f.read(length);
}

// A line break every kLine bytes: a line must be drawn whole, and this
// Scintilla draws no line of 2 GB (such a file is refused, see below).
constexpr qint64 kLine = 65536;
// The last break before the tail.
constexpr qint64 kLastBreak = (kTailAt / kLine) * kLine - 1;

// The head, a hole with a break every kLine bytes, and the tail at the very end.
bool writeSparse(const QString& path, bool withBreaks) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok = ::ftruncate(fd, kSize) == 0 &&
              ::pwrite(fd, kHead.constData(), size_t(kHead.size()), 0) == kHead.size() &&
              ::pwrite(fd, kTail.constData(), size_t(kTail.size()), kTailAt) == kTail.size();
    for (qint64 at = kLine - 1; withBreaks && ok && at < kTailAt; at += kLine)
        ok = ::pwrite(fd, "\n", 1, at) == 1;
    return ::close(fd) == 0 && ok;
}

} // namespace

class HugeFileTest : public QObject {
    Q_OBJECT
private slots:
    void aFilePastTwoGigabytesOpensEditsSavesAndSearches() {
        QCOMPARE(kTail.size(), kSize - kTailAt);
        if (qEnvironmentVariable("TARNWICK_HUGE_FILE_TESTS") != QLatin1String("1"))
            QSKIP("set TARNWICK_HUGE_FILE_TESTS=1 to run: it reads and writes 2.2 GB");
        constexpr qint64 kGiB = qint64(1) << 30;
        if (memAvailable() < 4 * kGiB)
            QSKIP("less than 4 GB of memory available: the document alone is 2.2 GB");
        MainWindowFixture fx;
        const QString path = fx.path(QStringLiteral("huge.txt"));
        if (QStorageInfo(QFileInfo(path).absolutePath()).bytesAvailable() < 5 * kGiB)
            QSKIP("less than 5 GB free beside the test's files: the save writes 2.2 GB twice over");
        // A line of 2 GB or more is refused with a message, and no document is left.
        QVERIFY(writeSparse(path, false));
        TMainForm& form = fx.start();
        // A file this big is read a slice at a time: the refusal comes at the end.
        form.files().OpenAsCurrent(path, true);
        QTRY_VERIFY_WITH_TIMEOUT(!form.files().loads().any(), 600000);
        QVERIFY(fx.prompts.texts().join('\n').contains(QStringLiteral("2 GB or longer")));
        QVERIFY(!fx.tabCaptions().contains(QFileInfo(path).fileName()));
        fx.prompts.clear();

        QVERIFY(writeSparse(path, true));
        QCOMPARE(form.files().OpenAsCurrent(path, true), OpenOk);
        QTRY_VERIFY_WITH_TIMEOUT(!form.files().loads().any(), 600000);

        EditControl& edit = *form.Edit();
        QCOMPARE(fx.currentFileName(), path);
        QVERIFY(fx.prompts.shown().isEmpty());
        // The final break is the document's style, not its text.
        QCOMPARE(edit.length(), kSize - 1);
        QVERIFY(edit.SendScintilla(EditControl::SCI_GETDOCUMENTOPTIONS) &
                EditControl::SC_DOCUMENTOPTION_TEXT_LARGE);
        QCOMPARE(edit.encoding(), TextEncoding::Utf8);
        QCOMPARE(edit.bytesInRange(0, kHead.size()), kHead);
        // A break falls on 2^31 - 1 itself: one line ends there, the next starts at 2^31.
        QCOMPARE(edit.bytesInRange((qint64(1) << 31) - 2, (qint64(1) << 31) + 2), QByteArray("\0\n\0\0", 4));
        QCOMPARE(edit.bytesInRange(kLastBreak - 1, kLastBreak + 2), QByteArray("\0\n\0", 3));
        QCOMPARE(edit.bytesInRange(kTailAt, kSize - 1), kTail.chopped(1));

        // Find selects the needle past 2^31, and the status bar counts to it.
        FindRequest find;
        find.text = QStringLiteral("needle");
        form.search().engine().Find(find);
        QCOMPARE(edit.selStart(), kTailAt + 4);
        QCOMPARE(edit.selLength(), qsizetype(6));
        QCOMPARE(form.panelText(0),
                 QStringLiteral("%1: %2").arg(kTailAt / kLine + 2).arg(kTailAt + 4 - kLastBreak));

        // Typed over past 2^31, saved, and every byte where it belongs.
        edit.replaceSelection("thread");
        QVERIFY(edit.isModified());
        fx.run(QStringLiteral("FileSaveMnu"));
        QVERIFY(fx.prompts.shown().isEmpty());
        QVERIFY(!edit.isModified());
        QCOMPARE(QFileInfo(path).size(), kSize);
        QCOMPARE(bytesAt(path, 0, kHead.size()), kHead);
        QCOMPARE(bytesAt(path, kTailAt, kTail.size()), QByteArray("the thread past two gigabytes\n"));
        for (const qint64 at : {qint64(kHead.size()), kGiB, qint64(1) << 31, kTailAt - 8})
            QCOMPARE(bytesAt(path, at, 8), QByteArray(8, '\0'));
        QCOMPARE(bytesAt(path, kLastBreak - 1, 3), QByteArray("\0\n\0", 3));

        // Replace All reaches past 2^31 too, and one Undo takes it back.
        ReplaceRequest replace;
        replace.findText = QStringLiteral("thread");
        replace.replaceText = QStringLiteral("pin");
        replace.prompt = false;
        form.search().engine().Replace(replace);
        QCOMPARE(edit.bytesInRange(kTailAt, kSize - 4), QByteArray("the pin past two gigabytes"));
        edit.undo();
        QCOMPARE(edit.bytesInRange(kTailAt, kSize - 1), QByteArray("the thread past two gigabytes"));
        fx.discardAll();
    }
};

QTEST_MAIN(HugeFileTest)
#include "test_huge_file.moc"
