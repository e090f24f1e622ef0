#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

namespace tw::test {

namespace {

QString runPdfToText(const QStringList& options, const QString& pdfFile) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The -bbox output: one <page> element per page holding <word> elements.
QString boxes(const QString& pdfFile) {
    return runPdfToText({QStringLiteral("-bbox")}, pdfFile);
}

} // namespace

bool havePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

QStringList pdfPageTexts(const QString& pdfFile) {
    QStringList pages = runPdfToText({}, pdfFile).split(QLatin1Char('\f'));
    pages.removeLast();   // pdftotext ends every page with a form feed
    for (QString& page : pages)
        while (page.endsWith(QLatin1Char('\n')))
            page.chop(1);
    return pages;
}

QList<PdfWord> pdfWords(const QString& pdfFile) {
    // A glyph at the very top of a page can reach a hair above it, so its box
    // starts at a negative y.
    static const QRegularExpression element(QStringLiteral(
        R"re(<page |<word xMin="(-?[\d.]+)" yMin="(-?[\d.]+)" xMax="(-?[\d.]+)" yMax="(-?[\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = -1;
    for (const auto& m : element.globalMatch(boxes(pdfFile))) {
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({page, QRectF(topLeft, bottomRight),
                      QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText()});
    }
    return words;
}

QList<QSizeF> pdfPageSizes(const QString& pdfFile) {
    static const QRegularExpression page(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    QList<QSizeF> sizes;
    for (const auto& m : page.globalMatch(boxes(pdfFile)))
        sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    return sizes;
}

} // namespace tw::test
