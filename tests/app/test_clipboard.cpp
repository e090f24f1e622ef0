// The clipboard modes through the real main window and the desktop's
// clipboard: the Clipboard menu, Cut/Copy/Paste by their items and buttons,
// panel 3 with View > Clipboard, and the application's activation handlers.
#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QImage>
#include <functional>
#include <QMimeData>

#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

// The window hears of activation through the event loop.
void becomeApplicationState(Qt::ApplicationState state) {
    emit qGuiApp->applicationStateChanged(state);
    QCoreApplication::processEvents();
}

QClipboard* desktop() { return QGuiApplication::clipboard(); }

bool marked(TMainForm& form, const char* item) {
    return form.commands().action(QString::fromLatin1(item))->isChecked();
}

// The radio marks of Dual, Stack and Queue as "DSQ" letters, "-" for unmarked.
QString radioMarks(TMainForm& form) {
    return QString(marked(form, "ClipboardDualMnu") ? "D" : "-") +
           (marked(form, "ClipboardStackMnu") ? "S" : "-") +
           (marked(form, "ClipboardQueueMnu") ? "Q" : "-");
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void theModeItemsMarkOneModeAndSwapClipFollowsDual() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        QCOMPARE(radioMarks(form), QString("D--"));
        QVERIFY(fx.isEnabled("ClipboardSwapClipMnu"));
        fx.run("ClipboardStackMnu");
        QCOMPARE(radioMarks(form), QString("-S-"));
        QVERIFY(!fx.isEnabled("ClipboardSwapClipMnu"));
        QCOMPARE(form.options().ClipboardMode, 1);
        fx.run("ClipboardQueueMnu");
        QCOMPARE(radioMarks(form), QString("--Q"));
        fx.run("ClipboardQueueMnu");   // the marked item stays marked
        QCOMPARE(radioMarks(form), QString("--Q"));
        fx.run("ClipboardDualMnu");
        QCOMPARE(radioMarks(form), QString("D--"));
        QVERIFY(fx.isEnabled("ClipboardSwapClipMnu"));
        form.SetClipboardMode(3);   // a value from a hand-edited settings file
        QCOMPARE(radioMarks(form), QString("---"));
        QVERIFY(!fx.isEnabled("ClipboardSwapClipMnu"));
    }

    void stackModePastesNewestFirstThroughItemsButtonsAndPanel() {
        MainWindowFixture fx;
        TMainForm& form = fx.start({fx.writeFile("abc.txt", "ABC\n")});
        EditControl* edit = form.Edit();
        desktop()->setText("X");
        fx.run("ClipboardStackMnu");
        const char* copies[] = {"EditCopyMnu", "CopySpdBtn", "CopyPopItem"};
        for (int i = 0; i < 3; ++i) {
            edit->setSelection(i, 1);
            fx.run(copies[i]);
        }
        QCOMPARE(form.panelText(3), QString("C"));
        const char* pastes[] = {"EditPasteMnu", "PasteSpdBtn", "PastePopItem", "EditPasteMnu",
                                "EditPasteMnu"};
        const char* next[] = {"B", "A", "X", "X", "X"};
        for (int i = 0; i < 5; ++i) {
            edit->setSelStart(edit->length());
            fx.run(pastes[i]);
            QCOMPARE(form.panelText(3), QString(next[i]));
        }
        QCOMPARE(fx.shownText(), QByteArray("ABCCBAXX"));
        QVERIFY(edit->isModified());
        QCOMPARE(form.panelText(1), QString("Modified"));
    }

    void queueCutRemovesTheTextAndLeavesClipboardAndPanel() {
        MainWindowFixture fx;
        TMainForm& form = fx.start({fx.writeFile("hw.txt", "hello world\n")});
        EditControl* edit = form.Edit();
        desktop()->setText("X");
        fx.run("ClipboardQueueMnu");
        form.ShowClipboardPanel();
        edit->setSelection(0, 6);
        QVERIFY(fx.isEnabled("EditCutMnu"));
        fx.run("CutSpdBtn");
        QCOMPARE(fx.shownText(), QByteArray("world"));
        QCOMPARE(desktop()->text(), QString("X"));
        QCOMPARE(form.panelText(3), QString("X"));
        QVERIFY(!fx.isEnabled("EditCutMnu"));   // nothing selected any more
        QCOMPARE(form.panelText(1), QString("Modified"));
        edit->setSelStart(edit->length());
        fx.run("EditPasteMnu");
        QCOMPARE(form.panelText(3), QString("hello "));
        fx.run("EditPasteMnu");
        QCOMPARE(fx.shownText(), QByteArray("worldXhello "));
    }

    void queueCutLineCollectsTheLineWithItsBreak() {
        MainWindowFixture fx;
        TMainForm& form = fx.start({fx.writeFile("crlf.txt", "one\r\ntwo\r\n")});
        desktop()->setText("X");
        fx.run("ClipboardQueueMnu");
        form.Edit()->setSelStart(1);
        fx.run("EditCutLineMnu");
        QCOMPARE(fx.shownText(), QByteArray("two"));
        QCOMPARE(desktop()->text(), QString("X"));
        form.Edit()->setSelStart(3);
        fx.run("EditPasteMnu");
        fx.run("EditPasteMnu");
        QCOMPARE(fx.shownText(), QByteArray("twoXone\r\n"));
    }

    // An image (or any clipboard without text) pastes nothing, by every way
    // of pasting: the selection stays, the document stays unmodified, and in
    // Queue mode the next collected text still comes up.
    void aClipboardWithoutTextPastesNothingAndKeepsTheSelection() {
        MainWindowFixture fx;
        const QString name = fx.writeFile("keep.txt", "keep this\n");
        TMainForm& form = fx.start({name});
        EditControl* edit = form.Edit();
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        const std::function<void()> pastes[] = {
            [&] { fx.run("EditPasteMnu"); }, [&] { fx.run("PasteSpdBtn"); },
            [&] { QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); },
            [&] { QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier); }};
        for (const auto& paste : pastes) {
            desktop()->setImage(image);
            edit->setSelection(0, 4);
            paste();
            QCOMPARE(fx.shownText(), QByteArray("keep this"));
            QCOMPARE(edit->selStart(), qsizetype(0));
            QCOMPARE(edit->selLength(), qsizetype(4));
            QVERIFY(!edit->isModified());
        }
        fx.run("FileSaveMnu");
        QCOMPARE(MainWindowFixture::readFile(name), QByteArray("keep this\n"));

        fx.run("ClipboardQueueMnu");
        edit->setSelection(5, 4);
        fx.run("EditCopyMnu");
        desktop()->setImage(image);
        edit->setSelection(0, 4);
        fx.run("EditPasteMnu");
        QCOMPARE(edit->selLength(), qsizetype(4));
        QCOMPARE(desktop()->text(), QString("this"));
        fx.run("EditPasteMnu");
        QCOMPARE(fx.shownText(), QByteArray("this this"));
    }

    void f4LeavesThePlainText() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        auto* rich = new QMimeData;
        rich->setHtml("<i>styled</i>");
        rich->setText("styled");
        desktop()->setMimeData(rich);
        QTest::keyClick(form.Edit(), Qt::Key_F4);
        QCOMPARE(desktop()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(desktop()->text(), QString("styled"));
    }

    void swapClipExchangesTwoClipboardsOnlyInDualMode() {
        MainWindowFixture fx;
        TMainForm& form = fx.start({fx.writeFile("b.txt", "B\n")});
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        desktop()->setText("A");
        QTest::keyClick(form.Edit(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(desktop()->text(), QString());
        QCOMPARE(form.panelText(3), QString());
        form.Edit()->setSelection(0, 1);
        fx.run("EditCopyMnu");
        fx.run("ClipboardSwapClipMnu");
        QCOMPARE(desktop()->text(), QString("A"));
        QCOMPARE(form.panelText(3), QString("A"));
        QTest::keyClick(form.Edit(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(desktop()->text(), QString("B"));

        fx.run("ClipboardStackMnu");
        QTest::keyClick(form.Edit(), Qt::Key_W, Qt::ControlModifier);
        fx.run("ClipboardSwapClipMnu");
        QCOMPARE(desktop()->text(), QString("B"));
        QCOMPARE(form.panelText(3), QString("B"));
    }

    void viewClipboardControlsPanelThree() {
        MainWindowFixture fx;
        TMainForm& form = fx.start({fx.writeFile("t.txt", "text\n")});
        QAction* view = form.commands().action("ViewShowClipMnu");
        QVERIFY(view->isChecked());
        desktop()->setText("first");
        view->trigger();
        QCOMPARE(form.panelText(3), QString());
        form.Edit()->setSelection(0, 4);
        fx.run("EditCopyMnu");
        fx.run("ClipboardSwapClipMnu");
        fx.run("EditPasteMnu");
        QCOMPARE(form.panelText(3), QString());
        desktop()->setText("line one\nline\ttwo");
        view->trigger();
        QCOMPARE(form.panelText(3), QString("line one line two"));
    }

    void activationRefreshesThePanelAndBothHandlersLeavePlainText() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        auto* rich = new QMimeData;
        rich->setHtml("<i>styled</i>");
        rich->setText("styled");
        desktop()->setMimeData(rich);
        becomeApplicationState(Qt::ApplicationInactive);
        QCOMPARE(desktop()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(desktop()->text(), QString("styled"));

        auto* richer = new QMimeData;
        richer->setHtml("<b>other program</b>");
        richer->setText("other program");
        desktop()->setMimeData(richer);
        QCOMPARE(form.panelText(3), QString());
        becomeApplicationState(Qt::ApplicationActive);
        QCOMPARE(form.panelText(3), QString("other program"));
        QCOMPARE(desktop()->mimeData()->formats(), QStringList{"text/plain"});

        // An image on the clipboard has no text to keep and is left alone.
        auto* image = new QMimeData;
        image->setImageData(QImage(2, 2, QImage::Format_RGB32));
        desktop()->setMimeData(image);
        becomeApplicationState(Qt::ApplicationInactive);
        QVERIFY(desktop()->mimeData()->hasImage());
    }
};

QTEST_MAIN(ClipboardTest)
#include "test_clipboard.moc"
