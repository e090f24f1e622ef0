// The Run macros and the command lines they make: the designed examples,
// prompts, direct-start arguments, and file values in shell scripts read back
// by a real /bin/sh.
#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "launch/CommandLine.h"
#include "launch/RunMacros.h"
#include "launch/ShellQuoting.h"
#include "util/ScriptedPrompts.h"
#include "util/UserError.h"

using namespace tw;

namespace {

// Hostile names: blanks, quotes, separators, substitutions, a leading dash,
// a line break, backslashes, dollar signs and macro texts of their own.
const QStringList kNastyValues = {
    QStringLiteral("/w/a b.c"),
    QStringLiteral("/w/x;$(touch PWNED)`id`.c"),
    QStringLiteral("/w/it's \"q\".c"),
    QStringLiteral("-rf"),
    QStringLiteral("/w/line\nbreak #.c"),
    QStringLiteral("/w/back\\slash\\"),
    QStringLiteral("/w/$HOME %p% %cmd% $f.c"),
    QStringLiteral("/w/'; touch PWNED; '"),
    QStringLiteral(""),
};

std::optional<PathEntry> windowsLookup(const QString& path) {
    // C:\src\prog.c exists, with a short alias for one folder.
    static const QHash<QString, PathEntry> entries{
        {"C:\\Program Files", {"Program Files", "PROGRA~1"}},
        {"C:\\Program Files\\prog.c", {"prog.c", ""}},
        {"C:\\src", {"src", ""}},
        {"C:\\src\\prog.c", {"prog.c", ""}},
    };
    const auto it = entries.find(path);
    return it == entries.end() ? std::nullopt : std::optional<PathEntry>(*it);
}

MacroSource windowsFile(const QString& file) {
    return {file, PathStyle::Windows, windowsLookup};
}

QString expandText(const QString& text, const MacroSource& source) {
    ScriptedPrompts prompts;
    return ExpandRunMacros(text, MacroPlace::Parameters, source, prompts)->text();
}

// Runs script with /bin/sh in dir and returns its standard output.
QByteArray runShell(const QString& script, const QString& dir) {
    QProcess sh;
    sh.setWorkingDirectory(dir);
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    sh.waitForFinished(10000);
    return sh.readAllStandardOutput();
}

} // namespace

class RunMacrosTest : public QObject {
    Q_OBJECT

private slots:
    void designedExamples_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expanded");
        const QString prog = QStringLiteral("C:\\src\\prog.c");
        QTest::newRow("$") << "$" << prog << "C:\\src\\prog.c";
        QTest::newRow("$f") << "$f" << prog << "prog.c";
        QTest::newRow("$p") << "$p" << prog << "C:\\src\\";
        QTest::newRow("$x") << "$x" << prog << "C:\\src\\prog";
        QTest::newRow("$fx") << "$fx" << prog << "prog";
        QTest::newRow("$xf") << "$xf" << prog << "prog";
        QTest::newRow("$v") << "$v" << prog << "C";
        QTest::newRow("$fred") << "$fred" << prog << "prog.cred";
        QTest::newRow("two macros") << "-o $x.exe $" << prog << "-o C:\\src\\prog.exe C:\\src\\prog.c";
        QTest::newRow("letters twice count once") << "$ffx" << prog << "prog";
        QTest::newRow("d gives the short form") << "$d" << "C:\\Program Files\\prog.c"
                                                << "C:\\PROGRA~1\\prog.c";
        QTest::newRow("no document") << "-c $ $f" << "" << "-c  ";
        QTest::newRow("a $ in the file name is data") << "$f $x" << "C:\\w\\$f.c"
                                                       << "$f.c C:\\w\\$f";
        QTest::newRow("extension of the name part only") << "$x" << "C:\\v1.2\\Makefile"
                                                         << "C:\\v1.2\\Makefile";
    }
    void designedExamples() {
        QFETCH(QString, text);
        QFETCH(QString, file);
        QTEST(expandText(text, windowsFile(file)), "expanded");
    }

    void hostExtensionIsTheNamePartOnly() {
        QCOMPARE(expandText("$x", {"/src/v1.2/Makefile"}), QStringLiteral("/src/v1.2/Makefile"));
        QCOMPARE(expandText("$xf.o", {"/src/v1.2/main.c"}), QStringLiteral("main.o"));
    }

    void shortNameOfAMissingFileStopsBeforeAnyPrompt() {
        ScriptedPrompts prompts;
        try {
            ExpandRunMacros("%p% $d", MacroPlace::Parameters, windowsFile("Untitled1"), prompts);
            QFAIL("no error");
        } catch (const UserError& e) {
            QCOMPARE(e.message(), QStringLiteral("cannot convert \"Untitled1\" to short file name"));
        }
        QVERIFY(prompts.shown().isEmpty());
    }

    void promptsShowThePreviousAnswer() {
        ScriptedPrompts prompts;
        prompts.type(QStringLiteral("-O2 $f"));
        prompts.type(std::nullopt);   // cancelled
        prompts.answer(Answer::Yes);  // still execute: the previous answer again
        const auto line = ExpandRunMacros("%p% $f %p%", MacroPlace::Parameters,
                                          {"/w/a.c"}, prompts);
        QVERIFY(line);
        // Text typed at a prompt is never expanded.
        QCOMPARE(line->text(), QStringLiteral("-O2 $f a.c -O2 $f"));
        QCOMPARE(prompts.shown().at(0).text, QStringLiteral("Parameters|Input Parameters|"));
        QCOMPARE(prompts.shown().at(1).text, QStringLiteral("Parameters|Input Parameters|-O2 $f"));
        QCOMPARE(prompts.shown().at(2).text, QStringLiteral("Do you still want to execute this program"));
        QVERIFY(prompts.scriptUsedUp());
    }

    void cancelledPromptAnsweredNoStopsTheRun() {
        ScriptedPrompts prompts;
        prompts.type(std::nullopt);
        prompts.answer(Answer::No);
        QVERIFY(!ExpandRunMacros("%p%", MacroPlace::Parameters, {"/w/a.c"}, prompts));
    }

    void directStartArguments_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("blank in a name") << "cc" << "-c $" << "/w/a b.c"
                                         << QStringList{"cc", "-c", "/w/a b.c"};
        QTest::newRow("value joined to text") << "cc" << "-o$x.o \"$f\"" << "/w/a b.c"
                                              << QStringList{"cc", "-o/w/a b.o", "a b.c"};
        QTest::newRow("code in a name is one argument") << "cat" << "$"
            << "/w/x;$(touch PWNED)`id`.c" << QStringList{"cat", "/w/x;$(touch PWNED)`id`.c"};
        QTest::newRow("quotes in a name") << "cat" << "$f" << "/w/it's \"q\".c"
                                          << QStringList{"cat", "it's \"q\".c"};
        QTest::newRow("leading dash stays a name") << "cat" << "$f" << "/w/-rf"
                                                   << QStringList{"cat", "-rf"};
        QTest::newRow("no document gives an empty argument") << "cat" << "-n $" << ""
                                                             << QStringList{"cat", "-n", ""};
        QTest::newRow("quoted program") << "\"/opt/my tools/cc\"" << "" << "/w/a.c"
                                        << QStringList{"/opt/my tools/cc"};
        QTest::newRow("triple quotes") << "echo" << "\"\"\"x\"\"\"" << "" << QStringList{"echo", "\"x\""};
    }
    void directStartArguments() {
        QFETCH(QString, program);
        QFETCH(QString, parameters);
        QFETCH(QString, file);
        ScriptedPrompts prompts;
        CommandLine line(program + u' ');
        line.append(*ExpandRunMacros(parameters, MacroPlace::Parameters, {file}, prompts));
        QTEST(line.arguments(), "arguments");
    }

    void answersAreSplitLikeTypedArguments() {
        ScriptedPrompts prompts;
        prompts.type(QStringLiteral("-a \"b c\" $f"));
        CommandLine line(QStringLiteral("tool "));
        line.append(*ExpandRunMacros("%p%", MacroPlace::Parameters, {"/w/a.c"}, prompts));
        QCOMPARE(line.arguments(), QStringList({"tool", "-a", "b c", "$f"}));
    }

    // Every hostile value, in every place of a script, reads back whole.
    void batchValuesReadBackWhole() {
        QTemporaryDir dir;
        const QStringList places = {
            QStringLiteral("printf '[%s]\\n' $f"),
            QStringLiteral("printf '[%s]\\n' \"$f\""),
            QStringLiteral("printf '[%s]\\n' 'in:$f:'"),
            QStringLiteral("printf '[%s]\\n' \"$(printf '%s' $f)\""),
            QStringLiteral("Y=`printf '%s' $f`; printf '[%s]\\n' \"$Y\""),
            QStringLiteral("printf '[%s]\\n' \"`printf '%s' \"$f\"`\""),
            QStringLiteral("printf '[%s]\\n' ${UNSET_X:-$f}"),
            QStringLiteral("printf '[%s]\\n' x\\$f"),
            QStringLiteral("# $f\nprintf '[%s]\\n' ok"),
        };
        for (const QString& value : kNastyValues) {
            for (const QString& place : places) {
                ScriptedPrompts prompts;
                const auto line = ExpandRunMacros(place, MacroPlace::BatchText,
                                                  {QStringLiteral("/w/") + value}, prompts);
                QVERIFY(line);
                const QString script = ShellScriptText(*line);
                QString expected = FileNamePart(QStringLiteral("/w/") + value);
                if (place.contains(u"in:"))
                    expected = QStringLiteral("in:") + expected + u':';
                if (place.contains(u"x\\$"))
                    expected = u'x' + expected;
                if (place.startsWith(u'#'))
                    expected = QStringLiteral("ok");
                // Command substitution drops trailing line breaks, as the shell does.
                const bool substituted = place.contains(u'`') || place.contains(u"$(");
                const QByteArray out = runShell(script, dir.path());
                QByteArray want = ("[" + expected + "]\n").toUtf8();
                if (substituted)
                    while (expected.endsWith(u'\n'))
                        expected.chop(1), want = ("[" + expected + "]\n").toUtf8();
                QCOMPARE(QString::fromUtf8(out), QString::fromUtf8(want));
                QVERIFY2(!QFile::exists(dir.filePath("PWNED")), qPrintable(script));
            }
        }
    }

    void batchLeavesShellExpansionsAlone() {
        ScriptedPrompts prompts;
        const auto line = ExpandRunMacros("echo $HOME ${x} $(date) $1 $$ $? $f $fred $_ $-",
                                          MacroPlace::BatchText, {"/w/a.c"}, prompts);
        QCOMPARE(line->text(), QStringLiteral("echo $HOME ${x} $(date) $1 $$ $? a.c a.cred $_ $-"));
    }

    void cmdInBatchText() {
        ScriptedPrompts prompts;
        prompts.type(QStringLiteral("-g"));
        const MacroSource source{QStringLiteral("/w/a b.c")};
        CommandLine command(QStringLiteral("cc "));
        command.append(*ExpandRunMacros("-c $ %p%", MacroPlace::Parameters, source, prompts));
        const auto batch = ExpandRunMacros("cd $p\ncall %cmd%\n", MacroPlace::BatchText, source,
                                           prompts, command);
        QCOMPARE(batch->text(), QStringLiteral("cd /w/\ncall cc -c /w/a b.c -g\n"));
        QCOMPARE(ShellScriptText(*batch), QStringLiteral("cd \"/w/\"\ncall cc -c \"/w/a b.c\" -g\n"));
        // %cmd% in the parameters is only text.
        QCOMPARE(expandText("%cmd%", source), QStringLiteral("%cmd%"));
    }
};

QTEST_GUILESS_MAIN(RunMacrosTest)
#include "test_RunMacros.moc"
