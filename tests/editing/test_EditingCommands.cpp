// Indent, Unindent, Change Case, the line commands and Goto Line on an edit
// control of their own.
#include <QtTest>

#include "editing/CaseConversion.h"
#include "editing/EditControl.h"
#include "editing/EditingCommands.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

struct Rig {
    EditControl edit;
    ScriptedPrompts prompts;
    EditingCommands commands{edit, prompts};

    explicit Rig(const QByteArray& text, TextEncoding encoding = TextEncoding::Utf8) {
        edit.loadBytes(text, encoding, "\n");
    }
    QByteArray text() const { return edit.textBytes(); }
    QPair<qsizetype, qsizetype> selection() const { return {edit.selStart(), edit.selLength()}; }
};

QPair<qsizetype, qsizetype> sel(qsizetype start, qsizetype length) { return {start, length}; }

} // namespace

class EditingCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void indentKeepsEachLinesOwnBreakAndIsOneUndoStep() {
        Rig rig("l1\r\nl2\nl3\rl4\r\nl5");
        rig.edit.setSelection(5, 7);   // from inside l2 to inside l4
        QVERIFY(rig.commands.Indent());
        QCOMPARE(rig.text(), QByteArray("l1\r\n l2\n l3\r l4\r\nl5"));
        QCOMPARE(rig.selection(), sel(5, 7 + 3));
        rig.edit.undo();
        QCOMPARE(rig.text(), QByteArray("l1\r\nl2\nl3\rl4\r\nl5"));
    }

    void indentOfTheLastLineAddsNoLineBreak() {
        Rig rig("a\nb");
        rig.edit.setSelStart(3);
        rig.commands.Indent();
        QCOMPARE(rig.text(), QByteArray("a\n b"));
        QCOMPARE(rig.selection(), sel(3, 0));   // the caret keeps its index
    }

    void aSelectionEndingAfterALineBreakLeavesTheNextLineAlone() {
        Rig rig("a\nb\nc");
        rig.edit.setSelection(0, 4);   // "a\nb\n"
        rig.commands.Indent();
        QCOMPARE(rig.text(), QByteArray(" a\n b\nc"));
        QCOMPARE(rig.selection(), sel(0, 6));
    }

    void unindentRemovesOneBlankPerLineAndShrinksTheSelection() {
        Rig rig("x\n  two\nthree\n\tfour\nfive");
        rig.edit.setSelection(2, 18);   // lines 2 to 4
        QVERIFY(rig.commands.Unindent());
        QCOMPARE(rig.text(), QByteArray("x\n two\nthree\nfour\nfive"));
        QCOMPARE(rig.selection(), sel(2, 16));
        rig.edit.setSelection(7, 10);   // only lines without a leading blank
        QVERIFY(!rig.commands.Unindent());
        QCOMPARE(rig.text(), QByteArray("x\n two\nthree\nfour\nfive"));
        QCOMPARE(rig.selection(), sel(7, 10));
    }

    void readOnlyBlocksAreLeftAlone() {
        Rig rig(" a\n b");
        rig.edit.setReadOnlyFlag(true);
        rig.edit.setSelection(0, 5);
        QVERIFY(!rig.commands.Indent());
        QVERIFY(!rig.commands.Unindent());
        QCOMPARE(rig.text(), QByteArray(" a\n b"));
        QCOMPARE(rig.selection(), sel(0, 5));
    }

    void caseChangesOnlyAsciiLettersInEitherEncoding() {
        const QByteArray utf8("\xC3\xA9t\xC3\xA9 hELLO wORLD-wide\tweb\nx-ray\0Z", 33);
        QCOMPARE(changeCase(utf8, CaseChange::Upper),
                 QByteArray("\xC3\xA9T\xC3\xA9 HELLO WORLD-WIDE\tWEB\nX-RAY\0Z", 33));
        QCOMPARE(changeCase(utf8, CaseChange::Lower),
                 QByteArray("\xC3\xA9t\xC3\xA9 hello world-wide\tweb\nx-ray\0z", 33));
        QCOMPARE(changeCase(utf8, CaseChange::Title),
                 QByteArray("\xC3\xA9t\xC3\xA9 Hello World-wide\tWeb\nX-ray\0z", 33));
        const QByteArray latin1("\xC9t\xE9 the QUICK brown");
        QCOMPARE(changeCase(latin1, CaseChange::Title), QByteArray("\xC9t\xE9 The Quick Brown"));
    }

    void changeCaseReplacesTheSelectionAndLeavesItUnselected() {
        Rig rig("say hELLO wORLD now");
        rig.edit.setSelection(6, 9);   // "LLO wORLD": starts inside a word
        rig.commands.ChangeCase(CaseChange::Title);
        QCOMPARE(rig.text(), QByteArray("say hELlo World now"));
        QCOMPARE(rig.selection(), sel(15, 0));
        rig.edit.setModifiedFlag(false);
        rig.edit.setSelection(0, 3);
        rig.commands.ChangeCase(CaseChange::Lower);   // nothing to change
        QVERIFY(!rig.edit.isModified());
        QCOMPARE(rig.selection(), sel(3, 0));
    }

    void lineCommandsTakeTheLineWithItsOwnBreak() {
        Rig rig("one\r\ntwo\nlast");
        rig.edit.setSelection(1, 6);   // starts in line 1: that line is taken
        rig.commands.SelectLineToCut();
        QCOMPARE(rig.selection(), sel(0, 5));
        rig.commands.DeleteLine();
        QCOMPARE(rig.text(), QByteArray("two\nlast"));
        rig.edit.setSelStart(6);
        rig.commands.SelectLineToCut();
        QCOMPARE(rig.edit.selectedBytes(), QByteArray("last"));
        rig.commands.DeleteLine();
        QCOMPARE(rig.text(), QByteArray("two\n"));
    }

    void gotoLineChecksTheAnswer() {
        Rig rig("1\n2\n3\n4");
        rig.edit.setSelStart(3);
        rig.prompts.type(QString("12a"));
        rig.commands.GotoLine();
        QCOMPARE(rig.prompts.texts(), QStringList{"Inavlid Line Number"});
        QCOMPARE(rig.prompts.shown().last().type, MessageType::Warning);
        QCOMPARE(rig.selection(), sel(3, 0));
        rig.prompts.type(std::nullopt);
        rig.commands.GotoLine();
        QCOMPARE(rig.selection(), sel(3, 0));
        rig.prompts.type(QString("99999999999999"));
        rig.commands.GotoLine();
        QCOMPARE(rig.selection(), sel(6, 0));
        const ShownPrompt& asked = rig.prompts.shown().last();
        QCOMPARE(asked.kind, ShownPrompt::Kind::Input);
        QCOMPARE(asked.text, QString("Goto|Input line number to goto|"));
        QCOMPARE(rig.prompts.unexpected(), QStringList());
    }
};

QTEST_MAIN(EditingCommandsTest)
#include "test_EditingCommands.moc"
