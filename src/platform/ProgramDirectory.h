#pragma once
// The directory that holds the program: home of the settings file, the readme,
// the help file and the temporary shell scripts.
#include <QString>

namespace tw {

// The executable's directory with a trailing "/", or the directory last given
// to setProgramDirectory.
QString programDirectory();

// Makes programDirectory() answer dir (a trailing "/" is added when missing);
// an empty dir returns to the executable's directory. Tests use this to give
// each case its own program directory.
void setProgramDirectory(const QString& dir);

} // namespace tw
