// TMainForm's Find, Search Again and Replace.
#include "app/MainForm.h"

#include "app/SearchCommands.h"

namespace tw {

void TMainForm::connectSearchCommands() {
    search_ = new SearchCommands(*this, *this, *edit_, *table_, prompts_);
    SearchCommands* s = search_;
    commands_.bind("SearchFindMnu", "FindSpdBtn", nullptr, this, [s] { s->SearchFindMnuClick(); });
    commands_.bind("SearchSearchAgainMnu", "SearchAgainSpdBtn", nullptr, this,
                   [s] { s->SearchSearchAgainMnuClick(); });
    commands_.bind("SearchReplaceMnu", "ReplaceSpdBtn", nullptr, this,
                   [s] { s->SearchReplaceMnuClick(); });
}

} // namespace tw
