// TMainForm's printing and font commands.
#include "app/MainForm.h"

#include "app/PrintCommands.h"

namespace tw {

void TMainForm::connectPrintCommands() {
    printing_ = new PrintCommands(*edit_, *table_, options_, prompts_, [this] { applyEditorFont(); },
                                  this);
    PrintCommands* p = printing_;
    commands_.bind("FilePrintMnu", "PrintSpdBtn", nullptr, this, [p] { p->FilePrintMnuClick(); });
    commands_.bind("FilePrintSetupMnu", nullptr, nullptr, this,
                   [p] { p->FilePrintSetupMnuClick(); });
    commands_.bind("OptionsFontMnu", nullptr, nullptr, this, [p] { p->OptionsFontMnuClick(); });
}

} // namespace tw
