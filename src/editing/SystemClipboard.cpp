#include "editing/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tw {

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

bool QtClipboard::holdsMoreThanPlainText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    // "text/plain" comes with charset variants; anything else is more.
    for (const QString& format : data->formats())
        if (!format.startsWith(QLatin1String("text/plain")))
            return true;
    return false;
}

} // namespace tw
