// The search engine on texts in memory: the range rules of Find, Search
// Again walking the last range, Replace with and without questions, the
// selection that follows the replacements, all files, and the reports.
#include <QtTest>

#include "editing/PromptPosition.h"
#include "editing/SearchFakes.h"
#include "util/ScriptedPrompts.h"

using namespace tw;
using namespace tw::test;

namespace {

const QString kNoMore = QStringLiteral("No more matches for \"%1\" found");
const QString kNotFound = QStringLiteral("Search string \"%1\" not found");
const QString kReplaceQuestion = QStringLiteral("Replace this Text?");
const QString kReadOnlyRefusal =
    QStringLiteral("This document is Read Only: no text is replaced in it.");

// Notes which document was shown when each message came.
class NotingPrompts : public ScriptedPrompts {
public:
    FakeSearchHost* host = nullptr;
    QList<int> shownAtMessage;
    void message(const QString& text, MessageType type) override {
        shownAtMessage << (host ? host->shown() : -1);
        ScriptedPrompts::message(text, type);
    }
};

struct Rig {
    explicit Rig(std::vector<PlainSearchText*> texts)
        : host(std::vector<SearchableText*>(texts.begin(), texts.end())), engine(host, prompts) {
        prompts.host = &host;
    }
    FakeSearchHost host;
    NotingPrompts prompts;
    SearchEngine engine;
};

ReplaceRequest replaceAll(const QString& find, const QString& with, bool prompt = false) {
    ReplaceRequest r;
    r.findText = find;
    r.replaceText = with;
    r.prompt = prompt;
    return r;
}

QString selected(const PlainSearchText& t) {
    return QString::fromUtf8(t.bytes().mid(t.selStart(), t.selLength()));
}

} // namespace

class SearchEngineTest : public QObject {
    Q_OBJECT
private slots:
    void findWalksTheWholeTextThenReportsNoMore() {
        PlainSearchText text("one two One one");
        Rig rig({&text});
        rig.engine.Find({QStringLiteral("one"), false, false, {}});
        QCOMPARE(text.selStart(), qsizetype(0));
        QCOMPARE(rig.engine.SearchStart(), qsizetype(3));
        QCOMPARE(rig.engine.SearchEnd(), qsizetype(14));
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("one")));
        QCOMPARE(text.selStart(), qsizetype(8));   // no case matters by default
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("one")));
        QCOMPARE(text.selStart(), qsizetype(12));
        QVERIFY(rig.prompts.texts().isEmpty());
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("one")));
        QCOMPARE(rig.prompts.texts(), QStringList{kNoMore.arg("one")});
        QCOMPARE(text.selStart(), qsizetype(12));   // a failed search changes nothing
        QCOMPARE(rig.engine.SearchStart(), qsizetype(15));
        QCOMPARE(rig.host.lineColumnRefreshes, 3);
    }

    void searchAgainUsesTheStoredOptionsAndTheDialogsCurrentText() {
        PlainSearchText text("Ab ab AB ab xy");
        Rig rig({&text});
        rig.engine.Find({QStringLiteral("ab"), false, false, {false, true}});
        QCOMPARE(text.selStart(), qsizetype(3));
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("ab")));
        QCOMPARE(text.selStart(), qsizetype(9));
        // A text typed into the dialog and cancelled is still what Search
        // Again looks for, from where the last search stopped.
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("xy")));
        QCOMPARE(text.selStart(), qsizetype(12));
        QCOMPARE(rig.engine.SearchText(), QStringLiteral("xy"));
    }

    void findFromTheCursorAndInsideTheSelection() {
        PlainSearchText text("cat dog cat cat dog cat");
        Rig rig({&text});
        text.select(5, 0);
        rig.engine.Find({QStringLiteral("cat"), false, true, {}});
        QCOMPARE(text.selStart(), qsizetype(8));

        // Selected Text Only: the last match inside "dog cat cat" ends the
        // walk although the text after the selection holds more.
        text.select(4, 11);
        rig.engine.Find({QStringLiteral("cat"), true, false, {}});
        QCOMPARE(text.selStart(), qsizetype(8));
        QCOMPARE(rig.engine.SearchEnd(), qsizetype(14));
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("cat")));
        QCOMPARE(text.selStart(), qsizetype(12));
        QVERIFY(rig.engine.SearchAgain(QStringLiteral("cat")));
        QCOMPARE(rig.prompts.texts(), QStringList{kNoMore.arg("cat")});

        // With an empty selection the range is empty.
        rig.prompts.clear();
        text.select(2, 0);
        rig.engine.Find({QStringLiteral("cat"), true, false, {}});
        QCOMPARE(rig.prompts.texts(), QStringList{kNotFound.arg("cat")});
    }

    void nothingPendingAndEmptyTextsEndAtOnce() {
        PlainSearchText text("aaa");
        Rig rig({&text});
        QVERIFY(!rig.engine.SearchAgain(QStringLiteral("a")));   // the caller shows Find
        rig.engine.Find({QString(), false, false, {}});
        QCOMPARE(rig.prompts.texts(), QStringList{kNotFound.arg("")});
        QVERIFY(!rig.engine.SearchAgain(QString()));
        rig.engine.Replace(replaceAll(QString(), QStringLiteral("b")));
        QCOMPARE(text.bytes(), QByteArray("aaa"));
        QCOMPARE(rig.prompts.texts().last(), kNotFound.arg(""));
    }

    void replacingByATextThatContainsItEndsAfterOnePass() {
        PlainSearchText text("banana");
        Rig rig({&text});
        text.select(1, 2);
        rig.engine.Replace(replaceAll(QStringLiteral("a"), QStringLiteral("aa")));
        QCOMPARE(text.bytes(), QByteArray("baanaanaa"));
        QCOMPARE(rig.prompts.texts(), QStringList{kNoMore.arg("a")});
        // The noted selection "an" goes on covering the same text, "aan".
        QCOMPARE(selected(text), QStringLiteral("aan"));
        QCOMPARE(text.changeGroups(), 1);
        text.undo();
        QCOMPARE(text.bytes(), QByteArray("banana"));
        // A following Search Again opens the Find dialog.
        QVERIFY(!rig.engine.SearchAgain(QStringLiteral("a")));
    }

    void cancelAtTheSecondQuestionKeepsTheFirstReplacement() {
        PlainSearchText text("x1 x2 x3");
        Rig rig({&text});
        text.select(6, 2);
        rig.prompts.answer(Answer::Yes);
        rig.prompts.answer(Answer::Cancel);
        rig.engine.Replace(replaceAll(QStringLiteral("x"), QStringLiteral("yy"), true));
        QCOMPARE(text.bytes(), QByteArray("yy1 x2 x3"));
        QCOMPARE(rig.prompts.texts(), (QStringList{kReplaceQuestion, kReplaceQuestion}));
        QCOMPARE(rig.prompts.shown()[0].buttons, Buttons::YesNoCancel);
        QCOMPARE(rig.prompts.shown()[0].type, MessageType::Confirmation);
        // Each question came with its match selected, at the host's position.
        QCOMPARE(rig.prompts.shown()[0].position, std::optional<QPoint>(QPoint(7, 0)));
        QCOMPARE(rig.prompts.shown()[1].position, std::optional<QPoint>(QPoint(7, 4)));
        QCOMPARE(selected(text), QStringLiteral("x3"));   // the selection from before
        QVERIFY(rig.engine.SearchText().isEmpty());
    }

    void answeringNoLeavesTheMatchButCountsIt() {
        PlainSearchText text("x x");
        Rig rig({&text});
        rig.prompts.answer(Answer::No);
        rig.prompts.answer(Answer::Yes);
        rig.engine.Replace(replaceAll(QStringLiteral("x"), QStringLiteral("z"), true));
        QCOMPARE(text.bytes(), QByteArray("x z"));
        QCOMPARE(rig.prompts.texts().last(), kNoMore.arg("x"));
    }

    void withoutReplaceAllOnlyTheFirstMatchAndNoReport() {
        PlainSearchText text("x x");
        Rig rig({&text});
        ReplaceRequest r = replaceAll(QStringLiteral("x"), QStringLiteral("z"), true);
        r.replaceAll = false;
        rig.prompts.answer(Answer::Yes);
        rig.engine.Replace(r);
        QCOMPARE(text.bytes(), QByteArray("z x"));
        QCOMPARE(rig.prompts.shown().size(), 1);
        QCOMPARE(rig.prompts.shown()[0].buttons, Buttons::YesNo);
        r.findText = QStringLiteral("nowhere");
        rig.engine.Replace(r);
        QCOMPARE(rig.prompts.shown().size(), 1);
    }

    void selectedTextOnlyKeepsCoveringTheSameText() {
        PlainSearchText text("ab xx ab ab xx ab");
        Rig rig({&text});
        text.select(6, 5);   // "ab ab"
        ReplaceRequest r = replaceAll(QStringLiteral("ab"), QStringLiteral("abcd"));
        r.selectedOnly = true;
        rig.engine.Replace(r);
        QCOMPARE(text.bytes(), QByteArray("ab xx abcd abcd xx ab"));
        QCOMPARE(selected(text), QStringLiteral("abcd abcd"));
        r.replaceText = QString();
        rig.engine.Replace(r);
        QCOMPARE(text.bytes(), QByteArray("ab xx cd cd xx ab"));
        QCOMPARE(selected(text), QStringLiteral("cd cd"));
    }

    void theNotedSelectionMovesWithReplacementsAroundIt() {
        // Matches before the selection move it; a match just after it or
        // longer than it never turns it onto other text or a negative length.
        PlainSearchText text("foo bar foo");
        Rig rig({&text});
        text.select(4, 3);
        rig.engine.Replace(replaceAll(QStringLiteral("foo"), QStringLiteral("x")));
        QCOMPARE(text.bytes(), QByteArray("x bar x"));
        QCOMPARE(selected(text), QStringLiteral("bar"));

        PlainSearchText after("abcXYZ");
        Rig rig2({&after});
        after.select(0, 3);
        ReplaceRequest r = replaceAll(QStringLiteral("XYZ"), QString());
        r.fromCursor = true;
        rig2.engine.Replace(r);
        QCOMPARE(after.bytes(), QByteArray("abc"));
        QCOMPARE(selected(after), QStringLiteral("abc"));

        PlainSearchText longer("abcdef");
        Rig rig3({&longer});
        longer.select(1, 2);
        ReplaceRequest r3 = replaceAll(QStringLiteral("bcde"), QString());
        r3.fromCursor = true;
        rig3.engine.Replace(r3);
        QCOMPARE(longer.bytes(), QByteArray("af"));
        QCOMPARE(longer.selStart(), qsizetype(1));
        QCOMPARE(longer.selLength(), qsizetype(0));
    }

    void allFilesVisitsEveryDocumentAndShowsTheFirstAgain() {
        PlainSearchText a("a-x"), b("b"), c("c-x-x");
        Rig rig({&a, &b, &c});
        ReplaceRequest r = replaceAll(QStringLiteral("x"), QStringLiteral("y"));
        r.allFiles = true;
        rig.engine.Replace(r);
        QCOMPARE(a.bytes(), QByteArray("a-y"));
        QCOMPARE(c.bytes(), QByteArray("c-y-y"));
        QCOMPARE(rig.host.visits, (QList<int>{1, 2, 0}));
        QCOMPARE(rig.prompts.texts(), QStringList{kNoMore.arg("x")});
        QCOMPARE(rig.prompts.shownAtMessage, QList<int>{2});   // after the third document
    }

    void allFilesCancelledInTheSecondDocumentGoesBackToTheFirst() {
        PlainSearchText a("x"), b("x x"), c("x");
        Rig rig({&a, &b, &c});
        ReplaceRequest r = replaceAll(QStringLiteral("x"), QStringLiteral("y"), true);
        r.allFiles = true;
        rig.prompts.answer(Answer::Yes);
        rig.prompts.answer(Answer::Yes);
        rig.prompts.answer(Answer::Cancel);
        rig.engine.Replace(r);
        QCOMPARE(a.bytes(), QByteArray("y"));
        QCOMPARE(b.bytes(), QByteArray("y x"));
        QCOMPARE(c.bytes(), QByteArray("x"));
        QCOMPARE(rig.host.shown(), 0);
        QCOMPARE(rig.host.visits, (QList<int>{1, 2, 0}));
        QCOMPARE(rig.prompts.texts().count(kNoMore.arg("x")), 0);
    }

    // Read-only texts ask nothing, change nothing and report no replace: the
    // refusal comes once, and all files still go on with the others.
    void readOnlyTextsAreRefusedOnce_data() {
        QTest::addColumn<QList<bool>>("readOnly");
        QTest::addColumn<bool>("allFiles");
        QTest::addColumn<QByteArray>("replaced");   // one letter per text: r replaced, - not
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QList<int>>("visits");
        const QString refused = kReadOnlyRefusal;
        QTest::newRow("alone") << QList<bool>{true} << false << QByteArray("-")
                               << QStringList{refused} << QList<int>{};
        QTest::newRow("shown one of two, this file only")
            << QList<bool>{true, false} << false << QByteArray("--") << QStringList{refused}
            << QList<int>{};
        QTest::newRow("all files, two of three read-only")
            << QList<bool>{true, false, true} << true << QByteArray("-r-")
            << QStringList{refused, kNoMore.arg("a")} << QList<int>{1, 2, 0};
        QTest::newRow("all files, every one read-only")
            << QList<bool>{true, true} << true << QByteArray("--") << QStringList{refused}
            << QList<int>{1, 0};
    }
    void readOnlyTextsAreRefusedOnce() {
        QFETCH(QList<bool>, readOnly);
        QFETCH(bool, allFiles);
        QFETCH(QByteArray, replaced);
        QFETCH(QStringList, messages);
        QFETCH(QList<int>, visits);
        std::vector<std::unique_ptr<PlainSearchText>> texts;
        std::vector<PlainSearchText*> pointers;
        for (bool locked : readOnly) {
            texts.push_back(std::make_unique<PlainSearchText>("a a"));
            texts.back()->setReadOnly(locked);
            texts.back()->select(1, 0);
            pointers.push_back(texts.back().get());
        }
        Rig rig(pointers);
        ReplaceRequest request = replaceAll(QStringLiteral("a"), QStringLiteral("aa"), true);
        request.allFiles = allFiles;
        for (int i = 0; i < replaced.count('r') * 2; ++i)
            rig.prompts.answer(Answer::Yes);
        rig.engine.Replace(request);
        for (size_t i = 0; i < texts.size(); ++i) {
            QCOMPARE(texts[i]->bytes(), QByteArray(replaced[i] == 'r' ? "aa aa" : "a a"));
            QCOMPARE(texts[i]->selStart(), qsizetype(replaced[i] == 'r' ? 2 : 1));
        }
        QCOMPARE(rig.prompts.texts().filter(kReplaceQuestion).size(), replaced.count('r') * 2);
        QStringList shownMessages = rig.prompts.texts();
        shownMessages.removeAll(kReplaceQuestion);
        QCOMPARE(shownMessages, messages);
        QCOMPARE(rig.host.visits, visits);
        QVERIFY(rig.engine.SearchText().isEmpty());
    }

    void promptPositionStandsAQuarterScreenAwayFromTheMatch() {
        PromptGeometry g;
        g.screen = QRect(0, 0, 1030, 802);   // a quarter is 200 (truncated)
        g.caretLine = 30;
        g.firstVisibleLine = 10;
        g.fontHeight = -15;
        g.editTop = 40;
        g.windowTop = 100;
        // r = 20 * 15 + 40 + 100 = 440: the box goes above the match.
        QCOMPARE(PromptPosition(g), QPoint(365, 240));
        g.caretLine = 13;   // r = 185, in the top quarter: below it
        QCOMPARE(PromptPosition(g), QPoint(365, 385));
        g.caretLine = 14;   // r = 200 exactly: above
        QCOMPARE(PromptPosition(g), QPoint(365, 0));
        g.screen = QRect(1030, 0, 1030, 802);   // a second screen to the right
        QCOMPARE(PromptPosition(g), QPoint(1395, 0));
    }
};

QTEST_GUILESS_MAIN(SearchEngineTest)
#include "test_SearchEngine.moc"
