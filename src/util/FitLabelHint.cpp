#include "util/FitLabelHint.h"
#include <QFontMetrics>
#include <QLabel>

namespace tw {

namespace {

// The text a label draws: with a buddy, "&x" shows as an underlined x and "&&"
// as one "&"; without one, the text shows as it is.
QString ShownText(const QLabel& label)
{
    const QString text = label.text();
    if (!label.buddy())
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}

} // namespace

bool FitLabelHint(QLabel* label, int boxWidth)
{
    const QString shown = ShownText(*label);
    const int rightEdge = label->x() + label->fontMetrics().horizontalAdvance(shown);
    const bool overflows = rightEdge > boxWidth - 4;
    label->setToolTip(overflows ? shown : QString());
    return overflows;
}

bool FitLabelHint(QLabel* label)
{
    const QWidget* box = label->parentWidget();
    return FitLabelHint(label, box ? box->width() : label->width());
}

} // namespace tw
