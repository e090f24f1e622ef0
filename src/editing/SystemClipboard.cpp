#include "editing/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tw {

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

} // namespace tw
