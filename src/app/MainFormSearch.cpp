// TMainForm's Find, Search Again and Replace.
#include "app/MainForm.h"

#include "app/FileCommands.h"
#include "app/SearchCommands.h"

namespace tw {

void TMainForm::connectSearchCommands() {
    search_ = new SearchCommands(*this, *this, *edit_, *table_, prompts_);
    SearchCommands* s = search_;
    FileCommands* f = files_.get();
    // A search sees the whole text: a document still being read is read to
    // its end first (every document for Replace, which may go through all).
    commands_.bind("SearchFindMnu", "FindSpdBtn", nullptr, this, [s, f] {
        if (f->completeReading(false))
            s->SearchFindMnuClick();
    });
    commands_.bind("SearchSearchAgainMnu", "SearchAgainSpdBtn", nullptr, this, [s, f] {
        if (f->completeReading(false))
            s->SearchSearchAgainMnuClick();
    });
    commands_.bind("SearchReplaceMnu", "ReplaceSpdBtn", nullptr, this, [s, f] {
        if (f->completeReading(true))
            s->SearchReplaceMnuClick();
    });
}

} // namespace tw
