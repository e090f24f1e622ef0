#pragma once
// The select-file dialog `TViewForm` ("View Files"): lists the parked
// documents and tells which one the user picked, typed or chosen from the list.
// It knows the documents only by their names in slot order (slot 1 first) and
// answers with a slot; the caller does the switching.
#include <QDialog>
#include <QStringList>

#include "util/PathStyle.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;

namespace tw {

class Prompts;

class TViewForm : public QDialog {
    Q_OBJECT
public:
    // showPaths is the stored Show Paths setting, copied into ShowPathsCB.
    TViewForm(Prompts& prompts, bool showPaths, QWidget* parent = nullptr,
              PathStyle style = PathStyle::Host);

    // Shows the dialog modally for the parked documents; returns the slot the
    // user picked, or 0 when the dialog was cancelled.
    int selectFile(const QStringList& parkedNames);

    // What showing the dialog does: lists the documents, rebuilds the filter
    // box, clears and focuses FileEdit.
    void load(const QStringList& parkedNames);
    // The slot picked by the last OK (0 before one).
    int chosenSlot() const { return chosenSlot_; }
    bool showPaths() const;
    // The filter box's filter: "All Files (*.*)|*.*" and one item per extension.
    const QString& filterText() const { return filterText_; }
    // The list box's entries in display order.
    QStringList entries() const;
    // The selected entry's row, -1 for none.
    int selectedRow() const;

    void FillFileList();
    void OKBtnClick();

signals:
    void showPathsToggled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setFilter(const QString& filter);
    void applyFilterMask();
    void FilterCBChange();
    void FileEditChange();
    void selectRow(int row);
    // Puts an entry into FileEdit as a program would: the caret goes to the
    // start, and the list selection follows the text.
    void setFileEditText(const QString& text);
    bool FileEditKeyDown(const QKeyEvent& key);
    void FileEditKeyPress();
    bool ListBoxKeyDown(const QKeyEvent& key);
    void listSelectionChanged();

    Prompts& prompts_;
    PathStyle style_;
    QStringList parkedNames_;
    QString filterText_;
    int chosenSlot_ = 0;
    bool followingEdit_ = false;   // the list selection is being set from FileEdit

    QLineEdit* fileEdit_ = nullptr;
    QListWidget* list_ = nullptr;
    QCheckBox* showPaths_ = nullptr;
    QComboBox* filter_ = nullptr;
};

} // namespace tw
