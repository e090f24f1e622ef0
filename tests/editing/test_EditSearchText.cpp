// The edit control as a searchable text: replacements held back inside a
// group must leave exactly the text that replacing one by one leaves, undo as
// one step, and give way to a read-only document.
#include <QtTest>

#include <QRandomGenerator>

#include "editing/EditControl.h"
#include "editing/EditSearchText.h"
#include "editing/SearchFakes.h"
#include "util/ScriptedPrompts.h"

using namespace tw;
using namespace tw::test;

namespace {

struct Outcome {
    QByteArray text;
    qsizetype selStart;
    qsizetype selLength;
    QStringList reports;
    bool operator==(const Outcome&) const = default;
};

Outcome replaceIn(SearchableText& text, const ReplaceRequest& request) {
    FakeSearchHost host({&text});
    ScriptedPrompts prompts;
    SearchEngine engine(host, prompts);
    engine.Replace(request);
    return {QByteArray(), text.selStart(), text.selLength(), prompts.texts()};
}

const char* const kPieces[] = {"a", "A", "b", "-", " ", "ab", "a-", "\n", "\xC3\xA9", "x"};

// Puts Scintilla's gap (where its buffer is split) at `position`, leaving the
// text and the undo history as they were.
void moveGapTo(EditControl& edit, qsizetype position) {
    edit.SendScintilla(EditControl::SCI_SETUNDOCOLLECTION, 0ul);
    edit.insertBytes(position, "#");
    edit.SendScintilla(EditControl::SCI_DELETERANGE, static_cast<unsigned long>(position), 1l);
    edit.SendScintilla(EditControl::SCI_SETUNDOCOLLECTION, 1ul);
}

} // namespace

class EditSearchTextTest : public QObject {
    Q_OBJECT

    // Replace over the same text in memory, in the edit control replacing
    // one by one, and in the edit control holding replacements back.
    void compareReplace(const QByteArray& start, qsizetype selStart, qsizetype selLength,
                        const ReplaceRequest& request) {
        PlainSearchText plain(start);
        plain.select(selStart, selLength);
        Outcome expected = replaceIn(plain, request);
        expected.text = plain.bytes();
        // The gap where loading leaves it (the end), and inside the text.
        for (const qsizetype gap : {qsizetype(-1), start.size() / 2})
        for (const bool defer : {false, true}) {
            EditControl edit;
            edit.loadBytes(start, TextEncoding::Utf8, "\n");
            if (gap >= 0)
                moveGapTo(edit, gap);
            QCOMPARE(edit.SendScintilla(EditControl::SCI_GETGAPPOSITION), gap >= 0 ? gap : start.size());
            edit.setSelection(selStart, selLength);
            EditSearchText text(edit, defer);
            Outcome got = replaceIn(text, request);
            got.text = edit.textBytes();
            if (!(got == expected))
                qWarning() << "text" << start << "find" << request.findText << "by"
                           << request.replaceText << "gives" << got.text << "expected" << expected.text;
            QVERIFY(got == expected);
            // One Undo restores the text.
            edit.undo();
            QCOMPARE(edit.textBytes(), start);
        }
    }

private slots:
    void aMatchTouchingAReplacementIsTestedAgainstTheNewText() {
        // "a-a-": after the first "a-" became "zz" the second no longer
        // starts a word, as replacing one by one finds.
        ReplaceRequest r;
        r.findText = QStringLiteral("a-");
        r.replaceText = QStringLiteral("zz");
        r.prompt = false;
        r.options.wholeWord = true;
        compareReplace("a-a-", 0, 0, r);
        r.replaceText = QString();
        compareReplace("x a-a- a-", 0, 0, r);
    }

    void randomReplacementsAgree() {
        QRandomGenerator random(77);
        for (int round = 0; round < 600; ++round) {
            auto piece = [&] { return QByteArray(kPieces[random.bounded(int(std::size(kPieces)))]); };
            QByteArray start;
            for (int i = random.bounded(16); i > 0; --i)
                start += piece();
            ReplaceRequest r;
            r.findText = QString::fromUtf8(piece() + (random.bounded(3) == 0 ? piece() : QByteArray()));
            r.replaceText = random.bounded(4) == 0 ? QString() : QString::fromUtf8(piece() + piece());
            r.prompt = false;
            r.replaceAll = random.bounded(5) != 0;
            r.selectedOnly = random.bounded(3) == 0;
            r.fromCursor = random.bounded(3) == 0;
            r.options = {random.bounded(2) == 1, random.bounded(2) == 1};
            // Selections start and end on character boundaries, as the
            // control keeps them.
            qsizetype a = random.bounded(int(start.size()) + 1);
            qsizetype b = random.bounded(int(start.size()) + 1);
            while (a > 0 && (start[a] & 0xC0) == 0x80) --a;
            while (b > 0 && (start[b] & 0xC0) == 0x80) --b;
            compareReplace(start, std::min(a, b), std::abs(a - b), r);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void matchesNearAndFarApartAroundTheGap() {
        // Matches a byte, just under, at and over the joining distance
        // apart, and a run of close ones longer than a joined change may
        // span: each made as held back, the same text as one by one.
        QByteArray start;
        for (const qsizetype space : {1, 255, 256, 257, 70000, 3})
            start += "needle" + QByteArray(space, '.');
        for (int i = 0; i < 3000; ++i)
            start += "needle" + QByteArray(i % 40, ' ');
        start += "nee";
        ReplaceRequest r;
        r.findText = QStringLiteral("needle");
        r.replaceText = QStringLiteral("pin");
        r.prompt = false;
        compareReplace(start, 0, 0, r);
        r.replaceText = QStringLiteral("thread and pin");
        r.options.wholeWord = true;
        compareReplace(start, 0, 0, r);
    }

    void aMatchAcrossTheGapIsFoundAndNothingMoves() {
        // Every split of "needle" by the gap, and the gap just before and
        // after it; the search leaves the gap where it was.
        const QByteArray text = "hay needle hay";
        for (qsizetype gap = 2; gap <= 12; ++gap) {
            EditControl edit;
            edit.loadBytes(text, TextEncoding::Utf8, "\n");
            moveGapTo(edit, gap);
            EditSearchText search(edit);
            for (const bool matchCase : {false, true}) {
                const auto hit = search.find("needle", 0, text.size(), {false, matchCase});
                QVERIFY(hit);
                QCOMPARE(hit->start, qsizetype(4));
                QVERIFY(!search.find("needle", 5, text.size(), {false, matchCase}));
                QVERIFY(!search.find("needle", 0, 9, {false, matchCase}));
            }
            QCOMPARE(edit.SendScintilla(EditControl::SCI_GETGAPPOSITION), gap);
        }
    }

    void heldBackReplacementsAreSeenByEveryQuestion() {
        EditControl edit;
        edit.loadBytes("one two one two", TextEncoding::Utf8, "\n");
        EditSearchText text(edit);
        text.beginChanges();
        QVERIFY(text.replace(0, 3, "1"));
        QVERIFY(text.replace(6, 3, "111"));
        QCOMPARE(text.length(), qsizetype(13));
        QCOMPARE(edit.textBytes(), QByteArray("1 two 111 two"));
        // A replacement before the last one is made at once too.
        QVERIFY(text.replace(0, 1, "0"));
        text.endChanges();
        QCOMPARE(edit.textBytes(), QByteArray("0 two 111 two"));
        edit.undo();
        QCOMPARE(edit.textBytes(), QByteArray("one two one two"));
    }

    void aReadOnlyDocumentRefuses() {
        EditControl edit;
        edit.loadBytes("a a", TextEncoding::Utf8, "\n");
        edit.setReadOnlyFlag(true);
        EditSearchText text(edit);
        text.beginChanges();
        QVERIFY(!text.replace(0, 1, "b"));
        text.endChanges();
        QCOMPARE(edit.textBytes(), QByteArray("a a"));
        QVERIFY(!edit.isModified());
    }

    void singleByteDocumentsSearchAndReplaceInTheirOwnEncoding() {
        EditControl edit;
        edit.loadBytes("caf\xE9 caf\xC9", TextEncoding::Latin1, "\n");
        EditSearchText text(edit);
        const auto what = text.searchBytes(QStringLiteral("caf\u00E9"));
        QVERIFY(what);
        QCOMPARE(text.find(*what, 0, text.length(), {})->start, qsizetype(0));
        QVERIFY(!text.searchBytes(QStringLiteral("\u20AC")));
        QCOMPARE(text.replacementBytes(QStringLiteral("\u00FC")), QByteArray("\xFC"));
    }
};

QTEST_MAIN(EditSearchTextTest)
#include "test_EditSearchText.moc"
