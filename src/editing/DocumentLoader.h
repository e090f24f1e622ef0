#pragma once
// Opening a file as a document: the file is read in chunks straight into a
// new Scintilla document, so its bytes are copied once, into the document's
// own buffer, and checked as UTF-8 as they come.
#include <QString>

#include "editing/EditControl.h"

namespace tw {

struct DocumentLoad {
    DocHandle doc = 0;   // the caller owns it (EditControl::attachDocument, a parked record)
    TextFormat format;
    QString error;       // the system's error text; empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

// A new document holding the file's text as readTextFile gives it, read at
// once (DocumentLoadJob reads it a slice at a time), with the
// file's encoding and line break; no undo history, unmodified, not shown. On
// an error (also when memory runs out) no document is left.
DocumentLoad loadDocument(const QString& path);

} // namespace tw
