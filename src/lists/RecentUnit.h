#pragma once
// The recent-files editor `TRecentForm` ("Recently Opened Files"): the list's
// maximum size and its file names, removed and reordered; OK rebuilds the
// "Open Recent" submenu from them, Cancel leaves list and maximum as they were.
#include "lists/FileListDialog.h"

class QGroupBox;
class QSpinBox;

namespace tw {

class FileLists;

class TRecentForm : public FileListDialog {
    Q_OBJECT
public:
    TRecentForm(FileLists& lists, TOrderForm& order, QWidget* parent = nullptr);

    // Fills the editor from the recent list and shows it modally.
    bool edit();
    // What showing does, without the modal loop.
    void load();
    QSpinBox& maximumBox() const { return *maxRecentSE_; }

    void OKBtnClick();

protected:
    void namesChanged() override;

private:
    FileLists& lists_;
    QSpinBox* maxRecentSE_ = nullptr;
    QGroupBox* recentCB_ = nullptr;
};

} // namespace tw
