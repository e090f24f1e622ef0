// TMainForm's settings file: read at creation, written at close.
#include "app/MainForm.h"

namespace tw {

void TMainForm::LoadSettings(const QStringList& arguments) { startFirstRun(arguments); }
void TMainForm::SaveSettings() {}

} // namespace tw
