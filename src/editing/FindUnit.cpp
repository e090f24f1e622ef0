#include "editing/FindUnit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "editing/SearchDialogParts.h"

namespace tw {

TFindForm::TFindForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFindForm"));
    setWindowTitle(QStringLiteral("Find"));
    auto* grid = new QGridLayout(this);
    findEdit_ = addLabelledEdit(grid, 0, QStringLiteral("FindEdit"), QStringLiteral("Text to &Find:"),
                                QStringLiteral("Place the text for which to search here"));

    auto* group = new QGroupBox(QStringLiteral("Options"), this);
    group->setObjectName(QStringLiteral("OptionsGB"));
    auto* boxes = new QGridLayout(group);
    fromCursor_ = makeCheckBox(group, QStringLiteral("FromCursorCB"), QStringLiteral("From C&ursor"),
                               QStringLiteral("Specifies if the search is to start from the cursor "
                                              "or is to encompass the entire file"),
                               false);
    matchCase_ = makeCheckBox(group, QStringLiteral("MatchCaseCB"), QStringLiteral("&Match Case"),
                              QStringLiteral("Select this for text in the file to have the same "
                                             "pattern of upper and lowercase letters as \"Text to "
                                             "Find\""),
                              false);
    selected_ = makeCheckBox(group, QStringLiteral("SelectedCB"), QStringLiteral("&Selected Text Only"),
                             QStringLiteral("Check to search only inside the text that is highlighted"),
                             false);
    wholeWord_ = makeCheckBox(group, QStringLiteral("WholeWordCB"), QStringLiteral("&Whole Word"),
                              QStringLiteral("Check to find only whole words instead of searching "
                                             "for text that is part of a longer word"),
                              false);
    boxes->addWidget(fromCursor_, 0, 0);
    boxes->addWidget(matchCase_, 1, 0);
    boxes->addWidget(selected_, 0, 1);
    boxes->addWidget(wholeWord_, 1, 1);
    grid->addWidget(group, 1, 0, 1, 2);
    addOkCancel(this, grid, 2);
    setFixedSize(sizeHint());
}

void TFindForm::prepare(bool documentHasSelection) { selected_->setChecked(documentHasSelection); }

FindRequest TFindForm::request() const {
    FindRequest r;
    r.text = findEdit_->text();
    r.selectedOnly = selected_->isChecked();
    r.fromCursor = fromCursor_->isChecked();
    r.options.wholeWord = wholeWord_->isChecked();
    r.options.matchCase = matchCase_->isChecked();
    return r;
}

QString TFindForm::findText() const { return findEdit_->text(); }

void TFindForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    findEdit_->setFocus();
    findEdit_->selectAll();
}

} // namespace tw
