#pragma once
// The Replace dialog `TReplaceForm`: the text to find, its replacement and
// the options of a replace. Created once; its texts and check boxes keep
// their state between uses.
#include <QDialog>

#include "editing/SearchRequests.h"

class QCheckBox;
class QLineEdit;

namespace tw {

class TReplaceForm : public QDialog {
    Q_OBJECT
public:
    explicit TReplaceForm(QWidget* parent = nullptr);

    // Before each show: SelectedCB is on exactly when the shown document has
    // a selection; SearchFilesCB can be used only with two documents or more.
    void prepare(bool documentHasSelection, int docCount);
    ReplaceRequest request() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* findEdit_;
    QLineEdit* replaceEdit_;
    QCheckBox* selected_;
    QCheckBox* replaceAll_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QCheckBox* prompt_;
    QCheckBox* searchFiles_;
    QCheckBox* fromCursor_;
};

} // namespace tw
