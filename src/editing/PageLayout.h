#pragma once
// The plain-text printer device: lays text out on pages the way a line printer
// would, with the painter's font and pen, in the device's own units. There are
// no margins beyond the device's printable area, no header and no page numbers.
//
// - Characters gather into a run until a control character comes. LF ends the
//   line, CR only ends the run (so CR LF ends one line), FF ends the page, and
//   a tab moves x to the next multiple of eight character widths that is
//   greater than x + 1 (a tab past the page width ends the line). The width is
//   the glyphs' real advance in a monospaced font, the average width otherwise.
// - A run that does not fit from x is cut between characters: its longest
//   fitting head is drawn and the rest goes on at the start of the next line.
// - A line is as high as its tallest run plus 2; a line without runs is one
//   character height. After a line, when y is greater than the page height
//   minus twice that line's height, the next line goes to a new page.
//
// Pages begin only when something is drawn on them, so text that ends with a
// form feed or exactly at the foot of a page leaves no blank sheet behind;
// two form feeds in a row still give the blank page they ask for.
#include <QFontMetricsF>
#include <QSizeF>
#include <QString>
#include <QStringView>
#include <functional>

class QPainter;

namespace tw {

class PageLayout {
public:
    // `painter` is active on the device; `startPage` begins the device's next
    // page (QPagedPaintDevice::newPage for printers and PDF writers). The page
    // is the device's size unless given.
    PageLayout(QPainter& painter, std::function<void()> startPage);
    PageLayout(QPainter& painter, QSizeF page, std::function<void()> startPage);

    // Text may come in pieces; a run can continue from one piece to the next.
    void write(QStringView text);
    // Draws what is still gathered. The device's job is the caller's to end.
    void finish();

    // Pages drawn on or deliberately left blank, counting the first.
    int pageCount() const { return pages_; }

private:
    void flushRun();
    void drawOnPage(const QString& head, qreal width);
    void tab();
    void endLine();
    void endPage();
    // The length of the longest head of `run` no wider than `available`,
    // never cutting inside a character.
    qsizetype fittingLength(QStringView run, qreal available) const;

    QPainter& painter_;
    QFontMetricsF metrics_;
    QSizeF page_;
    std::function<void()> startPage_;
    qreal tabStop_;
    QString run_;
    qreal x_ = 0;
    qreal y_ = 0;
    qreal tallestRun_ = 0;   // 0 while the line has no drawn run
    bool pageOwed_ = false;  // a page was ended; the next one starts on demand
    int pages_ = 1;
};

} // namespace tw
