// TMainForm's editing commands, key handling and word wrap.
#include "app/MainForm.h"

namespace tw {

void TMainForm::connectEditingCommands() {}

void TMainForm::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    ApplyScrollBars();
}

} // namespace tw
