// TMainForm's View > Select File.
#include "app/MainForm.h"

namespace tw {

void TMainForm::connectSelectFileCommands() {}

} // namespace tw
