#include "util/NumericKeyFilter.h"
#include <QKeyEvent>
#include <QWidget>

namespace tw {

NumericKeyFilter::NumericKeyFilter(QObject* parent) : QObject(parent) {}

bool NumericKeyFilter::Accepts(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    for (const QChar c : event.text()) {
        const bool allowed = (c >= u'0' && c <= u'9') || c == u'\b' || c == u'\n' || c == u'\r';
        if (!allowed && c.isPrint())
            return false;
    }
    return true;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !Accepts(*static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

NumericKeyFilter* InstallNumericKeyFilter(QWidget* field)
{
    auto* filter = new NumericKeyFilter(field);
    field->installEventFilter(filter);
    return filter;
}

} // namespace tw
