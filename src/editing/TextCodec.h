#pragma once
// Moving text between documents of different encodings, and between the
// documents and Qt's strings (clipboard, dialogs).
#include <QByteArray>
#include <QString>

#include "platform/TextFile.h"

namespace tw {

QByteArray encodeText(const QString& text, TextFormat::Encoding encoding);
QString decodeText(const QByteArray& bytes, TextFormat::Encoding encoding);
// Re-encodes bytes for a document of another encoding. A UTF-8 text with
// characters a single-byte document cannot hold is passed on unchanged, so no
// byte is lost.
QByteArray convertText(const QByteArray& bytes, TextFormat::Encoding from,
                       TextFormat::Encoding to);
// Whether convertText can move these bytes to the other encoding without
// keeping any character as its UTF-8 bytes.
bool canConvertLosslessly(const QByteArray& bytes, TextFormat::Encoding from,
                          TextFormat::Encoding to);

} // namespace tw
