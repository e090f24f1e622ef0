#pragma once
// The Find dialog `TFindForm`: the text to find and the options of a search.
// Created once; its text and check boxes keep their state between uses.
#include <QDialog>

#include "editing/SearchRequests.h"

class QCheckBox;
class QLineEdit;

namespace tw {

class TFindForm : public QDialog {
    Q_OBJECT
public:
    explicit TFindForm(QWidget* parent = nullptr);

    // Before each show: SelectedCB is on exactly when the shown document has
    // a selection.
    void prepare(bool documentHasSelection);
    FindRequest request() const;
    // FindEdit's current text, accepted or not.
    QString findText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* findEdit_;
    QCheckBox* fromCursor_;
    QCheckBox* matchCase_;
    QCheckBox* selected_;
    QCheckBox* wholeWord_;
};

} // namespace tw
