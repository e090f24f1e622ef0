#pragma once
// Byte matching as the edit control does it: the search text's bytes in the
// document's encoding, compared exactly, or with ASCII letters folded when
// case does not matter (the control folds no other characters; its tests
// check that). Whole-word rules are not applied here.
#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/TextFile.h"

namespace tw {

// The offset in text[0, length) of the first place where `what` matches
// wholly inside the range, or -1. An empty `what` matches nowhere.
qsizetype findBytes(const char* text, qsizetype length, const QByteArray& what, bool matchCase);

// The bytes that stand for `text` in a document of that encoding; nothing
// when a single-byte document cannot hold one of its characters.
std::optional<QByteArray> searchBytesFor(const QString& text, TextFormat::Encoding encoding);
// Replacement bytes, converted as Insert converts: a character a single-byte
// document cannot hold leaves the text in UTF-8 rather than losing it.
QByteArray replacementBytesFor(const QString& text, TextFormat::Encoding encoding);

} // namespace tw
