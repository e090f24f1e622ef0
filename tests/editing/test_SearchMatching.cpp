// Matching by the edit control's rules: the in-memory text, the edit
// control's text (byte scan confirmed by Scintilla) and Scintilla's own search
// over the whole range must find the same match for every text, range and
// option.
#include <QtTest>

#include <QRandomGenerator>

#include "editing/EditControl.h"
#include "editing/EditSearchText.h"
#include "support/PlainSearchText.h"

using namespace tw;
using namespace tw::test;

namespace {

using Encoding = TextFormat::Encoding;

// Scintilla's search over [start, end), untouched by our code.
std::optional<TextMatch> scintillaFind(EditControl& edit, const QByteArray& what, qsizetype start,
                                       qsizetype end, FindOptions options) {
    unsigned long flags = 0;
    if (options.matchCase)
        flags |= EditControl::SCFIND_MATCHCASE;
    if (options.wholeWord)
        flags |= EditControl::SCFIND_WHOLEWORD;
    edit.SendScintilla(EditControl::SCI_SETSEARCHFLAGS, flags);
    edit.SendScintilla(EditControl::SCI_SETTARGETSTART, static_cast<unsigned long>(start));
    edit.SendScintilla(EditControl::SCI_SETTARGETEND, static_cast<unsigned long>(end));
    const long at = edit.SendScintilla(EditControl::SCI_SEARCHINTARGET,
                                       static_cast<unsigned long>(what.size()), what.constData());
    if (at < 0)
        return std::nullopt;
    return TextMatch{at, edit.SendScintilla(EditControl::SCI_GETTARGETEND) - at};
}

QString show(const std::optional<TextMatch>& m) {
    return m ? QStringLiteral("%1+%2").arg(m->start).arg(m->length) : QStringLiteral("none");
}

const char* const kUtf8Pieces[] = {
    "a", "A", "b", "B", "ab", "AB", "_", "1", " ", "\n", "\r\n", "\t", "+", "-", "++", ".",
    "\xC3\xA9", "\xC3\x89", "\xE2\x82\xAC", "\xC3", "\xA9", "\xC3\x9F", "\xD0\x9A", "\xD0\xBA",
    "\xCC\x81", "\xC2\xA0", "\xF0\x9F\x98\x80", "\xE2\x80\x94", "\xC2\xAD"};
// Search texts come from Qt strings: no broken sequences.
const char* const kUtf8SearchPieces[] = {
    "a", "A", "b", "B", "ab", "AB", "_", "1", " ", "\n", "\r\n", "+", "-", "++", "\xC3\xA9",
    "\xC3\x89", "\xE2\x82\xAC", "\xC3\x9F", "\xD0\x9A", "\xCC\x81", "\xC2\xA0", "\xF0\x9F\x98\x80"};
const char* const kLatin1Pieces[] = {"a", "A", "b", "B", "_", "1", " ", "\n", "+", "-",
                                     "\xE9", "\xC9", "\xA0", "\xD7", "\xFF"};

} // namespace

class SearchMatchingTest : public QObject {
    Q_OBJECT

    // Compares the three searches for every range of the text; returns the
    // number of ranges that hold a match, or -1 at the first disagreement.
    int compareAllRanges(const QByteArray& text, Encoding encoding, const QByteArray& what,
                         FindOptions options) {
        EditControl edit;
        edit.loadBytes(text, encoding, "\n");
        EditSearchText shown(edit);
        PlainSearchText plain(text, encoding);
        // Searches run between character boundaries (selection ends, match
        // ends, the text's ends); Scintilla widens a range that ends inside
        // a character.
        QList<qsizetype> boundaries{0};
        while (boundaries.last() < text.size())
            boundaries << edit.SendScintilla(EditControl::SCI_POSITIONAFTER,
                                             static_cast<unsigned long>(boundaries.last()));
        int matches = 0;
        for (const qsizetype start : boundaries)
            for (const qsizetype end : boundaries) {
                if (end < start)
                    continue;
                const auto expected = scintillaFind(edit, what, start, end, options);
                const auto fromEdit = shown.find(what, start, end, options);
                const auto fromPlain = plain.find(what, start, end, options);
                if (show(fromEdit) != show(expected) || show(fromPlain) != show(expected)) {
                    qWarning() << "text" << text.toHex(' ') << "what" << what.toHex(' ') << "range"
                               << start << end << "whole word" << options.wholeWord
                               << "match case" << options.matchCase << "scintilla" << show(expected)
                               << "edit" << show(fromEdit) << "plain" << show(fromPlain);
                    return -1;
                }
                matches += expected.has_value();
            }
        return matches;
    }

private slots:
    void wholeWordFollowsTheCharacterClasses_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("what");
        QTest::addColumn<int>("expected");
        QTest::newRow("word inside a word") << QByteArray("cab") << QByteArray("a") << -1;
        QTest::newRow("punctuation between words") << QByteArray("a+b") << QByteArray("+") << 1;
        QTest::newRow("punctuation run") << QByteArray("a++b") << QByteArray("+") << -1;
        QTest::newRow("leading blank after text") << QByteArray("a b") << QByteArray(" b") << -1;
        QTest::newRow("leading blank at start") << QByteArray(" b") << QByteArray(" b") << 0;
        QTest::newRow("accented letter is a word") << QByteArray("x\xC3\xA9y") << QByteArray("y") << -1;
        QTest::newRow("currency sign is punctuation") << QByteArray("x\xE2\x82\xACy") << QByteArray("y") << 4;
        QTest::newRow("no-break space is blank") << QByteArray("x\xC2\xA0y") << QByteArray("y") << 3;
        QTest::newRow("combining mark is a word") << QByteArray("x\xCC\x81y") << QByteArray("y") << -1;
        QTest::newRow("broken byte is punctuation") << QByteArray("a\xC3y") << QByteArray("y") << 2;
        QTest::newRow("underscore is a word") << QByteArray("a_b") << QByteArray("b") << -1;
        QTest::newRow("line break") << QByteArray("x\r\nyy") << QByteArray("yy") << 3;
    }
    void wholeWordFollowsTheCharacterClasses() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, what);
        QFETCH(int, expected);
        const FindOptions wholeWord{true, true};
        PlainSearchText plain(text);
        const auto found = plain.find(what, 0, text.size(), wholeWord);
        QCOMPARE(found ? int(found->start) : -1, expected);
        QVERIFY(compareAllRanges(text, Encoding::Utf8, what, wholeWord) >= 0);
    }

    void caseFoldsOnlyAsciiLetters_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("latin1");
        QTest::addColumn<QByteArray>("what");
        QTest::addColumn<int>("expected");
        QTest::newRow("ASCII letters") << QByteArray("xx ABC") << false << QByteArray("aBc") << 3;
        QTest::newRow("accented letters") << QByteArray("\xC3\xA9 \xC3\x89") << false << QByteArray("\xC3\x89") << 3;
        QTest::newRow("single-byte accented") << QByteArray("\xE9 \xC9") << true << QByteArray("\xC9") << 2;
        QTest::newRow("Kelvin sign") << QByteArray("x \xE2\x84\xAA") << false << QByteArray("k") << -1;
        QTest::newRow("brackets are no letters") << QByteArray("[@") << false << QByteArray("{") << -1;
    }
    void caseFoldsOnlyAsciiLetters() {
        // The control folds no other letters; the byte scan relies on that.
        QFETCH(QByteArray, text);
        QFETCH(bool, latin1);
        QFETCH(QByteArray, what);
        QFETCH(int, expected);
        const Encoding encoding = latin1 ? Encoding::Latin1 : Encoding::Utf8;
        EditControl edit;
        edit.loadBytes(text, encoding, "\n");
        const auto found = scintillaFind(edit, what, 0, text.size(), {});
        QCOMPARE(found ? int(found->start) : -1, expected);
        QVERIFY(compareAllRanges(text, encoding, what, {}) >= 0);
    }

    void emptyTextAndEmptyRangesFindNothing() {
        PlainSearchText plain("abc");
        EditControl edit;
        edit.loadBytes("abc", Encoding::Utf8, "\n");
        EditSearchText shown(edit);
        for (SearchableText* text : std::initializer_list<SearchableText*>{&plain, &shown}) {
            QVERIFY(!text->find("", 0, 3, {}));
            QVERIFY(!text->find("b", 1, 1, {}));
            QVERIFY(!text->find("b", 2, 1, {}));      // an inverted range is no backward search
            QVERIFY(!text->find("c", 0, 2, {}));      // must end inside the range
            QCOMPARE(show(text->find("c", -5, 99, {})), QStringLiteral("2+1"));
        }
    }

    void searchTextThatTheEncodingCannotHoldIsFoundNowhere() {
        PlainSearchText latin1("a?b", Encoding::Latin1);
        QVERIFY(!latin1.searchBytes(QStringLiteral("\u20AC")));
        QCOMPARE(*latin1.searchBytes(QStringLiteral("\u00E9")), QByteArray("\xE9"));
        QCOMPARE(*PlainSearchText("").searchBytes(QStringLiteral("\u00E9")), QByteArray("\xC3\xA9"));
    }

    void randomTextsAgree() {
        QRandomGenerator random(20240611);
        int matches = 0;
        for (int round = 0; round < 1500; ++round) {
            const bool utf8 = round % 4 != 3;
            const auto pieces = utf8 ? std::vector<const char*>(std::begin(kUtf8Pieces), std::end(kUtf8Pieces))
                                     : std::vector<const char*>(std::begin(kLatin1Pieces), std::end(kLatin1Pieces));
            const auto searchPieces = utf8 ? std::vector<const char*>(std::begin(kUtf8SearchPieces), std::end(kUtf8SearchPieces))
                                           : pieces;
            auto piece = [&](const std::vector<const char*>& from) {
                return QByteArray(from[random.bounded(int(from.size()))]);
            };
            QByteArray text;
            for (int i = random.bounded(20); i > 0; --i)
                text += piece(pieces);
            QByteArray what = piece(searchPieces);
            if (random.bounded(2))
                what += piece(searchPieces);
            const FindOptions options{random.bounded(2) == 1, random.bounded(2) == 1};
            const int seen = compareAllRanges(text, utf8 ? Encoding::Utf8 : Encoding::Latin1, what, options);
            QVERIFY(seen >= 0);
            matches += seen;
        }
        QVERIFY(matches > 1000);   // the cases did find things
    }
};

QTEST_MAIN(SearchMatchingTest)
#include "test_SearchMatching.moc"
