#pragma once
// What the favorites and recent-files editors share: the list box `ListBox1`
// over the names being edited, `RemoveBtn` "&Remove" and `OrderBtn`
// "&Order..." with their enabling, and `OKBtn`, `CancelBtn`. The names are
// the editor's own until OK.
#include <QDialog>

#include "lists/GroupFiles.h"

class QBoxLayout;
class QPushButton;

namespace tw {

class FileListBox;
class TOrderForm;

class FileListDialog : public QDialog {
    Q_OBJECT
public:
    QStringList names() const { return list_.names(); }
    FileListBox& listBox() const { return *box_; }

    // Removes every selected name, from the end of the list towards the start.
    void RemoveBtnClick();
    // Reorders the names in the rearrange-items dialog.
    void OrderBtnClick();

protected:
    FileListDialog(TOrderForm& order, QWidget* parent);

    // A push button of the side column: at its top when first, otherwise
    // below the others and above OK and Cancel.
    QPushButton* addSideButton(const char* name, const QString& caption, bool first = false);
    QBoxLayout& sideColumn() const { return *side_; }
    QPushButton* okButton() const { return ok_; }
    // New names in the list box, nothing selected.
    void showNames(const QStringList& names);
    // Shows list_ again after a change, and refreshes the buttons.
    void showList();
    void refreshButtons();
    // After every change of the names (a caption with their count, say).
    virtual void namesChanged() {}

    GroupFiles list_;

private:
    TOrderForm& order_;
    FileListBox* box_ = nullptr;
    QBoxLayout* side_ = nullptr;
    QPushButton* removeBtn_ = nullptr;
    QPushButton* orderBtn_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace tw
