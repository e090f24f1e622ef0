#pragma once
// One parked document: everything the edit control holds for the shown one.
#include <QString>

#include "editing/EditControl.h"
#include "platform/TextFile.h"

namespace tw {

struct DocRecord {
    QString FileName;          // full path, or the untitled name
    DocHandle Text = 0;        // the document itself (text and undo history)
    bool ReadOnly = false;
    bool Modified = false;
    qsizetype SelStart = 0;
    qsizetype SelLength = 0;
    qsizetype firstVisibleLine = 0;
    TextFormat format;         // how the text goes back to its file
};

} // namespace tw
