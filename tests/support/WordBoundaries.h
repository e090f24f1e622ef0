#pragma once
// A model of the edit control's whole-word test, which tests compare the control with:
// a match is a whole word when its first character starts a word and its last
// ends one. Characters fall in three classes. In a UTF-8 text: letters, marks,
// numbers and "_" are word characters; punctuation and symbols (and bytes that
// form no character) are punctuation; separators, controls and unassigned
// code points are blanks. In a single-byte text every byte from 0x80 up is a
// word character.
#include <QtGlobal>

#include "platform/TextFile.h"

namespace tw::test {

enum class CharClass { Blank, Word, Punctuation };

// True when [start, end) may be found by a whole-word search.
bool isWholeWordAt(const char* text, qsizetype length, qsizetype start, qsizetype end,
                   TextFormat::Encoding encoding);

// The class of the character that begins at `pos` (after == true) or ends
// there (after == false); pos must leave such a character inside the text.
CharClass charClassAround(const char* text, qsizetype length, qsizetype pos, bool after,
                          TextFormat::Encoding encoding);

} // namespace tw::test
