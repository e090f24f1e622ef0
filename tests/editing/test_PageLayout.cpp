// The plain-text page layout, printed to PDF files and read back.
#include <QtTest>

#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "editing/PageLayout.h"
#include "support/PdfText.h"

using namespace tw;
using namespace tw::test;

namespace {

// At 72 dots per inch a device unit is a PDF point, so the boxes pdftotext
// reports are in the layout's own units.
struct PrintedPdf {
    QString file;
    int pages = 0;
};

QFont monospaceFont(int points = 10) {
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

PrintedPdf printPdf(const QString& file, const QString& text, QSizeF page,
                    QSizeF layoutPage = QSizeF(), int resolution = 72, int points = 10) {
    QPdfWriter writer(file);
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(page, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.setFont(monospaceFont(points));
    auto newPage = [&writer] { writer.newPage(); };
    PageLayout layout = layoutPage.isValid() ? PageLayout(painter, layoutPage, newPage)
                                             : PageLayout(painter, newPage);
    layout.write(text);
    layout.finish();
    painter.end();
    return {file, layout.pageCount()};
}

// The font's measures on a 72 dots-per-inch PDF page.
QFontMetricsF pointMetrics() {
    QTemporaryDir scratch;
    QPdfWriter writer(scratch.filePath(QStringLiteral("metrics.pdf")));
    writer.setResolution(72);
    return QFontMetricsF(monospaceFont(), &writer);
}

const PdfWord* findWord(const QList<PdfWord>& words, const QString& text) {
    for (const PdfWord& word : words)
        if (word.text == text)
            return &word;
    return nullptr;
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    const QSizeF page_{300, 205};

    QString pdf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase() {
        if (!havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed");
        if (!QFontInfo(monospaceFont()).fixedPitch())
            QSKIP("no monospaced font to measure lines by");
    }

    void formFeedsStartPagesAndNoBlankSheetIsLeftAtTheEnd() {
        const PrintedPdf out = printPdf(pdf("ff.pdf"), QStringLiteral("one\ftwo\f\fthree\f\r\n"), page_);
        QCOMPARE(out.pages, 4);
        QCOMPARE(pdfPageTexts(out.file), (QStringList{"one", "two", "", "three"}));
    }

    void tabsStopAtMultiplesOfEightCharacterWidths() {
        const PrintedPdf out =
            printPdf(pdf("tabs.pdf"), QStringLiteral("a\tb\tc\nabcdefgh\tX\nabcdefg\tY\n"), page_);
        const QList<PdfWord> words = pdfWords(out.file);
        const qreal stop = 8 * pointMetrics().averageCharWidth();
        auto leftOf = [&words](const char* text) {
            const PdfWord* word = findWord(words, QString::fromLatin1(text));
            return word ? word->box.left() : -1.0;
        };
        QCOMPARE(words.size(), 7);
        QCOMPARE(leftOf("a"), 0.0);
        QVERIFY(qAbs(leftOf("b") - stop) < 0.5);
        QVERIFY(qAbs(leftOf("c") - 2 * stop) < 0.5);
        // Ending exactly at a stop, the tab goes on to the next one...
        QVERIFY(qAbs(leftOf("X") - 2 * stop) < 0.5);
        // ...and short of it, to the stop itself.
        QVERIFY(qAbs(leftOf("Y") - stop) < 0.5);
    }

    // A tab after a long line still reaches the next stop at every size, at
    // the printer's resolution: the stops follow the glyphs' real advance, so
    // no difference from an average width can add up over 80 characters.
    void tabsAfterLongLinesKeepTheirColumnAtEverySize() {
        // Empty lines between keep pdftotext from taking two lines for one.
        const QString text = QString(80, u'x') + QStringLiteral("\ty\n\n") + QString(88, u' ') +
                             QStringLiteral("Z\n\n") + QString(64, u'x') + QStringLiteral("\tw\n\n") +
                             QString(72, u' ') + QStringLiteral("W");
        for (int points = 6; points <= 20; ++points) {
            const QString file = pdf("columns.pdf");
            printPdf(file, text, QSizeF(1300, 400), QSizeF(), 1200, points);
            const QList<PdfWord> words = pdfWords(file);
            QCOMPARE(words.size(), 6);
            const PdfWord* eighty = findWord(words, QString(80, u'x'));
            QVERIFY(eighty);
            const qreal cell = eighty->box.width() / 80;
            // Where each word stands, in columns of the font.
            auto column = [&](const char* word) {
                const PdfWord* found = findWord(words, QString::fromLatin1(word));
                return found ? found->box.left() / cell : -1.0;
            };
            const QString at = QStringLiteral(" at %1 pt").arg(points);
            QVERIFY2(qAbs(column("y") - 88) < 0.25, qPrintable(QString::number(column("y")) + at));
            QVERIFY2(qAbs(column("Z") - 88) < 0.25, qPrintable(QString::number(column("Z")) + at));
            QVERIFY2(qAbs(column("w") - 72) < 0.25, qPrintable(QString::number(column("w")) + at));
            QVERIFY2(qAbs(column("W") - 72) < 0.25, qPrintable(QString::number(column("W")) + at));
        }
    }

    void aTabPastThePageWidthEndsTheLine() {
        const PrintedPdf out = printPdf(pdf("tabend.pdf"), QStringLiteral("A\t\t\t\t\t\t\tZ"), page_);
        const qreal stop = 8 * pointMetrics().averageCharWidth();
        QVERIFY(6 * stop <= page_.width() && 7 * stop > page_.width());
        const QList<PdfWord> words = pdfWords(out.file);
        QCOMPARE(words.size(), 2);
        QCOMPARE(words[1].box.left(), 0.0);
        QVERIFY(qAbs(words[1].box.top() - words[0].box.top() - (pointMetrics().height() + 2)) < 0.05);
    }

    void carriageReturnEndsOnlyTheRun() {
        const PrintedPdf out =
            printPdf(pdf("cr.pdf"), QStringLiteral("abc\rdef\r\nghi\rjkl\n"), page_);
        QCOMPARE(pdfPageTexts(out.file), QStringList{"abcdef\nghijkl"});
    }

    void anOverLongRunContinuesOnTheNextLineCutBetweenCharacters() {
        const int perLine = int(page_.width() / pointMetrics().averageCharWidth());
        QString run;
        for (int i = 0; i < perLine * 2 + 7; ++i)
            run += QChar(u'A' + i % 26);
        // The cut counts from where the line's first run left x.
        const PrintedPdf out = printPdf(pdf("long.pdf"), QStringLiteral("0123\r") + run, page_);
        const QStringList lines = pdfPageTexts(out.file).value(0).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].size(), perLine);
        QCOMPARE(lines[1].size(), perLine);
        QCOMPARE(lines.join(QString()), QStringLiteral("0123") + run);
    }

    void aPageNarrowerThanACharacterStillPrintsEveryCharacter() {
        const PrintedPdf out =
            printPdf(pdf("narrow.pdf"), QStringLiteral("xyz"), page_, QSizeF(2, page_.height()));
        QCOMPARE(pdfPageTexts(out.file), QStringList{"x\ny\nz"});
    }

    void linesAreTallestRunPlusTwoAndEmptyLinesOneCharacterHigh() {
        // A line that holds only a tab has no run: it is an empty line too.
        const PrintedPdf out = printPdf(pdf("empty.pdf"), QStringLiteral("a\n\n\t\nb\nc"), page_);
        const QList<PdfWord> words = pdfWords(out.file);
        QCOMPARE(words.size(), 3);
        const qreal h = pointMetrics().height();
        const qreal expected[] = {0, (h + 2) + 2 * h, 2 * (h + 2) + 2 * h};
        for (int i = 1; i < 3; ++i)
            QVERIFY2(qAbs(words[i].box.top() - words[0].box.top() - expected[i]) < 0.05,
                     qPrintable(words[i].text));
    }

    void pagesBreakWhenLessThanTwoLinesAreLeft() {
        const qreal step = pointMetrics().height() + 2;
        // The first y after a line that passes the page height minus two lines.
        const int perPage = int((page_.height() - 2 * step) / step) + 1;
        QString text;
        for (int i = 1; i <= 100; ++i)
            text += QStringLiteral("L%1\r\n").arg(i);
        const PrintedPdf out = printPdf(pdf("pages.pdf"), text, page_);
        const QStringList pages = pdfPageTexts(out.file);
        QCOMPARE(out.pages, (100 + perPage - 1) / perPage);
        QCOMPARE(pages.size(), out.pages);
        QCOMPARE(pages[0].split(QLatin1Char('\n')).size(), perPage);
        QVERIFY(pages[1].startsWith(QStringLiteral("L%1\n").arg(perPage + 1)));
        QStringList all;
        for (const QString& p : pages)
            all += p.split(QLatin1Char('\n'));
        QCOMPARE(all.size(), 100);
        QCOMPARE(all.last(), QStringLiteral("L100"));
        // A text that ends at the foot of a page leaves no empty page after it.
        text.clear();
        for (int i = 1; i <= perPage; ++i)
            text += QStringLiteral("L%1\r\n").arg(i);
        QCOMPARE(printPdf(pdf("onepage.pdf"), text, page_).pages, 1);
    }

};

QTEST_MAIN(PageLayoutTest)
#include "test_PageLayout.moc"
