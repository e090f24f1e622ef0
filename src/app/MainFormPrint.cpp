// TMainForm's printing and font commands.
#include "app/MainForm.h"

namespace tw {

void TMainForm::connectPrintCommands() {}

} // namespace tw
