// TMainForm's Options > Filters.
#include "app/MainForm.h"

namespace tw {

void TMainForm::connectFilterCommands() {}

} // namespace tw
