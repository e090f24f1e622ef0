#pragma once
// The directory that holds the program's own files: the settings file and the
// temporary shell scripts, and where the readme and the help file are found.
#include <QString>

namespace tw {

// The settings file's and the scripts' folder, with a trailing "/": the
// executable's folder when it can be written (a build folder, a portable
// copy), else $XDG_CONFIG_HOME/tarnwick/ (~/.config/tarnwick/ when the
// variable is unset or empty), created on first use. An installed program
// (its help file in ../share/tarnwick, none beside it) uses the latter also
// when its folder could be written, as by root, so no settings file lands in
// a system folder. A folder given to
// setProgramDirectory wins over both.
QString programDirectory();

// Makes programDirectory() answer dir (a trailing "/" is added when missing);
// an empty dir returns to the rule above. Tests use this to give each case
// its own program directory.
void setProgramDirectory(const QString& dir);

// The full name of one of the program's own read-only files ("readme.txt",
// "Tarnwick.hlp"): in the program directory when it is there, else beside
// the executable, else in the installed share/tarnwick/ folder. A name found
// nowhere is given in the program directory, so messages name a place.
QString programFile(const QString& name);

// The rule of programDirectory, from the facts it is decided by.
struct ProgramDirectoryFacts {
    QString executableDir;           // without a trailing "/"
    bool executableDirWritable = true;
    bool installed = false;          // an installed layout (see programDirectory)
    QString xdgConfigHome;           // the variable's value, empty when unset
    QString home;                    // the user's home folder
};
QString chooseProgramDirectory(const ProgramDirectoryFacts& facts);

// The folders programFile looks in after the program directory, in order.
QStringList programFileFolders(const QString& executableDir);

} // namespace tw
