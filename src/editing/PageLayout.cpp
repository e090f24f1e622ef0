#include "editing/PageLayout.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace tw {

namespace {

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// Eight character widths. In a monospaced font that is eight times the real
// advance of its glyphs, so that a tab after any number of characters reaches
// the next column of eight: the font's average width may differ from the
// advance by a fraction of a unit, which adds up over a long line until the
// slack of one unit is gone and the tab collapses. A proportional font has
// no columns to keep; its average width serves.
qreal tabStopOf(const QFontMetricsF& metrics) {
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('x'));
    const bool monospaced = advance == metrics.horizontalAdvance(QLatin1Char('W')) &&
                            advance == metrics.horizontalAdvance(QLatin1Char('i'));
    return std::max<qreal>(8 * (monospaced ? advance : metrics.averageCharWidth()), 1);
}

QSizeF deviceSize(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? QSizeF(device->width(), device->height()) : QSizeF();
}

} // namespace

PageLayout::PageLayout(QPainter& painter, std::function<void()> startPage)
    : PageLayout(painter, deviceSize(painter), std::move(startPage)) {}

PageLayout::PageLayout(QPainter& painter, QSizeF page, std::function<void()> startPage)
    : painter_(painter), metrics_(painter.font(), painter.device()), page_(page),
      startPage_(std::move(startPage)), tabStop_(tabStopOf(metrics_)) {}

void PageLayout::write(QStringView text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!isControl(c))
            continue;
        run_ += text.mid(start, i - start);
        start = i + 1;
        flushRun();
        switch (c.unicode()) {
        case '\n': endLine(); break;
        case '\f': endPage(); break;
        case '\t': tab(); break;
        default: break;   // CR only ends the run; other controls are not drawn
        }
    }
    run_ += text.mid(start);
}

void PageLayout::finish() { flushRun(); }

void PageLayout::flushRun() {
    while (!run_.isEmpty()) {
        qsizetype length = fittingLength(run_, page_.width() - x_);
        // At the start of a line even a character wider than the page is
        // drawn, or the run would never get shorter.
        if (length == 0 && x_ == 0) {
            QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, run_);
            length = std::max<qsizetype>(finder.toNextBoundary(), 1);
        }
        if (length > 0) {
            const QString head = run_.left(length);
            drawOnPage(head, metrics_.horizontalAdvance(head));
            run_.remove(0, length);
        }
        if (!run_.isEmpty())
            endLine();
    }
}

void PageLayout::drawOnPage(const QString& head, qreal width) {
    if (pageOwed_) {
        startPage_();
        ++pages_;
        pageOwed_ = false;
    }
    painter_.drawText(QPointF(x_, y_ + metrics_.ascent()), head);
    x_ += width;
    tallestRun_ = std::max(tallestRun_, metrics_.height());
}

void PageLayout::tab() {
    const qreal next = (std::floor((x_ + 1) / tabStop_) + 1) * tabStop_;
    if (next > page_.width())
        endLine();
    else
        x_ = next;
}

void PageLayout::endLine() {
    const qreal height = tallestRun_ > 0 ? tallestRun_ + 2 : metrics_.height();
    y_ += height;
    x_ = 0;
    tallestRun_ = 0;
    if (y_ > page_.height() - 2 * height)
        endPage();
}

void PageLayout::endPage() {
    // A page that was ended before anything reached it is a blank page the
    // text asked for (FF FF); it is given out now.
    if (pageOwed_) {
        startPage_();
        ++pages_;
    }
    pageOwed_ = true;
    x_ = 0;
    y_ = 0;
    tallestRun_ = 0;
}

qsizetype PageLayout::fittingLength(QStringView run, qreal available) const {
    if (available <= 0)
        return 0;
    // Only a slice as long as a line can be is measured, so a huge run costs
    // little per printed line; the slice grows while it all fits.
    for (qsizetype span = 256;; span *= 4) {
        const QStringView slice = run.left(span);
        const bool whole = slice.size() == run.size();
        if (metrics_.horizontalAdvance(slice.toString()) <= available) {
            if (whole)
                return run.size();
            continue;
        }
        QVarLengthArray<qsizetype, 256> ends;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, slice.data(), slice.size());
        for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary())
            ends.append(end);
        // The longest head that fits, by halving: widths grow with length.
        qsizetype low = 0, high = ends.size();   // ends[0 .. low) fit
        while (low < high) {
            const qsizetype mid = (low + high) / 2;
            if (metrics_.horizontalAdvance(slice.left(ends[mid]).toString()) <= available)
                low = mid + 1;
            else
                high = mid;
        }
        return low == 0 ? 0 : ends[low - 1];
    }
}

} // namespace tw
