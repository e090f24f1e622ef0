#pragma once
// What the Find and Replace dialogs hand to the search engine when accepted.
#include <QString>

#include "editing/FindOptions.h"

namespace tw {

struct FindRequest {
    QString text;
    bool selectedOnly = false;   // SelectedCB
    bool fromCursor = false;     // FromCursorCB
    FindOptions options;
};

struct ReplaceRequest {
    QString findText;
    QString replaceText;
    bool selectedOnly = false;   // SelectedCB
    bool replaceAll = true;      // ReplaceAllCB
    bool prompt = true;          // PromptCB
    bool allFiles = false;       // SearchFilesCB
    bool fromCursor = false;     // FromCursorCB
    FindOptions options;
};

} // namespace tw
