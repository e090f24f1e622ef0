// A line of hundreds of kilobytes through the real, shown main window:
// moving, typing, selecting, finding, undoing and saving in it give the right
// document and file, and the caret stays where the user can see it. A caret
// a start-up document restores deep in such a line, or far down a file, is
// in view when the window first shows.
#include <QtTest>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "editing/EditControl.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

const QByteArray kMarker = "MARKER";

// Words of C-like text with non-ASCII characters among them, `bytes` long
// (whole words), with the marker in the middle.
QByteArray longLine(qsizetype bytes) {
    QByteArray half;
    for (int i = 0; half.size() < bytes / 2; ++i)
        half += "value_" + QByteArray::number(i) + (i % 9 == 0 ? " = \xC3\xA9t\xC3\xA9 \xE2\x82\xAC; " : " = beta; ");
    return half + kMarker + " " + half;
}

// The caret lies inside the shown part of the text, across and down.
bool caretInView(EditControl& edit) {
    const auto caret = static_cast<unsigned long>(edit.caretPosition());
    const long x = edit.SendScintilla(EditControl::SCI_POINTXFROMPOSITION, 0ul, caret);
    const long y = edit.SendScintilla(EditControl::SCI_POINTYFROMPOSITION, 0ul, caret);
    return x >= 0 && x < edit.viewport()->width() && y >= 0 && y < edit.viewport()->height();
}

void key(EditControl& edit, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(&edit, k, mods);
}

// Types `text` as key presses carrying it, non-ASCII letters included.
void typeText(EditControl& edit, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

// Finds `text` through the Find dialog, filled by its control names.
void find(MainWindowFixture& fx, const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QLineEdit*>(QStringLiteral("FindEdit"))->setText(text);
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    fx.run(QStringLiteral("SearchFindMnu"));
}

// How a row brings the caret to its place in the long line.
using Reach = std::function<void(MainWindowFixture&, EditControl&)>;

} // namespace

class LongLinesTest : public QObject {
    Q_OBJECT
private slots:
    void editingInALongLine_data() {
        QTest::addColumn<Reach>("reach");
        QTest::addColumn<int>("where");   // -1 start, 0 after the marker, 1 end of the line
        QTest::newRow("start, Ctrl+Home") << Reach([](MainWindowFixture&, EditControl& e) {
            key(e, Qt::Key_End, Qt::ControlModifier);
            key(e, Qt::Key_Home, Qt::ControlModifier);
        }) << -1;
        QTest::newRow("middle, found") << Reach([](MainWindowFixture& fx, EditControl& e) {
            find(fx, QString::fromLatin1(kMarker));
            QCOMPARE(e.selectedBytes(), kMarker);
            QVERIFY(caretInView(e));
            key(e, Qt::Key_Right);
        }) << 0;
        QTest::newRow("end, End") << Reach([](MainWindowFixture&, EditControl& e) {
            key(e, Qt::Key_End);
        }) << 1;
    }

    void editingInALongLine() {
        QFETCH(Reach, reach);
        QFETCH(int, where);
        const QByteArray line = longLine(300 * 1024);   // over the length at which the caret stops blinking
        // The file's final break is not part of the shown text.
        const QByteArray original = line + "\nsecond line";
        MainWindowFixture fx;
        const QString file = fx.writeFile(QStringLiteral("long.txt"), original + "\n");
        TMainForm& form = fx.start({file});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        EditControl& edit = *form.Edit();
        edit.setFocus();

        reach(fx, edit);
        const qsizetype at = where < 0 ? 0 : where == 0 ? line.indexOf(kMarker) + kMarker.size() : line.size();
        QCOMPARE(edit.caretPosition(), at);
        QVERIFY(caretInView(edit));

        typeText(edit, QString::fromUtf8("a\xC3\xA9z"));
        QByteArray expected = original;
        expected.insert(at, "a\xC3\xA9z");
        QCOMPARE(fx.shownText(), expected);
        key(edit, Qt::Key_Left, Qt::ShiftModifier);
        key(edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(edit.selectedBytes(), QByteArray("\xC3\xA9z"));
        QVERIFY(caretInView(edit));
        typeText(edit, QStringLiteral("Q"));
        key(edit, Qt::Key_Left);
        key(edit, Qt::Key_Backspace);
        expected.replace(at, 4, "Q");
        QCOMPARE(fx.shownText(), expected);
        QCOMPARE(edit.caretPosition(), at);
        QVERIFY(caretInView(edit));

        fx.run(QStringLiteral("FileSaveMnu"));
        QCOMPARE(MainWindowFixture::readFile(file), expected + "\n");
        while (edit.canUndo())
            fx.run(QStringLiteral("EditUndoMnu"));
        QCOMPARE(fx.shownText(), original);
        fx.discardAll();
    }

    void aRestoredCaretIsInViewWhenTheWindowShows_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("caret");
        const QByteArray line = longLine(300 * 1024);
        QTest::newRow("deep in a long line") << line + "\n" << int(line.indexOf(kMarker));
        QByteArray lines;
        for (int i = 0; i < 3000; ++i)
            lines += "line " + QByteArray::number(i) + "\n";
        QTest::newRow("far down") << lines << int(lines.indexOf("line 2500"));
    }

    void aRestoredCaretIsInViewWhenTheWindowShows() {
        QFETCH(QByteArray, text);
        QFETCH(int, caret);
        MainWindowFixture fx;
        const QString file = fx.writeFile(QStringLiteral("doc.txt"), text);
        StoredSettings s = firstRunSettings();
        s.startupMode = 0;
        s.documents = {StoredDocument{file.toUtf8(), 0, caret, int(kMarker.size())}};
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        QCOMPARE(fx.currentFileName(), file);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        EditControl& edit = *form.Edit();
        QCOMPARE(edit.selStart(), qsizetype(caret));
        QCOMPARE(edit.selectedBytes(), text.mid(caret, kMarker.size()));
        QVERIFY(caretInView(edit));
        fx.discardAll();
    }
};

QTEST_MAIN(LongLinesTest)
#include "test_long_lines.moc"
