#pragma once
// Strict UTF-8 check used to decide how a file's bytes are shown.
#include <QtGlobal>

namespace tw {

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates
// (U+D800..U+DFFF), nothing above U+10FFFF, no stray or missing continuation
// bytes. NUL bytes are valid. An empty range is valid.
bool isValidUtf8(const char* data, qsizetype length);

} // namespace tw
