// Find, Search Again and Replace through the real main window: the dialogs
// driven by their control names and accelerators, questions and reports
// checked through the scripted prompts.
#include <QtTest>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <functional>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "editing/PromptPosition.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

using Fill = std::function<void(QDialog&)>;

void type(QDialog& dialog, const char* edit, const QString& text) {
    auto* box = dialog.findChild<QLineEdit*>(QString::fromLatin1(edit));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void tick(QDialog& dialog, const char* name, bool on) {
    dialog.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(on);
}

bool ticked(QDialog& dialog, const char* name) {
    return dialog.findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked();
}

// Runs `command`; the dialog it opens is filled by `fill` and then accepted
// with OK (or cancelled). Returns whether that dialog was shown, active.
bool runWithDialog(MainWindowFixture& fx, const char* command, const char* dialogName, Fill fill,
                   bool accept = true) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (dialog->objectName() == QLatin1String(dialogName)) {
            // Accelerators reach the active window only; the offscreen
            // platform leaves a shown main window active under its dialog.
            dialog->activateWindow();
            QApplication::setActiveWindow(dialog);
            shown = QTest::qWaitForWindowActive(dialog) && QApplication::activeWindow() == dialog;
            if (shown)
                fill(*dialog);
        }
        if (dialog->isVisible() && accept && shown)
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        else if (dialog->isVisible())
            dialog->reject();
    });
    fx.run(QString::fromLatin1(command));
    return shown;
}

QString selectedText(MainWindowFixture& fx) {
    return QString::fromUtf8(fx.form().Edit()->selectedBytes());
}

// Where the question about a match on `line` must stand.
QPoint expectedPromptPosition(TMainForm& form, int line) {
    EditControl& edit = *form.Edit();
    PromptGeometry g;
    g.screen = form.screen()->geometry();
    g.caretLine = line;
    g.firstVisibleLine = edit.firstVisibleLine();
    g.fontHeight = static_cast<int>(edit.SendScintilla(EditControl::SCI_TEXTHEIGHT, 0ul));
    g.editTop = edit.mapTo(&form, QPoint(0, 0)).y();
    g.windowTop = form.geometry().top();
    return PromptPosition(g);
}

} // namespace

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void commandsAreAvailableWithTheirKeys() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "text\n")});
        for (const char* name : {"SearchFindMnu", "FindSpdBtn", "SearchSearchAgainMnu",
                                 "SearchAgainSpdBtn", "SearchReplaceMnu", "ReplaceSpdBtn"})
            QVERIFY2(fx.isEnabled(QString::fromLatin1(name)), name);
        const CommandSwitch& c = fx.form().commands();
        QCOMPARE(c.action("SearchFindMnu")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(c.action("SearchReplaceMnu")->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        const QKeySequence again = c.action("SearchSearchAgainMnu")->shortcut();
        QVERIFY(again == QKeySequence(QStringLiteral("F3")) || again == QKeySequence(QStringLiteral("Ctrl+L")));
        fx.form().files().CloseAllDocuments();
        fx.run("FileCloseCurrentFileMnu");
        QVERIFY(!fx.documentShown());
        QVERIFY(!fx.isEnabled("FindSpdBtn"));
        QVERIFY(!fx.isEnabled("ReplaceSpdBtn"));
    }

    void findThenSearchAgainWalksToTheEnd() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "alpha beta\nAlpha gamma alpha\n")});
        QVERIFY(runWithDialog(fx, "FindSpdBtn", "TFindForm", [](QDialog& d) {
            QVERIFY(!ticked(d, "SelectedCB"));
            type(d, "FindEdit", QStringLiteral("alpha"));
        }));
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(0));
        QCOMPARE(selectedText(fx), QStringLiteral("alpha"));
        QVERIFY(fx.form().panelText(0).startsWith(QStringLiteral("1: ")));
        fx.run("SearchAgainSpdBtn");
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(11));
        QVERIFY(fx.form().panelText(0).startsWith(QStringLiteral("2: ")));
        fx.run("SearchSearchAgainMnu");
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(23));
        QVERIFY(fx.prompts.texts().isEmpty());
        fx.run("SearchAgainSpdBtn");
        QCOMPARE(fx.prompts.texts(), QStringList{QStringLiteral("No more matches for \"alpha\" found")});
        QCOMPARE(fx.prompts.shown().last().type, MessageType::Information);
    }

    void findInsideTheSelectionWithTheAccelerators() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "cat dog cat cat dog cat\n")});
        fx.form().Edit()->setSelection(4, 7);   // "dog cat"
        QVERIFY(runWithDialog(fx, "FindSpdBtn", "TFindForm", [](QDialog& d) {
            QVERIFY(ticked(d, "SelectedCB"));   // the document has a selection
            QCOMPARE(QApplication::focusWidget(), d.findChild<QLineEdit*>(QStringLiteral("FindEdit")));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("CAT"));
            QTest::keyClick(&d, Qt::Key_W, Qt::AltModifier);
            QTRY_VERIFY(ticked(d, "WholeWordCB"));
        }));
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(8));
        fx.run("SearchAgainSpdBtn");
        QCOMPARE(fx.prompts.texts(), QStringList{QStringLiteral("No more matches for \"CAT\" found")});
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(8));

        fx.form().Edit()->setSelection(0, 0);
        QVERIFY(runWithDialog(fx, "FindSpdBtn", "TFindForm", [](QDialog& d) {
            QVERIFY(!ticked(d, "SelectedCB"));
            QVERIFY(ticked(d, "WholeWordCB"));   // kept from the last use
            QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("FindEdit"))->selectedText(), QStringLiteral("CAT"));
            type(d, "FindEdit", QStringLiteral("bird"));
        }));
        QCOMPARE(fx.prompts.texts().last(), QStringLiteral("Search string \"bird\" not found"));
    }

    void searchAgainWithNothingPendingOpensFind() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "x\n")});
        QVERIFY(runWithDialog(fx, "SearchAgainSpdBtn", "TFindForm", [](QDialog&) {}, false));
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    void replaceAsksAtThePromptPositionThenSearchAgainOpensFind() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "x\nx\nx\n")});
        // Shown, so the window's layout stands where it will during the questions.
        fx.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&fx.form()));
        fx.form().Edit()->setSelection(2, 1);
        fx.prompts.answer(Answer::Yes);
        fx.prompts.answer(Answer::No);
        fx.prompts.answer(Answer::Yes);
        QVERIFY(runWithDialog(fx, "ReplaceSpdBtn", "TReplaceForm", [](QDialog& d) {
            QVERIFY(ticked(d, "ReplaceAllCB"));
            QVERIFY(ticked(d, "PromptCB"));
            QVERIFY(ticked(d, "SelectedCB"));
            QVERIFY(!d.findChild<QCheckBox*>(QStringLiteral("SearchFilesCB"))->isEnabled());
            tick(d, "SelectedCB", false);
            QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("FindEdit")), QStringLiteral("x"));
            QTest::keyClick(&d, Qt::Key_R, Qt::AltModifier);
            QCOMPARE(d.focusWidget(), d.findChild<QLineEdit*>(QStringLiteral("ReplaceEdit")));
            QTest::keyClicks(d.focusWidget(), QStringLiteral("yz"));
        }));
        QCOMPARE(fx.shownText(), QByteArray("yz\nx\nyz"));
        const QList<ShownPrompt>& shown = fx.prompts.shown();
        QCOMPARE(shown.size(), 4);
        for (int line = 0; line < 3; ++line) {
            QCOMPARE(shown[line].text, QStringLiteral("Replace this Text?"));
            QCOMPARE(shown[line].buttons, Buttons::YesNoCancel);
            QCOMPARE(shown[line].position.value_or(QPoint(-1, -1)), expectedPromptPosition(fx.form(), line));
        }
        QCOMPARE(shown[3].text, QStringLiteral("No more matches for \"x\" found"));
        QCOMPARE(selectedText(fx), QStringLiteral("x"));   // the selection from before
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(3));
        QVERIFY(runWithDialog(fx, "SearchAgainSpdBtn", "TFindForm", [](QDialog&) {}, false));
    }

    void replaceAllWithoutQuestionsIsUndoneByOneUndo() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "a banana\n")});
        QVERIFY(runWithDialog(fx, "SearchReplaceMnu", "TReplaceForm", [](QDialog& d) {
            type(d, "FindEdit", QStringLiteral("a"));
            type(d, "ReplaceEdit", QStringLiteral("aa"));
            tick(d, "PromptCB", false);
        }));
        QCOMPARE(fx.shownText(), QByteArray("aa baanaanaa"));
        QVERIFY(fx.form().Edit()->isModified());
        QCOMPARE(fx.form().panelText(1), QStringLiteral("Modified"));
        fx.run("EditUndoMnu");
        QCOMPARE(fx.shownText(), QByteArray("a banana"));
        QVERIFY(!fx.form().Edit()->isModified());
    }

    void aReplacementLatin1CannotHoldIsKept() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("latin.txt", "caf\xe9 price: EUR 5\n")});
        QVERIFY(runWithDialog(fx, "SearchReplaceMnu", "TReplaceForm", [](QDialog& d) {
            type(d, "FindEdit", QStringLiteral("EUR"));
            d.findChild<QLineEdit*>(QStringLiteral("ReplaceEdit"))->setText(QString::fromUtf8("€"));
            tick(d, "PromptCB", false);
        }));
        QCOMPARE(fx.shownText(), QByteArray("caf\xc3\xa9 price: \xe2\x82\xac 5"));
        fx.run("EditUndoMnu");
        QCOMPARE(fx.shownText(), QByteArray("caf\xc3\xa9 price: EUR 5"));
    }

    void replaceInAReadOnlyDocumentIsRefusedOnceAndAsksNothing() {
        MainWindowFixture fx;
        const QString name = fx.writeFile("a.txt", "a banana\n");
        fx.start({name});
        fx.form().SetReadOnly(true);
        fx.form().Edit()->setSelection(2, 3);
        QVERIFY(runWithDialog(fx, "SearchReplaceMnu", "TReplaceForm", [](QDialog& d) {
            type(d, "FindEdit", QStringLiteral("a"));
            type(d, "ReplaceEdit", QStringLiteral("aa"));
            tick(d, "SelectedCB", false);
            tick(d, "PromptCB", true);
        }));
        QCOMPARE(fx.prompts.texts(),
                 QStringList{QStringLiteral("This document is Read Only: no text is replaced in it.")});
        QCOMPARE(fx.prompts.shown().first().type, MessageType::Warning);
        QCOMPARE(fx.shownText(), QByteArray("a banana"));
        QCOMPARE(selectedText(fx), QStringLiteral("ban"));
        QVERIFY(!fx.form().Edit()->isModified());
        QVERIFY(fx.prompts.unexpected().isEmpty());
    }

    void allFilesVisitsEveryDocumentAndComesBackToTheFirst() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "one x\n"), fx.writeFile("b.txt", "two\n"),
                  fx.writeFile("c.txt", "x three x\n")});
        DocumentTable& table = fx.form().documents();
        QCOMPARE(table.DocCount(), 3);
        const QString first = fx.currentFileName();
        auto handles = [&] {
            QSet<long> set{fx.form().Edit()->SendScintilla(EditControl::SCI_GETDOCPOINTER)};
            for (int slot = 1; slot < table.DocCount(); ++slot)
                set << table.record(slot)->Text;
            return set;
        };
        const QSet<long> before = handles();
        QVERIFY(runWithDialog(fx, "ReplaceSpdBtn", "TReplaceForm", [](QDialog& d) {
            type(d, "FindEdit", QStringLiteral("x"));
            type(d, "ReplaceEdit", QStringLiteral("X!"));
            tick(d, "PromptCB", false);
            QTest::keyClick(&d, Qt::Key_L, Qt::AltModifier);
            QTRY_VERIFY(ticked(d, "SearchFilesCB"));
        }));
        QCOMPARE(fx.currentFileName(), first);
        QCOMPARE(handles(), before);   // documents were exchanged, never copied
        QCOMPARE(fx.prompts.texts(), QStringList{QStringLiteral("No more matches for \"x\" found")});
        QStringList texts;
        for (int i = 0; i < 3; ++i) {
            texts << QString::fromUtf8(fx.shownText());
            fx.run("NextSpdBtn");
        }
        texts.sort();
        QCOMPARE(texts, (QStringList{"X! three X!", "one X!", "two"}));
    }

    void checkBoxesKeepTheirStateBetweenUses() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("a.txt", "x\n")});
        runWithDialog(fx, "ReplaceSpdBtn", "TReplaceForm", [](QDialog& d) {
            tick(d, "PromptCB", false);
            tick(d, "MatchCaseCB", true);
            tick(d, "FromCursorCB", true);
        }, false);
        QVERIFY(runWithDialog(fx, "ReplaceSpdBtn", "TReplaceForm", [](QDialog& d) {
            QVERIFY(!ticked(d, "PromptCB"));
            QVERIFY(ticked(d, "MatchCaseCB"));
            QVERIFY(ticked(d, "FromCursorCB"));
            QVERIFY(ticked(d, "ReplaceAllCB"));
        }, false));
        QCOMPARE(fx.shownText(), QByteArray("x"));
    }
};

QTEST_MAIN(SearchTest)
#include "test_search.moc"
