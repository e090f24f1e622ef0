#pragma once
// Change Case on the bytes of a document. Only the ASCII letters change, so
// the same bytes serve UTF-8 and single-byte documents, and every other byte
// (accented letters, multi-byte characters, NUL) comes back unchanged.
#include <QByteArray>

namespace tw {

enum class CaseChange { Lower, Upper, Title };

QByteArray changeCase(const QByteArray& bytes, CaseChange change);

} // namespace tw
