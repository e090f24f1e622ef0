#pragma once
// Turns a command line whose pieces are record text, answers and file values
// into the text of a POSIX shell script. Record text and answers go in as
// they stand (they are the user's own shell code); each file value is quoted
// for the place it lands in, so the shell reads it back as exactly the value,
// whatever characters the file name holds:
//   unquoted:          "<value with \ " $ ` escaped>"
//   inside "...":       the value with \ " $ ` escaped
//   inside '...':       the quote is closed, the value put in as above, reopened
//   inside `...`:       quoted as above for the place inside, then escaped once
//                       more for the backquotes
//   inside $(...), ${...}: as unquoted or as the quotes around it inside
//   in a # comment:     line breaks become blanks, so the comment cannot end early
// A file value right after a backslash gets a line break first: the backslash
// and the break vanish together, so the backslash cannot escape the quoting.
#include <QString>

#include "launch/CommandLine.h"

namespace tw {

QString ShellScriptText(const CommandLine& script);

// value quoted to stand as one word of a shell command (single quotes).
QString SingleQuoted(const QString& value);

} // namespace tw
