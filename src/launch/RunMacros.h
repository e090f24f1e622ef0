#pragma once
// The macros of a Run record's parameters and batch text.
//   $ followed by the longest run of the letters d f p v x: the file to act
//     on, transformed by each letter present, in the order v d x p f:
//     v its first character, d its short form, x without its extension,
//     p its directory part, f its file-name part ("$fx" and "$xf": "prog").
//   %p%: an answer typed at a prompt.
//   %cmd% (batch text only): the record's whole command line.
// Expansion is one pass over the record's own text: a value or an answer is
// never looked at again, so a "$" or "%p%" inside a file name stays as it is.
// In batch text only, a "$" followed by "{", "(", "$", a digit, an upper-case
// letter or one of _?#@*!- is left to the shell ($HOME, ${x}, $(date), $1).
#include <QString>
#include <optional>

#include "launch/CommandLine.h"
#include "util/FileNames.h"

namespace tw {

class Prompts;

struct MacroSource {
    QString file;   // the file to act on; empty with no document
    PathStyle style = PathStyle::Host;
    PathLookup lookup = HostPathLookup;
};

// The value of a macro with these letters (duplicates and order do not
// matter). Throws UserError "cannot convert \"{name}\" to short file name"
// when d is asked for a file that cannot be found.
QString MacroValue(const QString& letters, const MacroSource& source);

enum class MacroPlace { Parameters, BatchText };

// text with its macros expanded. The file values are worked out first (a d
// that fails throws before anything is asked); then each %p% is asked for
// with the input box "Parameters" / "Input Parameters", preset with the
// previous answer of this expansion. A cancelled prompt asks "Do you still
// want to execute this program": No gives nothing (the run stops), Yes uses
// the previous answer. commandLine replaces %cmd% in batch text.
std::optional<CommandLine> ExpandRunMacros(const QString& text, MacroPlace place,
                                           const MacroSource& source, Prompts& prompts,
                                           const CommandLine& commandLine = {});

} // namespace tw
