// TMainForm's printing and font commands.
#include "app/MainForm.h"

#include "app/FileCommands.h"
#include "app/PrintCommands.h"

namespace tw {

void TMainForm::connectPrintCommands() {
    printing_ = new PrintCommands(*edit_, *table_, options_, prompts_, [this] { applyEditorFont(); },
                                  this);
    PrintCommands* p = printing_;
    FileCommands* f = files_.get();
    commands_.bind("FilePrintMnu", "PrintSpdBtn", nullptr, this, [p, f] {
        if (f->completeReading(false))   // the whole text, not what has been read so far
            p->FilePrintMnuClick();
    });
    commands_.bind("FilePrintSetupMnu", nullptr, nullptr, this,
                   [p] { p->FilePrintSetupMnuClick(); });
    commands_.bind("OptionsFontMnu", nullptr, nullptr, this, [p] { p->OptionsFontMnuClick(); });
}

} // namespace tw
