// TMainForm's Find, Search Again and Replace.
#include "app/MainForm.h"

namespace tw {

void TMainForm::connectSearchCommands() {}

} // namespace tw
