#include "editing/CaseConversion.h"

#include "util/TextHelpers.h"

namespace tw {

namespace {

QByteArray shiftLetters(QByteArray bytes, char first, char last, int by) {
    for (char& c : bytes)
        if (c >= first && c <= last)
            c = static_cast<char>(c + by);
    return bytes;
}

} // namespace

QByteArray changeCase(const QByteArray& bytes, CaseChange change) {
    switch (change) {
    case CaseChange::Lower:
        return shiftLetters(bytes, 'A', 'Z', 'a' - 'A');
    case CaseChange::Upper:
        return shiftLetters(bytes, 'a', 'z', 'A' - 'a');
    case CaseChange::Title:
        // Latin-1 maps each byte to one character and back, so TitleCase sees
        // the blanks and ASCII letters where they are and keeps the rest.
        return TitleCase(QString::fromLatin1(bytes)).toLatin1();
    }
    return bytes;
}

} // namespace tw
