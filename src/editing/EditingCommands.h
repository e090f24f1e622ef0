#pragma once
// The Edit menu's own commands and Search > Goto Line, on the shown document.
// Undo, Delete and Select All are the edit control's own operations; Cut,
// Copy and Paste go through the window's clipboard modes.
#include <QObject>

#include "editing/CaseConversion.h"

namespace tw {

class EditControl;
class Prompts;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    EditingCommands(EditControl& edit, Prompts& prompts, QObject* parent = nullptr);

    // Cut Line before the cut: selects the caret's line (with a selection,
    // the line of its start) together with its own break; the last line of
    // the text has none, so its text alone is selected.
    void SelectLineToCut();
    // Deletes the caret's line and its break, as Cut Line would take it,
    // without touching the clipboard. Like Change Case, Indent and Unindent it
    // does nothing at all in a read-only document, which is never changed.
    void DeleteLine();
    // Replaces the selection by its text in the other case; the result is
    // not selected. A selection that the change leaves as it is stays
    // unmodified, the caret going to its end.
    void ChangeCase(CaseChange change);
    // Edit > Indent and Unindent (see BlockIndent.h); true when the text changed.
    bool Indent();
    bool Unindent();
    // Asks for a 1-based line number and puts the caret at that line's start.
    void GotoLine();

private:
    EditControl& edit_;
    Prompts& prompts_;
};

} // namespace tw
