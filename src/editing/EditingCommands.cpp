#include "editing/EditingCommands.h"

#include <algorithm>

#include "editing/BlockIndent.h"
#include "editing/EditControl.h"
#include "editing/EditLines.h"
#include "util/Prompts.h"
#include "util/TextHelpers.h"

namespace tw {

EditingCommands::EditingCommands(EditControl& edit, Prompts& prompts, QObject* parent)
    : QObject(parent), edit_(edit), prompts_(prompts) {}

void EditingCommands::SelectLineToCut() {
    const EditLines lines(edit_);
    const qsizetype line = lines.lineOf(edit_.selStart());
    const qsizetype start = lines.start(line);
    edit_.setSelection(start, lines.nextStart(line) - start);
}

void EditingCommands::DeleteLine() {
    if (edit_.isReadOnly())
        return;
    SelectLineToCut();
    if (edit_.selLength() > 0)
        edit_.replaceSelection(QByteArray());
}

void EditingCommands::ChangeCase(CaseChange change) {
    if (edit_.isReadOnly())
        return;
    const QByteArray selected = edit_.selectedBytes();
    const QByteArray changed = changeCase(selected, change);
    if (changed != selected)
        edit_.replaceSelection(changed);
    else
        edit_.setSelStart(edit_.selStart() + edit_.selLength());
}

bool EditingCommands::Indent() { return IndentBlock(edit_); }

bool EditingCommands::Unindent() { return UnindentBlock(edit_); }

void EditingCommands::GotoLine() {
    const std::optional<QString> answer = prompts_.input(
        QStringLiteral("Goto"), QStringLiteral("Input line number to goto"), QString());
    if (!answer)
        return;
    const qsizetype number = DigitsToPosition(*answer);
    if (number == 0) {
        prompts_.message(QStringLiteral("Inavlid Line Number"), MessageType::Warning);
        return;
    }
    const EditLines lines(edit_);
    edit_.setSelStart(lines.start(std::min(number, lines.count()) - 1));
    edit_.scrollCaretIntoView();
}

} // namespace tw
