#include "app/SearchCommands.h"

#include <QScreen>
#include <QWidget>

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "editing/EditControl.h"
#include "editing/FindUnit.h"
#include "editing/PromptPosition.h"
#include "editing/ReplaceUnit.h"
#include "editing/TextMatcher.h"

namespace tw {

SearchCommands::SearchCommands(QWidget& window, DocumentHost& host, EditControl& edit,
                               DocumentTable& table, Prompts& prompts)
    : QObject(&window), window_(window), host_(host), edit_(edit), table_(table), text_(edit),
      engine_(*this, prompts), findForm_(new TFindForm(&window)),
      replaceForm_(new TReplaceForm(&window)) {}

SearchCommands::~SearchCommands() = default;

bool SearchCommands::documentShown() const { return !edit_.isHidden(); }

void SearchCommands::SearchFindMnuClick() {
    if (!documentShown())
        return;
    findForm_->prepare(edit_.selLength() > 0);
    if (findForm_->exec() == QDialog::Accepted)
        engine_.Find(findForm_->request());
}

void SearchCommands::SearchSearchAgainMnuClick() {
    if (!documentShown())
        return;
    if (!engine_.SearchAgain(findForm_->findText()))
        SearchFindMnuClick();
}

void SearchCommands::SearchReplaceMnuClick() {
    if (!documentShown())
        return;
    replaceForm_->prepare(edit_.selLength() > 0, table_.DocCount());
    if (replaceForm_->exec() != QDialog::Accepted)
        return;
    replacing_ = replaceForm_->request();
    engine_.Replace(*replacing_);
    replacing_.reset();
}

SearchableText& SearchCommands::shownText() {
    if (replacing_)
        makeRoomForReplacement();
    return text_;
}

void SearchCommands::makeRoomForReplacement() {
    if (edit_.canHold(replacing_->replaceText) || edit_.isReadOnly())
        return;
    const std::optional<QByteArray> what =
        searchBytesFor(replacing_->findText, TextFormat::Encoding::Latin1);
    // A case-blind look is enough: a change made in vain is written back as
    // Latin-1 by the next save.
    if (what && !what->isEmpty() && edit_.textBytes().toLower().contains(what->toLower()))
        edit_.makeRoomFor(replacing_->replaceText);
}

int SearchCommands::DocCount() const { return table_.DocCount(); }

void SearchCommands::ViewNext() { table_.ViewNext(); }

void SearchCommands::ShowLineColumn() { host_.ShowLineColumn(); }

QPoint SearchCommands::promptPosition() {
    PromptGeometry g;
    const QScreen* screen = window_.screen();
    g.screen = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    // The caret's line is the line that holds the selection's start, counted
    // in lines on screen as the first visible line is.
    const long line = edit_.SendScintilla(EditControl::SCI_LINEFROMPOSITION,
                                          static_cast<unsigned long>(edit_.selStart()));
    g.caretLine =
        edit_.SendScintilla(EditControl::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
    g.firstVisibleLine = edit_.firstVisibleLine();
    g.fontHeight = static_cast<int>(edit_.SendScintilla(EditControl::SCI_TEXTHEIGHT, 0ul));
    g.editTop = edit_.mapTo(&window_, QPoint(0, 0)).y();
    g.windowTop = window_.geometry().top();
    return PromptPosition(g);
}

} // namespace tw
