#include "editing/ReplaceUnit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "editing/SearchDialogParts.h"

namespace tw {

TReplaceForm::TReplaceForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TReplaceForm"));
    setWindowTitle(QStringLiteral("Replace"));
    auto* grid = new QGridLayout(this);
    findEdit_ = addLabelledEdit(grid, 0, QStringLiteral("FindEdit"), QStringLiteral("Text to &Find:"),
                                QStringLiteral("Put text to be replaced here"));
    replaceEdit_ = addLabelledEdit(grid, 1, QStringLiteral("ReplaceEdit"),
                                   QStringLiteral("&Replace Text:"),
                                   QStringLiteral("Put the text with which to replace \"Text to Find\""));

    auto* group = new QGroupBox(QStringLiteral("Options"), this);
    group->setObjectName(QStringLiteral("OptionsGB"));
    auto* boxes = new QGridLayout(group);
    auto box = [group](const char* name, const char* caption, const char* hint, bool checked) {
        return makeCheckBox(group, QString::fromLatin1(name), QString::fromLatin1(caption),
                            QString::fromLatin1(hint), checked);
    };
    selected_ = box("SelectedCB", "&Selected Text Only",
                    "Check to replace only inside the text that is highlighted", false);
    replaceAll_ = box("ReplaceAllCB", "Replace &All",
                      "Check to replace all occurances of a word instead of just the next occurance",
                      true);
    wholeWord_ = box("WholeWordCB", "&Whole Word",
                     "Check to find only whole words instead of searching for text that is part of "
                     "a longer word",
                     false);
    matchCase_ = box("MatchCaseCB", "&Match Case",
                     "Select this for text in the file to have the same pattern of upper and "
                     "lowercase letters as \"Text to Find\"",
                     false);
    prompt_ = box("PromptCB", "&Prompt on Replace",
                  "Prompt for confirmation before replacing each piece of text", true);
    searchFiles_ = box("SearchFilesCB", "Search in All Fi&les", "", false);
    fromCursor_ = box("FromCursorCB", "From C&ursor",
                      "Specifies if the search is to start from the cursor or is to encompass the "
                      "entire file",
                      false);
    QCheckBox* const order[] = {selected_, replaceAll_, wholeWord_, matchCase_,
                                prompt_,   searchFiles_, fromCursor_};
    for (int i = 0; i < 7; ++i)
        boxes->addWidget(order[i], i % 4, i / 4);
    grid->addWidget(group, 2, 0, 1, 2);
    addOkCancel(this, grid, 2);
    setFixedSize(sizeHint());
}

void TReplaceForm::prepare(bool documentHasSelection, int docCount) {
    selected_->setChecked(documentHasSelection);
    searchFiles_->setEnabled(docCount >= 2);
}

ReplaceRequest TReplaceForm::request() const {
    ReplaceRequest r;
    r.findText = findEdit_->text();
    r.replaceText = replaceEdit_->text();
    r.selectedOnly = selected_->isChecked();
    r.replaceAll = replaceAll_->isChecked();
    r.prompt = prompt_->isChecked();
    // A box left ticked from a use with more documents does not count.
    r.allFiles = searchFiles_->isChecked() && searchFiles_->isEnabled();
    r.fromCursor = fromCursor_->isChecked();
    r.options.wholeWord = wholeWord_->isChecked();
    r.options.matchCase = matchCase_->isChecked();
    return r;
}

void TReplaceForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    findEdit_->setFocus();
    findEdit_->selectAll();
}

} // namespace tw
