// The shared record-editor behaviour, without widgets: a table of one-field
// records is driven by scripted user actions and answers, and the table, the
// editor's state and the questions asked are compared afterwards.
#include <QtTest>

#include "lists/RecordEditor.h"
#include "util/ScriptedPrompts.h"

using namespace tw;

namespace {

// A record is one text; it holds enough data when the text is not empty.
// A text starting with "!" is refused by saveRecord, as a record type's own
// question answered No would.
class TextRecords : public RecordFields {
public:
    QStringList table;
    QString field;
    int stateChanges = 0;
    RecordEditor* editor = nullptr;

    int savedCount() const override { return int(table.size()); }
    void loadRecord(int number) override { setField(table.at(number - 1)); }
    void clearFields() override { setField(QString()); }
    bool enoughData() const override { return !field.isEmpty(); }
    bool saveRecord(int number) override {
        if (field.startsWith(u'!'))
            return false;
        if (number > table.size())
            table.append(field);
        else
            table[number - 1] = field;
        return true;
    }
    void deleteRecord(int number) override { table.removeAt(number - 1); }
    void stateChanged() override { ++stateChanges; }

    // A control's change as the widget reports it, also while the editor fills it.
    void setField(const QString& text) {
        field = text;
        editor->fieldEdited();
    }
};

RecordEditorRules executeRules() {
    RecordEditorRules rules;
    rules.maximum = 3;
    rules.deleteQuestion = QStringLiteral("Sure?");
    return rules;
}

RecordEditorRules runRules() {
    RecordEditorRules rules = executeRules();
    rules.newDisabledOnNewRecord = true;
    rules.newGoesOnWhenRefused = true;
    rules.numberEditAsks = false;
    rules.enterActsAsLeave = true;
    rules.invalidNumberChecksFirst = true;
    return rules;
}

QString abbreviation(const QString& question) {
    if (question == kSaveRecordQuestion) return QStringLiteral("SAVE?");
    if (question == kDeleteRecordQuestion) return QStringLiteral("DELETE?");
    if (question == kChangeRecordQuestion) return QStringLiteral("CHANGE?");
    return question;
}

// Runs blank-separated steps: "t=x" types x into the field, "n" Next, "p"
// Previous, "s=N" the scroll bar, "e=N" / "l=N" Enter in / leaving the number
// edit (N may be empty), "new", "save", "del", "clear", "reload", "hide";
// "Y" and "N" script the answers the steps will need, in order.
struct Outcome {
    QString table;       // saved records joined by ","
    QString shown;       // "current/count", "*" when modified, "+" on the new record, "=field"
    QString questions;   // asked questions, abbreviated
};

Outcome run(const RecordEditorRules& rules, const QStringList& initial, int startAt,
            const QString& steps, bool confirm = true) {
    TextRecords records;
    records.table = initial;
    ScriptedPrompts prompts;
    RecordEditor editor(records, prompts, rules, [confirm] { return confirm; });
    records.editor = &editor;
    editor.start(startAt);
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString arg = step.section(u'=', 1);
        if (step == u"Y") prompts.answer(Answer::Yes);
        else if (step == u"N") prompts.answer(Answer::No);
        else if (step.startsWith(u"t=")) records.setField(arg);
        else if (step == u"n") editor.next();
        else if (step == u"p") editor.previous();
        else if (step.startsWith(u"s=")) editor.scrollTo(arg.toInt());
        else if (step.startsWith(u"e=")) editor.numberEntered(arg);
        else if (step.startsWith(u"l=")) editor.numberLeft(arg);
        else if (step == u"new") editor.newRecord();
        else if (step == u"save") editor.save();
        else if (step == u"del") editor.deleteRecord();
        else if (step == u"clear") editor.clear();
        else if (step == u"reload") editor.reload();
        else if (step == u"hide") editor.hide();
        else qFatal("unknown step %s", qPrintable(step));
    }
    Outcome out;
    out.table = records.table.join(u',');
    out.shown = QString::number(editor.current()) + u'/' + QString::number(editor.count())
                + QString(editor.modified() ? "*" : "") + QString(editor.onNewRecord() ? "+" : "")
                + u'=' + records.field;
    QStringList asked;
    for (const ShownPrompt& p : prompts.shown())
        asked << abbreviation(p.text);
    out.questions = asked.join(u' ');
    if (!prompts.scriptUsedUp())
        out.questions += QStringLiteral(" (answers left)");
    return out;
}

} // namespace

class RecordEditorTest : public QObject {
    Q_OBJECT

private slots:
    void scenarios_data() {
        QTest::addColumn<bool>("runStyle");
        QTest::addColumn<QStringList>("initial");
        QTest::addColumn<int>("startAt");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("questions");

        const QStringList abc{"a", "b", "c"};
        const QStringList ab{"a", "b"};
        // Showing and moving without edits asks nothing.
        QTest::newRow("empty table starts on a new record") << false << QStringList{} << 0 << ""
            << "" << "1/1+=" << "";
        QTest::newRow("start on a saved record") << false << ab << 2 << "" << "a,b" << "2/2=b" << "";
        QTest::newRow("full table starts on the last record") << false << abc << 0 << ""
            << "a,b,c" << "3/3=c" << "";
        QTest::newRow("leaving an untouched new record forgets it") << false << ab << 0 << "p"
            << "a,b" << "2/2=b" << "";
        QTest::newRow("a new record without enough data is dropped silently") << false << ab << 0
            << "t=x t= p" << "a,b" << "2/2=b" << "";
        // The SAVE question.
        QTest::newRow("SAVE yes saves and moves") << false << ab << 1 << "t=z Y n" << "z,b"
            << "2/2=b" << "SAVE?";
        QTest::newRow("SAVE no, CHANGE no stays with the edits") << false << ab << 1 << "t=z N N n"
            << "a,b" << "1/2*=z" << "SAVE? CHANGE?";
        QTest::newRow("SAVE no, CHANGE yes drops the edits") << false << ab << 1 << "t=z N Y n"
            << "a,b" << "2/2=b" << "SAVE? CHANGE?";
        QTest::newRow("a refused save refuses the leave") << false << ab << 1 << "t=!z Y N n"
            << "a,b" << "1/2*=!z" << "SAVE? CHANGE?";
        QTest::newRow("new record saved by the check is appended") << false << ab << 0
            << "t=z Y p" << "a,b,z" << "2/3=b" << "SAVE?";
        // The DELETE question for a saved record emptied.
        QTest::newRow("cleared record, DELETE yes renumbers; Next reaches the former next")
            << false << abc << 1 << "clear Y n" << "b,c" << "1/2=b" << "DELETE?";
        QTest::newRow("cleared record, DELETE no, CHANGE no") << false << abc << 2 << "clear N N p"
            << "a,b,c" << "2/3*=" << "DELETE? CHANGE?";
        QTest::newRow("deleting the only record by the check starts a new one") << false
            << QStringList{"a"} << 1 << "clear Y hide" << "" << "1/0=" << "DELETE?";
        // Buttons' commands.
        QTest::newRow("New twice leaves one new record") << false << ab << 1 << "new new"
            << "a,b" << "3/3+=" << "";
        QTest::newRow("New after typing on the new record asks to save it") << false << QStringList{"a"}
            << 0 << "t=z Y new" << "a,z" << "3/3+=" << "SAVE?";
        QTest::newRow("New refused by the check stays") << false << ab << 1 << "t=z N new"
            << "a,b" << "1/2*=z" << "SAVE?";
        QTest::newRow("New on a full table does nothing") << false << abc << 1 << "new"
            << "a,b,c" << "1/3=a" << "";
        QTest::newRow("Delete asks, then shows the record now at the number") << false << abc << 2
            << "Y del" << "a,c" << "2/2=c" << "Sure?";
        QTest::newRow("Delete answered No keeps the record") << false << abc << 2 << "N del"
            << "a,b,c" << "2/3=b" << "Sure?";
        QTest::newRow("deleting the last record shows the one before") << false << abc << 3
            << "Y del" << "a,b" << "2/2=b" << "Sure?";
        QTest::newRow("deleting the only record starts a fresh new record") << false
            << QStringList{"a"} << 1 << "Y del" << "" << "1/1+=" << "Sure?";
        QTest::newRow("Clear and Reload on a saved record") << false << ab << 2 << "clear reload"
            << "a,b" << "2/2=b" << "";
        QTest::newRow("Clear on the new record leaves it unmodified") << false << ab << 0
            << "t=q clear" << "a,b" << "3/3+=" << "";
        QTest::newRow("Save of a changed record writes it in place") << false << ab << 1
            << "t=q save" << "q,b" << "1/2=q" << "";
        // The number edit and the scroll bar.
        QTest::newRow("Enter above the count shows the last record") << false << abc << 1 << "e=99"
            << "a,b,c" << "3/3=c" << "";
        QTest::newRow("Enter 0 shows the first record") << false << abc << 3 << "e=0"
            << "a,b,c" << "1/3=a" << "";
        QTest::newRow("leaving with 0 writes the number back") << false << abc << 2 << "l=0"
            << "a,b,c" << "2/3=b" << "";
        QTest::newRow("leaving with an empty edit writes the number back") << false << abc << 2
            << "t=z l=" << "a,b,c" << "2/3*=z" << "";
        QTest::newRow("number edit asks before dropping edits") << false << abc << 1
            << "t=z N N l=3" << "a,b,c" << "1/3*=z" << "SAVE? CHANGE?";
        QTest::newRow("scroll bar asks as Next does") << false << abc << 1 << "t=z N Y s=3"
            << "a,b,c" << "3/3=c" << "SAVE? CHANGE?";
        // Hiding.
        QTest::newRow("hiding asks to save, then forgets the new record") << false << ab << 0
            << "t=z N hide" << "a,b" << "2/2=z" << "SAVE?";
        // Run's particulars.
        QTest::newRow("run: number edit moves whatever the answer") << true << abc << 1
            << "t=z N l=3" << "a,b,c" << "3/3=c" << "SAVE?";
        QTest::newRow("run: Enter above the count checks and writes the number back") << true
            << abc << 1 << "t=z N e=9" << "a,b,c" << "1/3*=z" << "SAVE?";
        QTest::newRow("run: New goes on after a refused check") << true << ab << 1 << "t=z N new"
            << "a,b" << "3/3+=" << "SAVE?";
        QTest::newRow("run: Next still asks to change") << true << ab << 1 << "t=z N N n"
            << "a,b" << "1/2*=z" << "SAVE? CHANGE?";
    }

    void scenarios() {
        QFETCH(bool, runStyle);
        QFETCH(QStringList, initial);
        QFETCH(int, startAt);
        QFETCH(QString, steps);
        const Outcome out = run(runStyle ? runRules() : executeRules(), initial, startAt, steps);
        QTEST(out.table, "table");
        QTEST(out.shown, "shown");
        QTEST(out.questions, "questions");
    }

    void deleteWithoutConfirmationAsksNothing() {
        const Outcome out = run(executeRules(), {"a", "b"}, 1, "del", false);
        QCOMPARE(out.table, QStringLiteral("b"));
        QCOMPARE(out.questions, QString());
    }

    void buttonsFollowTheState() {
        TextRecords records;
        records.table = {"a", "b"};
        ScriptedPrompts prompts;
        RecordEditorRules rules = runRules();
        RecordEditor editor(records, prompts, rules, [] { return true; });
        records.editor = &editor;
        auto flags = [&] {
            const RecordButtons b = editor.buttons();
            return QString("%1%2%3%4%5%6").arg(b.next ? "N" : "-", b.previous ? "P" : "-",
                                              b.del ? "D" : "-", b.reload ? "R" : "-",
                                              b.save ? "S" : "-", b.newRecord ? "+" : "-");
        };
        editor.start(1);
        QCOMPARE(flags(), QStringLiteral("N-D--+"));
        records.setField("z");
        QCOMPARE(flags(), QStringLiteral("N-DRS+"));
        records.setField("");
        QCOMPARE(flags(), QStringLiteral("N-DR-+"));
        editor.newRecord();   // DELETE? is not answered: Run drops the edits and goes on
        QCOMPARE(prompts.texts(), QStringList{kDeleteRecordQuestion});
        QCOMPARE(records.table, QStringList({"a", "b"}));
        QCOMPARE(flags(), QStringLiteral("-P----"));   // New disabled on the new record
        QCOMPARE(editor.scrollMaximum(), 3);
        records.setField("c");
        editor.save();
        QCOMPARE(flags(), QStringLiteral("-PD---"));   // the table is full
        QCOMPARE(records.table, QStringList({"a", "b", "c"}));
    }

    void followKeepsTheFields() {
        TextRecords records;
        records.table = {"a", "b", "c"};
        ScriptedPrompts prompts;
        RecordEditor editor(records, prompts, executeRules(), {});
        records.editor = &editor;
        editor.start(1);
        records.setField("edited");
        editor.follow(3);
        QCOMPARE(editor.current(), 3);
        QCOMPARE(records.field, QStringLiteral("edited"));
        QVERIFY(editor.modified());
    }
};

QTEST_GUILESS_MAIN(RecordEditorTest)
#include "test_RecordEditor.moc"
