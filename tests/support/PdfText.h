#pragma once
// Reads printed PDF files back with pdftotext (poppler-utils): the text of
// each page, and each word with its box in PDF points.
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace tw::test {

bool havePdfToText();

// The text of each page, its trailing line breaks removed.
QStringList pdfPageTexts(const QString& pdfFile);

struct PdfWord {
    int page = 0;   // 0-based
    QRectF box;     // from the page's top-left corner
    QString text;
};
QList<PdfWord> pdfWords(const QString& pdfFile);
QList<QSizeF> pdfPageSizes(const QString& pdfFile);

} // namespace tw::test
